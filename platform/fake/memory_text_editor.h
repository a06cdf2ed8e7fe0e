// The text editor held in memory, for tests and the command line's sheet mode.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_editor.h"

namespace orvella::platform {

class MemoryTextEditor final : public TextEditor {
 public:
  explicit MemoryTextEditor(std::string_view text = {});

  // As after loading a document: caret at the start, automatic colour, not modified.
  void SetText(std::string_view text);

  std::string Text() const override { return text_; }
  int Length() const override { return static_cast<int>(text_.size()); }

  int LineCount() const override { return static_cast<int>(lineStarts_.size()); }
  std::string LineText(int line) const override;
  int LineStart(int line) const override;
  int LineFromOffset(int offset) const override;

  int Caret() const override { return caret_; }
  void SetCaret(int offset) override;
  void SetSelection(int start, int length) override;
  TextRange Selection() const override;

  // Text that would take the document past what int offsets can address is not typed.
  void Type(std::string_view text) override;

  void SetColor(int start, int length, TextColor color) override;
  TextColor ColorAt(int offset) const override;

  bool IsModified() const override { return modified_; }
  void SetModified(bool modified) override { modified_ = modified; }

 private:
  int ClampOffset(int offset) const;
  int ClampLine(int line) const;
  int LineEnd(int line) const;
  TextColor TypingColor(int offset) const;
  void Replace(int start, int end, const std::string& text, TextColor color);
  void UpdateLineStarts(int start, int end, const std::string& text);

  std::string text_;
  std::vector<TextColor> colors_;  // one per byte of text_
  std::vector<int> lineStarts_{0};
  int anchor_ = 0;  // the selection runs between anchor_ and caret_
  int caret_ = 0;
  std::optional<TextColor> insertionColor_;
  bool modified_ = false;
};

}  // namespace orvella::platform
