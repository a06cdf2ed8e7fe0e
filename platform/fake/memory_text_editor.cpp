#include "platform/fake/memory_text_editor.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace orvella::platform {
namespace {

// Offsets are int: the interface's unit, and what the engine's error positions use.
constexpr std::size_t kMaxLength = INT_MAX;

std::string NormalizeLineEnds(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      result += text[i];
      continue;
    }
    result += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return result;
}

int ClampTo(std::int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

}  // namespace

MemoryTextEditor::MemoryTextEditor(std::string_view text) { SetText(text); }

void MemoryTextEditor::SetText(std::string_view text) {
  text_ = NormalizeLineEnds(text.substr(0, std::min(text.size(), kMaxLength)));
  colors_.assign(text_.size(), kAutomaticColor);
  lineStarts_.assign(1, 0);
  UpdateLineStarts(0, 0, text_);
  anchor_ = caret_ = 0;
  insertionColor_.reset();
  modified_ = false;
}

int MemoryTextEditor::ClampOffset(int offset) const { return std::clamp(offset, 0, Length()); }

int MemoryTextEditor::ClampLine(int line) const { return std::clamp(line, 0, LineCount() - 1); }

int MemoryTextEditor::LineStart(int line) const { return lineStarts_[ClampLine(line)]; }

int MemoryTextEditor::LineEnd(int line) const {
  const int clamped = ClampLine(line);
  return clamped + 1 < LineCount() ? lineStarts_[clamped + 1] - 1 : Length();
}

std::string MemoryTextEditor::LineText(int line) const {
  const int start = LineStart(line);
  return text_.substr(start, LineEnd(line) - start);
}

int MemoryTextEditor::LineFromOffset(int offset) const {
  auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), ClampOffset(offset));
  return static_cast<int>(after - lineStarts_.begin()) - 1;
}

void MemoryTextEditor::SetCaret(int offset) {
  anchor_ = caret_ = ClampOffset(offset);
  insertionColor_.reset();
}

void MemoryTextEditor::SetSelection(int start, int length) {
  anchor_ = ClampOffset(start);
  caret_ = ClampTo(static_cast<std::int64_t>(anchor_) + length, 0, Length());
  insertionColor_.reset();
}

TextRange MemoryTextEditor::Selection() const {
  return {std::min(anchor_, caret_), std::abs(caret_ - anchor_)};
}

void MemoryTextEditor::Type(std::string_view text) {
  const std::string typed = NormalizeLineEnds(text);
  const TextRange selection = Selection();
  if (text_.size() - selection.length + typed.size() > kMaxLength) return;
  Replace(selection.start, selection.start + selection.length, typed,
          TypingColor(selection.start));
  anchor_ = caret_ = selection.start + static_cast<int>(typed.size());
  modified_ = true;
}

TextColor MemoryTextEditor::TypingColor(int offset) const {
  if (insertionColor_) return *insertionColor_;
  return offset > 0 ? colors_[offset - 1] : kAutomaticColor;
}

void MemoryTextEditor::Replace(int start, int end, const std::string& text, TextColor color) {
  text_.replace(start, end - start, text);
  colors_.erase(colors_.begin() + start, colors_.begin() + end);
  colors_.insert(colors_.begin() + start, text.size(), color);
  UpdateLineStarts(start, end, text);
}

// The line starts inside the replaced range go, those after it move by the change in
// length, and every '\n' of the new text begins a line: edits near the end of a long
// document stay cheap, which the sheet mode relies on.
void MemoryTextEditor::UpdateLineStarts(int start, int end, const std::string& text) {
  auto first = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), start);
  auto last = std::upper_bound(first, lineStarts_.end(), end);
  const int delta = static_cast<int>(text.size()) - (end - start);
  for (auto it = last; it != lineStarts_.end(); ++it) *it += delta;
  std::vector<int> added;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') added.push_back(start + static_cast<int>(i) + 1);
  }
  auto position = lineStarts_.erase(first, last);
  lineStarts_.insert(position, added.begin(), added.end());
}

void MemoryTextEditor::SetColor(int start, int length, TextColor color) {
  if (length <= 0) {
    if (ClampOffset(start) == caret_) insertionColor_ = color;
    return;
  }
  const int from = ClampOffset(start);
  const int to = ClampTo(static_cast<std::int64_t>(from) + length, 0, Length());
  std::fill(colors_.begin() + from, colors_.begin() + to, color);
}

TextColor MemoryTextEditor::ColorAt(int offset) const {
  if (offset < 0 || offset >= Length()) return kAutomaticColor;
  return colors_[offset];
}

}  // namespace orvella::platform
