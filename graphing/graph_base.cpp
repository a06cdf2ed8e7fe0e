#include "graphing/graph_base.h"

#include <utility>

namespace orvella {

// Out of line so that the virtual table is emitted in this one object file.
CGraphBase::~CGraphBase() = default;

namespace {

// The one rule of every appearance setter: an unchanged value changes nothing.
bool Change(std::int32_t& field, std::int32_t value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void CGraphBase::MarkAppearanceChanged() {
  modified_ = 1;
  appearanceChanged_ = true;
}

void CGraphBase::SetStyle(std::int32_t style) {
  if (Change(style_, style)) MarkAppearanceChanged();
}

void CGraphBase::SetColour(std::int32_t colour) {
  if (Change(colour_, colour)) MarkAppearanceChanged();
}

void CGraphBase::SetWidth(std::int32_t width) {
  if (Change(width_, width)) MarkAppearanceChanged();
}

void CGraphBase::SetFillColour(std::int32_t colour) {
  if (Change(fillColour_, colour)) MarkAppearanceChanged();
}

void CGraphBase::SetName(std::string name) {
  if (name_ == name) return;
  name_ = std::move(name);
  modified_ = 1;
}

void CGraphBase::CopyAppearance(const CGraphBase& other) {
  style_ = other.style_;
  colour_ = other.colour_;
  width_ = other.width_;
  fillColour_ = other.fillColour_;
  visible_ = other.visible_;
}

}  // namespace orvella
