// The worksheet's rich text: what this program writes comes back exactly, what other editors
// write is read for its text, line ends and colours, and no input can crash or stall it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/memory_text_editor.h"
#include "project/archive/rtf_editor.h"
#include "project/archive/rtf_reader.h"
#include "project/archive/rtf_writer.h"
#include "project/archive/text_encoding.h"

namespace orvella {
namespace {

using platform::kAutomaticColor;

constexpr TextColor kRed = 0x0000FF;
constexpr TextColor kGreen = 0x50B000;  // red 0, green 176, blue 80
constexpr TextColor kBlack = 0x000000;

ColouredRuns Plain(const std::string& text) { return {{text, kAutomaticColor}}; }

// --- This program's own documents ---------------------------------------------------------

TEST(RtfRoundTripTest, TextAndColoursComeBackExactly) {
  const std::vector<ColouredRuns> cases = {
      {},
      Plain("x=1"),
      Plain("\n"),
      Plain("two\nlines\n\n"),
      Plain("back\\slash {braces} \ttab  two spaces "),
      Plain("caf\xC3\xA9 \xE2\x82\xAC 5 \xE4\xB8\xAD \xF0\x9F\x98\x80 \xC2\xA0"),
      Plain("\x01\x1F control bytes, \xC2\x81 an undefined byte of the code page"),
      {{"'comment\n", kGreen}, {"sin(", kAutomaticColor}, {"x", kRed}, {")\n", kBlack}},
      {{"a", kRed}, {"b", kGreen}, {"c", kRed}, {"\xE2\x82\xAC", kBlack}},
      {{"par", kRed}, {"\n", kGreen}, {"1", kRed}},  // text right after a control word
  };
  for (const ColouredRuns& runs : cases) {
    const std::string rtf = WriteRtf(runs);
    const RtfDocument read = ReadRtf(rtf);
    EXPECT_EQ(read.source, RtfSource::kRtf) << rtf;
    EXPECT_TRUE(read.complete) << rtf;
    EXPECT_EQ(read.runs, runs) << rtf;
  }
}

TEST(RtfWriterTest, OutputIsPlainRtfOtherEditorsRead) {
  const std::string rtf = WriteRtf(
      {{"caf\xC3\xA9 \xE2\x82\xAC\n", kAutomaticColor},
       {"\xE4\xB8\xAD\xF0\x9F\x98\x80{}\\", kRed},
       {"end", kAutomaticColor}},
      RtfFont{"Courier New", 12});
  EXPECT_TRUE(rtf.starts_with(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Courier New;}}\n"
      "{\\colortbl ;\\red255\\green0\\blue0;}\n"))
      << rtf;
  for (const char* expected : {"\\fs24 ", "caf\\'e9 \\'80\\par\n", "\\cf1 ",
                               "\\u20013?\\u-10179?\\u-8704?\\{\\}\\\\\\cf0 end\\par\n}"}) {
    EXPECT_NE(rtf.find(expected), std::string::npos) << expected << " in " << rtf;
  }
  // Every byte is 7-bit: code page and Unicode characters are all escaped.
  for (char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << rtf;
}

TEST(RtfWriterTest, FontFaceAndSize) {
  const std::string defaults = WriteRtf(Plain("x"));
  EXPECT_NE(defaults.find("{\\fonttbl{\\f0\\fnil Arial;}}"), std::string::npos) << defaults;
  EXPECT_NE(defaults.find("\\fs28 "), std::string::npos) << defaults;
  // A face cannot end the font table early or break the document's groups.
  const std::string odd = WriteRtf(Plain("x"), RtfFont{"Se;mi\n{B}\\", 0});
  EXPECT_NE(odd.find("{\\fonttbl{\\f0\\fnil Semi\\{B\\}\\\\;}}"), std::string::npos) << odd;
  EXPECT_NE(odd.find("\\fs2 "), std::string::npos) << odd;
  EXPECT_EQ(ReadRtf(odd).Text(), "x");
}

// --- Documents as other editors write them -------------------------------------------------

struct Sample {
  const char* name;
  std::string rtf;
  ColouredRuns expected;
};

// In the style of a rich-edit control: generator group, \viewkind4\uc1\pard, a colour table
// with the automatic colour first, colour changes inside a paragraph, a trailing NUL.
const Sample kRichEditSample = {
    "rich-edit control",
    std::string("{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil"
                "\\fcharset0 Calibri;}}\r\n"
                "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green176\\blue80;}\r\n"
                "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                "\\pard\\sa200\\sl276\\slmult1\\cf1\\f0\\fs22\\lang9 Red\\cf0  plain \\cf2 green"
                "\\cf0\\par\r\n"
                "Caf\\'e9 \\u8364?\\par\r\n"
                "}\r\n") + '\0',
    {{"Red", kRed}, {" plain ", kAutomaticColor}, {"green", kGreen},
     {"\nCaf\xC3\xA9 \xE2\x82\xAC", kAutomaticColor}},
};

// In the style of a word processor: style sheet, document information, revision tables,
// theme data, colours in nested groups, \uc0, \line, a picture with hex data, a field whose
// instruction is hidden and whose result is shown, and negative \u values.
const Sample kWordProcessorSample = {
    "word processor",
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff31507\\deff0\\stshfdbch31505"
    "{\\fonttbl{\\f0\\fbidi \\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}"
    "Times New Roman;}{\\f1\\fnil Symbol;}}\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\ctint255\\cshade255\\red255"
    "\\green0\\blue0;}\n"
    "{\\*\\defchp \\fs22\\loch\\af31506}{\\stylesheet{\\ql \\li0\\ri0 Normal;}"
    "{\\*\\cs10 \\additive Default Paragraph Font;}}\n"
    "{\\*\\rsidtbl \\rsid1\\rsid2}{\\info{\\title A title}{\\author Someone}"
    "{\\creatim\\yr2020\\mo1\\dy2}}\n"
    "{\\*\\themedata 504b030414000600}\\paperw12240\\paperh15840\n"
    "\\pard\\plain \\ltrpar\\ql \\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\f0\\fs24\\lang1033 "
    "{\\rtlch\\fcs1 \\af0 \\ltrch\\fcs0 \\cf3\\insrsid1 Red {\\b bold {\\i and italic}} }"
    "{\\uc0\\u20013 \\u-3913 }{\\line }after a line break"
    "{\\*\\bkmkstart mark}{\\*\\bkmkend mark}\\par "
    "{\\pict{\\*\\picprop\\shplid1025}\\pngblip\\picw10\\pich10 89504e470d0a1a0a0000}"
    "{\\field{\\*\\fldinst { HYPERLINK \"http://x\" }}{\\fldrslt {\\cf2 link}}}\\par "
    "\\pard \\ql {\\footer footer text\\par }\\u8364\\'80 and \\uc2\\u8364 EU\\par }",
    {{"Red bold and italic ", kRed},
     {"\xE4\xB8\xAD\xEF\x82\xB7\nafter a line break\n", kAutomaticColor},
     {"link", 0xFF0000},
     {"\n\xE2\x82\xAC and \xE2\x82\xAC", kAutomaticColor}},
};

// In the style of a text editor of another system: a font table without inner groups,
// colour entry 0 empty, backslash-newline as the paragraph mark, no final paragraph mark.
const Sample kTextEditorSample = {
    "text editor",
    "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2639\n"
    "\\cocoatextscaling0\\cocoaplatform0{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;}\n"
    "{\\colortbl;\\red255\\green255\\blue255;\\red251\\green0\\blue7;}\n"
    "{\\*\\expandedcolortbl;;\\csgenericrgb\\c100000\\c0\\c0;}\n"
    "\\pard\\tx560\\tx1120\\pardirnatural\\partightenfactor0\n\n"
    "\\f0\\fs24 \\cf0 Line one\\\n"
    "Line \\cf2 two\\\n"
    "\\cf0 \\'a3 3}",
    {{"Line one\nLine ", kAutomaticColor}, {"two\n", 0x0700FB},
     {"\xC2\xA3 3", kAutomaticColor}},
};

TEST(RtfReaderTest, SamplesOfOtherEditors) {
  for (const Sample* sample : {&kRichEditSample, &kWordProcessorSample, &kTextEditorSample}) {
    const RtfDocument read = ReadRtf(sample->rtf);
    EXPECT_EQ(read.source, RtfSource::kRtf) << sample->name;
    EXPECT_TRUE(read.complete) << sample->name;
    EXPECT_EQ(read.runs, sample->expected) << sample->name << ": " << read.Text();
  }
}

TEST(RtfReaderTest, ControlSymbolsAndCharacterWords) {
  struct Case {
    const char* body;  // inside "{\rtf1 ...}"
    const char* text;
  };
  const Case cases[] = {
      {"a\\\\b\\{c\\}", "a\\b{c}"},
      {"non\\~breaking, opt\\-ional, non\\_breaking", "non\xC2\xA0" "breaking, optional, non"
                                                      "\xE2\x80\x91" "breaking"},
      {"a\\tab b\\line c\\par d", "a\tb\nc\nd"},
      {"\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote",
       "\xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D"},
      {"\\'E9\\'e9\\'80\\'9f\\'81", "\xC3\xA9\xC3\xA9\xE2\x82\xAC\xC5\xB8\xC2\x81"},
      {"\\ansicpg1251\\'e9", "\xC3\xA9"},                 // other code pages read as 1252
      {"\\'zz\\'4", "zz4"},                            // a broken \' is dropped
      {"\\u233\\'e9 x", "\xC3\xA9 x"},                 // default \uc1: one fallback
      {"\\uc0\\u233 x\\uc3\\u233 abcd", "\xC3\xA9x\xC3\xA9" "d"},
      {"{\\uc2\\u233 a}b", "\xC3\xA9" "b"},            // a group's end ends the fallback
      {"\\u-10179?\\u-8704?", "\xF0\x9F\x98\x80"},     // a surrogate pair
      {"\\u-10179?x\\u-8704?", "\xEF\xBF\xBDx\xEF\xBF\xBD"},  // halves alone
      {"\\u99999?\\u-99999?", "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"\\unknownword12 \\unknown-3 x\\*\\y z", "xz"},  // \* at the top hides nothing
      {"{\\*\\unknown hidden {nested}}shown", "shown"},
      {"a\\par\\par }", "a\n"},                        // only the final mark is dropped
      {"a\\line }", "a\n"},
      {"a\\par{\\*\\x}}", "a"},                       // hidden text does not end the text
      {"a\r\nb\tc\x01", "ab\tc"},                       // line ends of the file are layout
      {"\\'00\\'0d\\u0?\\u13?x", "x"},                  // no NUL or CR in the text
  };
  for (const Case& c : cases) {
    const std::string rtf = std::string("{\\rtf1 ") + c.body + "}";
    EXPECT_EQ(ReadRtf(rtf).Text(), c.text) << c.body;
  }
}

TEST(RtfReaderTest, ColoursFollowGroupsAndTheTable) {
  const std::string rtf =
      "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;;}"
      "a{\\cf1 b{\\cf2 c}d}e\\cf1 f\\plain g\\cf3 h\\cf9 i\\cf-1 j\\cf1 k\\cf l}";
  const ColouredRuns expected = {{"a", kAutomaticColor}, {"b", kRed},       {"c", kBlack},
                                 {"d", kRed},            {"e", kAutomaticColor},
                                 {"f", kRed},            {"ghij", kAutomaticColor},
                                 {"k", kRed},            {"l", kAutomaticColor}};
  EXPECT_EQ(ReadRtf(rtf).runs, expected);
}

TEST(RtfReaderTest, BinaryDataIsSteppedOver) {
  // The four raw bytes look like braces and would end the document if they were read.
  EXPECT_EQ(ReadRtf("{\\rtf1 a{\\bin4 }{}{}b}").Text(), "ab");
  EXPECT_EQ(ReadRtf("{\\rtf1 a{\\bin-5 b}c}").Text(), "abc");
  const RtfDocument huge = ReadRtf("{\\rtf1 a{\\bin999999999 xyz}b}");
  EXPECT_EQ(huge.Text(), "a");
  EXPECT_FALSE(huge.complete);
}

TEST(RtfReaderTest, TheDocumentEndsWithItsOutermostGroup) {
  const RtfDocument extra = ReadRtf("{\\rtf1 a}b}{\\rtf1 c}");
  EXPECT_EQ(extra.Text(), "a");
  EXPECT_TRUE(extra.complete);
  const RtfDocument open = ReadRtf("{\\rtf1 {\\cf1 a");
  EXPECT_EQ(open.Text(), "a");
  EXPECT_FALSE(open.complete);
  EXPECT_EQ(ReadRtf(" \r\n{\\rtf1 lead}").source, RtfSource::kRtf);
}

// --- Not RTF ---------------------------------------------------------------------------------

TEST(RtfReaderTest, OtherBytesAreReadAsPlainText) {
  struct Case {
    std::string bytes;
    std::string text;
  };
  const Case cases[] = {
      {"x=1\r\ny=2\rz\n", "x=1\ny=2\nz\n"},
      {"\xEF\xBB\xBF" "caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 \xE2\x82\xAC"},
      {"caf\xE9 \x80", "caf\xC3\xA9 \xE2\x82\xAC"},  // not UTF-8: Windows-1252
      {std::string("a\0b", 3), "ab"},
      {"{\\rt", "{\\rt"},
      {"x {\\rtf1 y}", "x {\\rtf1 y}"},
      {"", ""},
  };
  for (const Case& c : cases) {
    const RtfDocument read = ReadRtf(c.bytes);
    EXPECT_EQ(read.source, RtfSource::kPlainText) << c.bytes;
    EXPECT_EQ(read.Text(), c.text) << c.bytes;
    for (const ColouredRun& run : read.runs) EXPECT_EQ(run.colour, kAutomaticColor);
  }
}

// --- Hostile input ---------------------------------------------------------------------------

TEST(RtfHostileInputTest, EveryTruncationReadsAsAnIncompleteDocument) {
  const std::string& full = kWordProcessorSample.rtf;
  for (std::size_t length = 5; length < full.size(); ++length) {
    const RtfDocument read = ReadRtf(std::string_view(full).substr(0, length));
    ASSERT_FALSE(read.complete) << length;
    const std::string text = read.Text();
    ASSERT_TRUE(IsValidUtf8(text)) << length;
    ASSERT_LE(text.size(), 3 * length) << length;
  }
}

TEST(RtfHostileInputTest, DeepNestingIsCappedAndTheStateComesBack) {
  constexpr int kDepth = 100000;
  const std::string rtf = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 " +
                          std::string(kDepth, '{') + "\\cf0 deep" + std::string(kDepth, '}') +
                          "red" + std::string(998, '{') + "kept" + std::string(998, '}') + "}";
  const RtfDocument read = ReadRtf(rtf);
  EXPECT_TRUE(read.complete);
  EXPECT_EQ(read.runs, (ColouredRuns{{"redkept", kRed}}));

  const RtfDocument unclosed = ReadRtf("{\\rtf1 " + std::string(kDepth, '{') + "x");
  EXPECT_FALSE(unclosed.complete);
  EXPECT_EQ(unclosed.Text(), "");
}

TEST(RtfHostileInputTest, AMegabyteOfText) {
  std::string line = std::string(99, 'x') + '\n';
  std::string text;
  while (text.size() < 1'000'000) text += line;
  const ColouredRuns runs = {{text, kRed}, {"\xE4\xB8\xAD", kAutomaticColor}};
  EXPECT_EQ(ReadRtf(WriteRtf(runs)).runs, runs);
  EXPECT_EQ(ReadRtf(text).Text(), text);
}

// --- The editor ------------------------------------------------------------------------------

TEST(RtfEditorTest, LoadingReplacesTextAndColoursAndLeavesTheEditorUnmodified) {
  platform::MemoryTextEditor editor("old text");
  editor.SetColor(0, 3, kGreen);
  editor.SetCaret(8);
  editor.Type(" typed");
  LoadRtfInto(editor, kRichEditSample.rtf);

  EXPECT_EQ(editor.Text(), "Red plain green\nCaf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_FALSE(editor.IsModified());
  EXPECT_EQ(editor.Caret(), 0);
  EXPECT_EQ(editor.Selection().length, 0);
  const std::vector<std::pair<int, TextColor>> colours = {
      {0, kRed}, {2, kRed}, {3, kAutomaticColor}, {10, kGreen}, {14, kGreen},
      {15, kAutomaticColor}, {editor.Length() - 1, kAutomaticColor}};
  for (const auto& [offset, colour] : colours) {
    EXPECT_EQ(editor.ColorAt(offset), colour) << offset;
  }
  // Plain text loads too, all in the automatic colour.
  LoadRtfInto(editor, "a\r\nb");
  EXPECT_EQ(editor.Text(), "a\nb");
  EXPECT_EQ(editor.ColorAt(0), kAutomaticColor);
}

TEST(RtfEditorTest, WritingTheEditorKeepsCharactersWhole) {
  platform::MemoryTextEditor editor("x\xC3\xA9y\n\xF0\x9F\x98\x80");
  editor.SetColor(0, 2, kRed);  // 'x' and the first byte of the 'é'
  editor.SetColor(6, 1, kGreen);  // the emoji's second byte alone
  const ColouredRuns expected = {{"x\xC3\xA9", kRed}, {"y\n\xF0\x9F\x98\x80", kAutomaticColor}};
  EXPECT_EQ(WriteRtf(editor, RtfFont{"Times", 10}), WriteRtf(expected, RtfFont{"Times", 10}));

  platform::MemoryTextEditor copy;
  LoadRtfInto(copy, WriteRtf(editor));
  EXPECT_EQ(copy.Text(), editor.Text());
  EXPECT_EQ(copy.ColorAt(2), kRed);
  EXPECT_EQ(copy.ColorAt(6), kAutomaticColor);
}

}  // namespace
}  // namespace orvella
