// The primitive encodings of the project file and the user store file: little-endian
// integers and doubles, raw bytes, texts with their three length forms and counts. Both
// files are flat sequences of these, written and read in one pass.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvella {

class ArchiveWriter {
 public:
  void WriteInt32(std::int32_t value);
  void WriteBool(bool value) { WriteInt32(value ? 1 : 0); }
  void WriteDouble(double value);
  void WriteRaw(const void* data, std::size_t size);
  // A UTF-8 text: single-byte Windows-1252 when every character has a byte there, else the
  // 16-bit form.
  void WriteText(std::string_view utf8);
  void WriteCount(std::uint32_t count);

  // Room for what is about to be written, so that large records are not copied as the
  // buffer grows.
  void Reserve(std::size_t bytes) { bytes_.reserve(bytes_.size() + bytes); }

  const std::string& Bytes() const { return bytes_; }
  std::string TakeBytes() { return std::move(bytes_); }

 private:
  void WriteLength(std::uint32_t length);
  void WriteUint16(std::uint16_t value);

  std::string bytes_;
};

// Reads never run past the end: a read that would fails, leaves its output at a safe value
// and makes every later read fail too, so a record reader can read on and check Failed()
// once. Lengths and counts are checked against the bytes that remain.
class ArchiveReader {
 public:
  explicit ArchiveReader(std::string_view bytes) : bytes_(bytes) {}

  std::int32_t ReadInt32();
  bool ReadBool() { return ReadInt32() != 0; }
  double ReadDouble();
  // False (and failed) when fewer than `size` bytes remain.
  bool ReadRaw(void* data, std::size_t size);
  // Texts in either form, as UTF-8.
  std::string ReadText();
  std::uint32_t ReadCount();
  // An int32 count of records that each take at least `minRecordBytes`: a negative count, or
  // more records than the remaining bytes can hold, fails (and reads as 0).
  std::int32_t ReadRecordCount(std::size_t minRecordBytes);

  bool Failed() const { return failed_; }
  void Fail() { failed_ = true; }
  std::size_t Remaining() const { return failed_ ? 0 : bytes_.size() - at_; }
  // What is left after the records, for the worksheet text at the end of a project.
  std::string_view Rest() const { return failed_ ? std::string_view() : bytes_.substr(at_); }

 private:
  bool Take(std::size_t size, const unsigned char*& data);
  std::uint16_t ReadUint16();
  std::uint32_t ReadLength();

  std::string_view bytes_;
  std::size_t at_ = 0;
  bool failed_ = false;
};

}  // namespace orvella
