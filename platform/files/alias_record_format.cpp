#include "platform/files/alias_record_format.hpp"

#include <limits>

namespace vigil::files {
namespace {

void PutBigEndian(std::vector<UInt8> &out, uint64_t value, int bytes) {
  for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
    out.push_back(static_cast<UInt8>(value >> shift));
  }
}

// Reads big-endian numbers and counted strings from the front of a record.
class Reader {
 public:
  explicit Reader(std::span<const UInt8> bytes) : bytes_(bytes) {}

  std::optional<uint64_t> number(size_t size) {
    if (bytes_.size() < size) return std::nullopt;
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i) value = value << 8 | bytes_[i];
    bytes_ = bytes_.subspan(size);
    return value;
  }

  std::optional<std::string> text() {
    const auto length = number(2);
    if (!length || bytes_.size() < *length) return std::nullopt;
    std::string value(reinterpret_cast<const char *>(bytes_.data()), *length);
    bytes_ = bytes_.subspan(*length);
    return value;
  }

  bool atEnd() const { return bytes_.empty(); }

 private:
  std::span<const UInt8> bytes_;
};

}  // namespace

std::optional<std::vector<UInt8>> EncodeAliasRecord(const AliasRecordContents &contents) {
  const size_t size = kAliasRecordHeaderSize + 6 + contents.absolutePath.size() +
                      contents.relativePath.size() + contents.volumeName.size();
  if (size > std::numeric_limits<UInt16>::max()) return std::nullopt;
  std::vector<UInt8> record;
  record.reserve(size);
  PutBigEndian(record, 0, 4);
  PutBigEndian(record, size, 2);
  PutBigEndian(record, kAliasRecordVersion, 2);
  PutBigEndian(record, contents.kind, 2);
  PutBigEndian(record, 0, 2);
  PutBigEndian(record, contents.device, 8);
  PutBigEndian(record, contents.inode, 8);
  for (const std::string *text :
       {&contents.absolutePath, &contents.relativePath, &contents.volumeName}) {
    PutBigEndian(record, text->size(), 2);
    record.insert(record.end(), text->begin(), text->end());
  }
  return record;
}

std::optional<AliasRecordContents> DecodeAliasRecord(std::span<const UInt8> bytes) {
  Reader header(bytes);
  header.number(4);  // userType is the caller's
  const auto size = header.number(2);
  const auto version = header.number(2);
  if (!size || *size < kAliasRecordHeaderSize || *size > bytes.size() ||
      version != kAliasRecordVersion) {
    return std::nullopt;
  }
  Reader reader(bytes.subspan(8, *size - 8));
  AliasRecordContents contents;
  const auto kind = reader.number(2);
  const auto reserved = reader.number(2);
  const auto device = reader.number(8);
  const auto inode = reader.number(8);
  auto absolutePath = reader.text();
  auto relativePath = reader.text();
  auto volumeName = reader.text();
  if (!absolutePath || !relativePath || !volumeName || !reader.atEnd() || reserved != 0) {
    return std::nullopt;
  }
  contents.kind = static_cast<UInt16>(*kind);
  contents.device = *device;
  contents.inode = *inode;
  contents.absolutePath = std::move(*absolutePath);
  contents.relativePath = std::move(*relativePath);
  contents.volumeName = std::move(*volumeName);
  return contents;
}

}  // namespace vigil::files
