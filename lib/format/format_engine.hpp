// The formatted-print engine behind ExpandFormat and SPrintF, written once
// over where its arguments come from (a va_list, or an array in the fuzzer)
// and where its output goes (a buffer the caller sized, or a bounded one).
//
//   Source: UInt32 NextWord(); SInt32 NextInt(); const char *NextCString();
//           const unsigned char *NextPString();
//   Sink:   void Put(const char *p, std::size_t n); void Fill(char c, std::size_t n);
//           void Finish();  (writes the terminator)
#ifndef VIGIL_LIB_FORMAT_FORMAT_ENGINE_HPP
#define VIGIL_LIB_FORMAT_FORMAT_ENGINE_HPP

#include <cstddef>
#include <cstring>

#include "lib/format/digits.hpp"
#include "platform/core/base_types.h"

namespace vigil::format {

// Output into a buffer the caller guarantees is large enough.
class UnboundedSink {
 public:
  explicit UnboundedSink(char *dst) : begin_(dst), cursor_(dst) {}
  void Put(const char *p, std::size_t n) {
    std::memcpy(cursor_, p, n);
    cursor_ += n;
  }
  void Fill(char c, std::size_t n) {
    std::memset(cursor_, c, n);
    cursor_ += n;
  }
  void Finish() { *cursor_ = '\0'; }
  std::size_t Length() const { return static_cast<std::size_t>(cursor_ - begin_); }

 private:
  char *begin_;
  char *cursor_;
};

namespace detail {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

template <typename Sink>
void Padded(Sink &out, const char *text, std::size_t length, SInt32 width, bool left) {
  const std::size_t padding = width > 0 && static_cast<std::size_t>(width) > length ? width - length : 0;
  if (!left) out.Fill(' ', padding);
  out.Put(text, length);
  if (left) out.Fill(' ', padding);
}

}  // namespace detail

template <typename Source, typename Sink>
void Expand(const char *format, Source &args, Sink &out) {
  const char *p = format;
  for (;;) {
    const char *run = p;
    while (*p && *p != '%') ++p;
    out.Put(run, static_cast<std::size_t>(p - run));
    if (*p == '\0') break;
    ++p;  // the '%'
    bool left = false;
    bool zeroPad = false;
    bool widthGiven = false;
    SInt32 width = 0;
    SInt32 precision = 0;
    for (;;) {
      const char c = *p;
      if (c == '\0') {  // the format ends inside a directive: so does the output
        out.Finish();
        return;
      }
      ++p;
      if (c == '-') {
        left = true;
      } else if (c == '0') {
        if (*p == '\0') continue;
        if (!detail::IsDigit(*p)) {  // '%0d': the directive vanishes
          ++p;
          break;
        }
        zeroPad = true;
      } else if (c >= '1' && c <= '9') {
        width = ReadNumber(p - 1, &p, 10);
        widthGiven = true;
      } else if (c == '.') {
        if (*p == '*') {
          precision = args.NextInt();
          ++p;
        } else {
          precision = ReadNumber(p, &p, 10);
        }
        if (precision < 0) precision = 0;  // a negative precision means none
      } else if (c == 'l' || c == 'L' || c == '%') {
        // length modifiers, and a second '%', are skipped
      } else {
        SInt32 base = 0;
        bool upperCase = false;
        switch (c) {
          case 'd':
          case 'D':
            base = -10;
            break;
          case 'u':
          case 'U':
            base = 10;
            break;
          case 'o':
          case 'O':
            base = 8;
            break;
          case 'x':
            base = 16;
            break;
          case 'X':
            base = 16;
            upperCase = true;
            break;
          case 'c': {
            const char ch = static_cast<char>(args.NextWord() & 0xFF);
            detail::Padded(out, &ch, 1, width, left);
            break;
          }
          case 's': {
            const char *s = args.NextCString();
            const std::size_t length = precision > 0 ? static_cast<std::size_t>(precision) : (s ? std::strlen(s) : 0);
            if (s) detail::Padded(out, s, length, width, left);
            break;
          }
          case 'P': {
            const unsigned char *s = args.NextPString();
            const std::size_t length = precision > 0 ? static_cast<std::size_t>(precision) : (s ? s[0] : 0);
            if (s) detail::Padded(out, reinterpret_cast<const char *>(s + 1), length, width, left);
            break;
          }
          default:  // an unknown conversion: the directive vanishes
            break;
        }
        if (base != 0) {
          char field[kFieldSize];
          const char pad = widthGiven ? (zeroPad ? '0' : ' ') : 0;
          const char *end = WriteNumberField(args.NextWord(), base, pad, width, precision, upperCase, field);
          out.Put(field, static_cast<std::size_t>(end - field));
        }
        break;
      }
    }
  }
  out.Finish();
}

}  // namespace vigil::format

#endif
