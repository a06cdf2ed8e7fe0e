#include "project/archive/archive.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "platform/little_endian.h"
#include "project/archive/windows1252.h"

namespace orvella {
namespace {

// Length forms: one byte below 0xFF; 0xFF and 16 bits below 0xFFFE; 0xFF, 0xFFFF and 32
// bits above. 0xFF 0xFFFE announces a text of 16-bit characters.
constexpr unsigned char kLongLength = 0xFF;
constexpr std::uint16_t kWideMark = 0xFFFE;
constexpr std::uint16_t kHugeLength = 0xFFFF;
constexpr std::uint16_t kHugeCount = 0xFFFF;

template <typename Unsigned>
void AppendLittleEndian(std::string& bytes, Unsigned value) {
  unsigned char buffer[sizeof(Unsigned)];
  platform::StoreLittleEndian(value, buffer);
  bytes.append(reinterpret_cast<const char*>(buffer), sizeof(Unsigned));
}

}  // namespace

void ArchiveWriter::WriteInt32(std::int32_t value) {
  AppendLittleEndian(bytes_, static_cast<std::uint32_t>(value));
}

void ArchiveWriter::WriteUint16(std::uint16_t value) { AppendLittleEndian(bytes_, value); }

void ArchiveWriter::WriteDouble(double value) {
  AppendLittleEndian(bytes_, std::bit_cast<std::uint64_t>(value));
}

void ArchiveWriter::WriteRaw(const void* data, std::size_t size) {
  bytes_.append(static_cast<const char*>(data), size);
}

void ArchiveWriter::WriteLength(std::uint32_t length) {
  if (length < kLongLength) {
    bytes_ += static_cast<char>(length);
    return;
  }
  bytes_ += static_cast<char>(kLongLength);
  if (length < kWideMark) {
    WriteUint16(static_cast<std::uint16_t>(length));
    return;
  }
  WriteUint16(kHugeLength);
  WriteInt32(static_cast<std::int32_t>(length));
}

void ArchiveWriter::WriteText(std::string_view utf8) {
  if (const auto single = Utf8ToWindows1252(utf8)) {
    WriteLength(static_cast<std::uint32_t>(single->size()));
    bytes_ += *single;
    return;
  }
  const std::vector<char16_t> units = Utf8ToUtf16(utf8);
  bytes_ += static_cast<char>(kLongLength);
  WriteUint16(kWideMark);
  WriteLength(static_cast<std::uint32_t>(units.size()));
  for (const char16_t unit : units) WriteUint16(unit);
}

void ArchiveWriter::WriteCount(std::uint32_t count) {
  if (count < kHugeCount) {
    WriteUint16(static_cast<std::uint16_t>(count));
    return;
  }
  WriteUint16(kHugeCount);
  WriteInt32(static_cast<std::int32_t>(count));
}

bool ArchiveReader::Take(std::size_t size, const unsigned char*& data) {
  if (failed_ || size > bytes_.size() - at_) {
    failed_ = true;
    return false;
  }
  data = reinterpret_cast<const unsigned char*>(bytes_.data() + at_);
  at_ += size;
  return true;
}

std::int32_t ArchiveReader::ReadInt32() {
  const unsigned char* data = nullptr;
  if (!Take(4, data)) return 0;
  return static_cast<std::int32_t>(platform::LoadLittleEndian<std::uint32_t>(data));
}

std::uint16_t ArchiveReader::ReadUint16() {
  const unsigned char* data = nullptr;
  if (!Take(2, data)) return 0;
  return platform::LoadLittleEndian<std::uint16_t>(data);
}

double ArchiveReader::ReadDouble() {
  const unsigned char* data = nullptr;
  if (!Take(8, data)) return 0.0;
  return std::bit_cast<double>(platform::LoadLittleEndian<std::uint64_t>(data));
}

bool ArchiveReader::ReadRaw(void* out, std::size_t size) {
  const unsigned char* data = nullptr;
  if (!Take(size, data)) return false;
  std::memcpy(out, data, size);
  return true;
}

std::uint32_t ArchiveReader::ReadLength() {
  const unsigned char* data = nullptr;
  if (!Take(1, data)) return 0;
  if (data[0] != kLongLength) return data[0];
  const std::uint16_t length = ReadUint16();
  if (length != kHugeLength) return length;
  return static_cast<std::uint32_t>(ReadInt32());
}

std::string ArchiveReader::ReadText() {
  const unsigned char* data = nullptr;
  // The wide mark sits where a 16-bit length would, so it is looked for before the length.
  if (Remaining() >= 3 && static_cast<unsigned char>(bytes_[at_]) == kLongLength &&
      static_cast<unsigned char>(bytes_[at_ + 1]) == (kWideMark & 0xff) &&
      static_cast<unsigned char>(bytes_[at_ + 2]) == (kWideMark >> 8)) {
    at_ += 3;
    const std::uint32_t units = ReadLength();
    if (failed_ || units > Remaining() / 2) {
      failed_ = true;
      return {};
    }
    std::vector<char16_t> text(units);
    for (char16_t& unit : text) unit = ReadUint16();
    return Utf16ToUtf8(text);
  }
  const std::uint32_t length = ReadLength();
  if (!Take(length, data)) return {};
  return Windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(data), length));
}

std::uint32_t ArchiveReader::ReadCount() {
  const std::uint16_t count = ReadUint16();
  if (count != kHugeCount) return count;
  return static_cast<std::uint32_t>(ReadInt32());
}

std::int32_t ArchiveReader::ReadRecordCount(std::size_t minRecordBytes) {
  const std::int32_t count = ReadInt32();
  if (failed_) return 0;
  if (count < 0 || static_cast<std::size_t>(count) > Remaining() / std::max<std::size_t>(1, minRecordBytes)) {
    failed_ = true;
    return 0;
  }
  return count;
}

}  // namespace orvella
