// The project file's header: the record this program writes and the check of one read.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/locale_chars.h"
#include "project/project_header.h"

namespace orvella {
namespace {

std::string TextAt(const ProjectHeader& header, std::size_t offset) {
  return reinterpret_cast<const char*>(header.data() + offset);
}

TEST(ProjectHeaderTest, TheBuiltInRecord) {
  const ProjectHeader header = BuiltInProjectHeader();
  EXPECT_EQ(header[0], 144);
  EXPECT_EQ(header[1], 0);
  EXPECT_EQ(TextAt(header, 0x04), "Orvella");
  EXPECT_EQ(TextAt(header, 0x18), "1.00");
  EXPECT_EQ(TextAt(header, 0x2C), "2002");
  EXPECT_EQ(TextAt(header, 0x40), "Quellmoor");
  EXPECT_EQ(TextAt(header, 0x54), "Tarnwick");
  EXPECT_EQ(TextAt(header, 0x68), "1.00");
  EXPECT_EQ(TextAt(header, 0x7C), "ovp");
  EXPECT_EQ(TextAt(header, 0x81), "ovp");
  EXPECT_TRUE(HeaderDecimalIsPoint(header));
  EXPECT_TRUE(IsProjectHeader(header));

  const ScopedConvention french(kFrenchConvention);
  EXPECT_FALSE(HeaderDecimalIsPoint(BuiltInProjectHeader()));
}

TEST(ProjectHeaderTest, OnlyTheIdentifyingTextsAreChecked) {
  ProjectHeader header = BuiltInProjectHeader();
  std::memcpy(header.data() + 0x04, "ORVELLA", 7);
  std::memcpy(header.data() + 0x18, "9.99", 4);
  EXPECT_TRUE(IsProjectHeader(header));

  ProjectHeader other = BuiltInProjectHeader();
  std::memcpy(other.data() + 0x54, "Someone", 8);
  EXPECT_FALSE(IsProjectHeader(other));

  // A field filled to its end without a terminating zero is read within its size.
  ProjectHeader unterminated = BuiltInProjectHeader();
  std::memset(unterminated.data() + 0x40, 'Q', 20);
  EXPECT_FALSE(IsProjectHeader(unterminated));
  EXPECT_FALSE(IsProjectHeader(ProjectHeader{}));
}

}  // namespace
}  // namespace orvella
