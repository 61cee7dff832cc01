#include "platform/desktop/controls.hpp"

#include <cctype>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vigil::desktop {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double DecimalValueOf(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  const size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const size_t digitsStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  size_t mantissaDigits = i - digitsStart;
  if (i < text.size() && text[i] == '.') {
    const size_t fractionStart = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    mantissaDigits += i - fractionStart;
  }
  if (mantissaDigits == 0) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  // strtod on the matched prefix only, which holds no letters it could take for
  // "inf", "nan" or hexadecimal; the decimal point is always '.'.
  std::string number(text.substr(start, i - start));
  if (const char *point = std::localeconv()->decimal_point; point[0] != '.' && point[0] != '\0') {
    for (char &c : number) {
      if (c == '.') c = point[0];
    }
  }
  return std::strtod(number.c_str(), nullptr);
}

double TextField::doubleValue() const { return DecimalValueOf(stringValue()); }

}  // namespace vigil::desktop
