#include "project/project_header.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "engine/locale_chars.h"
#include "engine/text_util.h"
#include "platform/little_endian.h"

namespace orvella {
namespace {

struct HeaderText {
  std::size_t offset;
  std::size_t size;
  std::string_view text;
};

constexpr HeaderText kTexts[] = {
    {0x04, 20, "Orvella"},  {0x18, 20, "1.00"}, {0x2C, 20, "2002"}, {0x40, 20, "Quellmoor"},
    {0x54, 20, "Tarnwick"}, {0x68, 20, "1.00"}, {0x7C, 5, "ovp"},   {0x81, 5, "ovp"},
};
// The texts a reader checks: the product and its two makers.
constexpr std::size_t kIdentifyingTexts[] = {0, 3, 4};

constexpr std::size_t kDecimalFlagOffset = 0x88;

void PutInt(ProjectHeader& header, std::size_t offset, std::int32_t value) {
  platform::StoreLittleEndian(static_cast<std::uint32_t>(value), header.data() + offset);
}

std::int32_t GetInt(const ProjectHeader& header, std::size_t offset) {
  return static_cast<std::int32_t>(platform::LoadLittleEndian<std::uint32_t>(header.data() + offset));
}

// The zero-terminated text of a field; a field without a zero ends at its size.
std::string_view FieldText(const ProjectHeader& header, const HeaderText& field) {
  const char* start = reinterpret_cast<const char*>(header.data() + field.offset);
  return std::string_view(start, strnlen(start, field.size));
}

}  // namespace

ProjectHeader BuiltInProjectHeader() {
  ProjectHeader header{};
  PutInt(header, 0, static_cast<std::int32_t>(header.size()));
  for (const HeaderText& field : kTexts) {
    std::copy(field.text.begin(), field.text.end(), header.begin() + field.offset);
  }
  PutInt(header, kDecimalFlagOffset, ExpressionChars().decimalPoint == '.' ? 1 : 0);
  return header;
}

bool IsProjectHeader(const ProjectHeader& header) {
  return std::all_of(std::begin(kIdentifyingTexts), std::end(kIdentifyingTexts),
                     [&](std::size_t field) {
                       return EqualsNoCase(FieldText(header, kTexts[field]), kTexts[field].text);
                     });
}

bool HeaderDecimalIsPoint(const ProjectHeader& header) {
  return GetInt(header, kDecimalFlagOffset) != 0;
}

}  // namespace orvella
