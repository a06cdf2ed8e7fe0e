// The editor the worksheet types into: lines, caret, selection, typing and character colour.
// The in-memory editor (platform/fake) serves tests and the command line; the GUI adapts its
// rich-text widget to the same interface.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvella::platform {

// 0x00BBGGRR; kAutomaticColor lets the editor use its default text colour.
using TextColor = std::int32_t;
inline constexpr TextColor kAutomaticColor = -1;

struct TextRange {
  int start = 0;
  int length = 0;
};

// Offsets count bytes of the UTF-8 text, the unit the engine's error positions use. Lines
// are separated by '\n' alone: an editor turns "\r\n" and "\r" into '\n' as text comes in.
// An empty document has one empty line. Offsets and lines out of range are clamped, so a
// stale position never faults; ColorAt past the last character is kAutomaticColor.
class TextEditor {
 public:
  virtual ~TextEditor() = default;

  virtual std::string Text() const = 0;
  virtual int Length() const = 0;

  virtual int LineCount() const = 0;
  // The line without its line end.
  virtual std::string LineText(int line) const = 0;
  virtual int LineStart(int line) const = 0;
  virtual int LineFromOffset(int offset) const = 0;

  virtual int Caret() const = 0;
  // Clears the selection.
  virtual void SetCaret(int offset) = 0;
  // The caret goes to the end of the selection, as after a drag from start.
  virtual void SetSelection(int start, int length) = 0;
  // Length 0 when nothing is selected; start is then the caret.
  virtual TextRange Selection() const = 0;

  // As the user would type it: replaces the selection, leaves the caret after the text,
  // '\n' starts a new line, and sets the modified flag.
  virtual void Type(std::string_view text) = 0;

  // Colouring never changes the text or the modified flag. A colour set on an empty range
  // at the caret applies to what is typed next there, the way rich-text editors keep an
  // insertion format; moving the caret other than by typing drops it. Otherwise typed text
  // takes the colour of the character before it.
  virtual void SetColor(int start, int length, TextColor color) = 0;
  virtual TextColor ColorAt(int offset) const = 0;

  virtual bool IsModified() const = 0;
  virtual void SetModified(bool modified) = 0;
};

}  // namespace orvella::platform
