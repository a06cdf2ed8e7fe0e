// The in-memory editor the worksheet tests and the sheet mode stand on: its lines must agree
// with its text after every kind of edit, and no position can take it out of range.
#include "platform/fake/memory_text_editor.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace orvella::platform {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

// Every line query answered from the text itself, the slow and obvious way.
void ExpectLinesMatchText(const MemoryTextEditor& editor, const std::string& step) {
  const std::vector<std::string> lines = SplitLines(editor.Text());
  ASSERT_EQ(editor.LineCount(), static_cast<int>(lines.size())) << step;
  int start = 0;
  for (int line = 0; line < editor.LineCount(); ++line) {
    EXPECT_EQ(editor.LineText(line), lines[line]) << step << ", line " << line;
    EXPECT_EQ(editor.LineStart(line), start) << step << ", line " << line;
    const int end = start + static_cast<int>(lines[line].size());
    EXPECT_EQ(editor.LineFromOffset(start), line) << step << ", line " << line;
    EXPECT_EQ(editor.LineFromOffset(end), line) << step << ", line " << line;
    start = end + 1;
  }
}

struct Edit {
  int start;
  int length;  // the selection the typing replaces
  const char* typed;
};

TEST(MemoryTextEditorTest, LinesFollowEveryEdit) {
  MemoryTextEditor editor("one\ntwo\nthree");
  const Edit edits[] = {
      {13, 0, "\nfour"},     // new line at the end
      {0, 0, "\n"},          // empty first line
      {4, 5, "X"},           // a selection across a line end joins two lines
      {0, 0, "a\nb\n\nc"},   // several line ends at once
      {2, 7, ""},            // deleting across lines
      {0, 100, "only"},      // everything replaced
      {4, 0, "\n\n"},
      {5, 1, ""},            // deleting a line end alone
  };
  ExpectLinesMatchText(editor, "loaded");
  for (const Edit& edit : edits) {
    editor.SetSelection(edit.start, edit.length);
    const int from = editor.Selection().start;
    editor.Type(edit.typed);
    const std::string step = std::string("typing \"") + edit.typed + "\"";
    ExpectLinesMatchText(editor, step);
    EXPECT_EQ(editor.Caret(), from + static_cast<int>(std::string(edit.typed).size())) << step;
  }
  EXPECT_EQ(editor.Text(), "only\n");
}

TEST(MemoryTextEditorTest, LineEndsOfOtherSystemsBecomeLineFeeds) {
  MemoryTextEditor editor("a\r\nb\rc\n\r\n");
  EXPECT_EQ(editor.Text(), "a\nb\nc\n\n");
  editor.SetCaret(editor.Length());
  editor.Type("d\r\ne");
  EXPECT_EQ(editor.Text(), "a\nb\nc\n\nd\ne");
  ExpectLinesMatchText(editor, "after CRLF typing");
}

TEST(MemoryTextEditorTest, PositionsOutOfRangeAreClamped) {
  MemoryTextEditor editor;
  EXPECT_EQ(editor.LineCount(), 1);
  EXPECT_EQ(editor.LineText(0), "");
  editor.SetText("ab\ncd");
  EXPECT_EQ(editor.LineText(-1), "ab");
  EXPECT_EQ(editor.LineText(7), "cd");
  EXPECT_EQ(editor.LineStart(7), 3);
  EXPECT_EQ(editor.LineFromOffset(-4), 0);
  EXPECT_EQ(editor.LineFromOffset(99), 1);
  editor.SetCaret(-1);
  EXPECT_EQ(editor.Caret(), 0);
  editor.SetCaret(INT_MAX);
  EXPECT_EQ(editor.Caret(), 5);
  editor.SetSelection(4, INT_MAX);  // no overflow past the end
  EXPECT_EQ(editor.Selection().start, 4);
  EXPECT_EQ(editor.Selection().length, 1);
  editor.SetSelection(4, -3);  // a selection made backwards
  EXPECT_EQ(editor.Selection().start, 1);
  EXPECT_EQ(editor.Selection().length, 3);
  EXPECT_EQ(editor.Caret(), 1);
  editor.SetColor(-10, INT_MAX, 0x0000FF);
  EXPECT_EQ(editor.ColorAt(0), 0x0000FF);
  EXPECT_EQ(editor.ColorAt(4), 0x0000FF);
  EXPECT_EQ(editor.ColorAt(5), kAutomaticColor);
}

TEST(MemoryTextEditorTest, TypingReplacesTheSelectionAndMarksTheText) {
  MemoryTextEditor editor("2+3");
  EXPECT_FALSE(editor.IsModified());
  editor.SetSelection(0, 1);
  editor.Type("ANS*");
  EXPECT_EQ(editor.Text(), "ANS*+3");
  EXPECT_EQ(editor.Caret(), 4);
  EXPECT_EQ(editor.Selection().length, 0);
  EXPECT_TRUE(editor.IsModified());
  editor.SetText("x");
  EXPECT_FALSE(editor.IsModified());
}

TEST(MemoryTextEditorTest, TypedTextTakesTheColourBeforeItOrTheInsertionColour) {
  constexpr TextColor kBlue = 0xC80000;
  constexpr TextColor kGreen = 0x00C800;
  MemoryTextEditor editor("sin");
  editor.SetColor(0, 3, kBlue);
  EXPECT_FALSE(editor.IsModified());  // colouring is not an edit
  editor.SetCaret(3);
  editor.Type("h");
  EXPECT_EQ(editor.ColorAt(3), kBlue);
  editor.SetColor(4, 0, kGreen);  // at the caret: for what is typed next
  editor.Type("(x");
  EXPECT_EQ(editor.ColorAt(4), kGreen);
  EXPECT_EQ(editor.ColorAt(5), kGreen);
  editor.SetColor(6, 0, kBlue);
  editor.SetCaret(6);  // moving the caret forgets it
  editor.Type(")");
  EXPECT_EQ(editor.ColorAt(6), kGreen);
  editor.SetCaret(0);
  editor.Type("a");  // nothing before the start: automatic
  EXPECT_EQ(editor.ColorAt(0), kAutomaticColor);
}

}  // namespace
}  // namespace orvella::platform
