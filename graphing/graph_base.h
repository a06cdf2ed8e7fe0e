// The common base of every drawable record: 2-D graphs, 3-D surfaces, plot labels and the
// line-style records of the axes. It holds the appearance the user chooses and the flags
// that tell the views and the file writer what changed.
#pragma once

#include <cstdint>
#include <string>

namespace orvella {

class DrawDevice;

// Pen styles; kAutomatic asks the plot to choose when the graph is added.
inline constexpr std::int32_t kPenSolid = 0;
inline constexpr std::int32_t kPenDash = 1;
inline constexpr std::int32_t kPenDot = 2;
inline constexpr std::int32_t kPenDashDot = 3;
inline constexpr std::int32_t kPenDashDotDot = 4;
// Style, colour or width chosen by the plot.
inline constexpr std::int32_t kAutomatic = -1;

// Colours are 0x00BBGGRR.
inline constexpr std::int32_t kColourBlack = 0x000000;
inline constexpr std::int32_t kColourWhite = 0xffffff;
inline constexpr std::int32_t kColourBlue = 0xff0000;

// The stored record types, answered by ItemType(); never branched on.
inline constexpr std::int32_t kRecordGraphBase = 0;
inline constexpr std::int32_t kRecordGraph2D = 1;
inline constexpr std::int32_t kRecordPlotLabel = 2;
inline constexpr std::int32_t kRecordSurface3D = 3;
inline constexpr std::int32_t kRecordGraph3D = 4;

class CGraphBase {
 public:
  CGraphBase() = default;
  CGraphBase(const CGraphBase&) = default;
  CGraphBase& operator=(const CGraphBase&) = default;
  virtual ~CGraphBase();

  virtual std::int32_t ItemType() const { return kRecordGraphBase; }
  // Draws the record; the base draws nothing and succeeds.
  virtual bool Draw(DrawDevice& /*device*/) { return true; }

  // Change only when the value differs; then modified and appearanceChanged are set.
  void SetStyle(std::int32_t style);
  void SetColour(std::int32_t colour);
  void SetWidth(std::int32_t width);
  void SetFillColour(std::int32_t colour);
  void SetVisible(bool visible) { visible_ = visible ? 1 : 0; }

  // The look of `other`: pen, fill colour and visibility (not its name or editable flag).
  void CopyAppearance(const CGraphBase& other);

  std::int32_t Style() const { return style_; }
  std::int32_t Colour() const { return colour_; }
  std::int32_t Width() const { return width_; }
  std::int32_t FillColour() const { return fillColour_; }
  bool IsVisible() const { return visible_ != 0; }

  const std::string& Name() const { return name_; }
  void SetName(std::string name);

  bool IsModified() const { return modified_ != 0; }
  void SetModified(bool modified) { modified_ = modified ? 1 : 0; }
  bool AppearanceChanged() const { return appearanceChanged_; }
  void ClearAppearanceChanged() { appearanceChanged_ = false; }
  bool IsEditable() const { return editable_ != 0; }
  void SetEditable(bool editable) { editable_ = editable ? 1 : 0; }

  // Stored and loaded as they are; nothing else reads it.
  std::int32_t reserved = 0;

 protected:
  // For setters of derived records that change the look.
  void MarkAppearanceChanged();

 private:
  std::string name_;
  std::int32_t style_ = kPenSolid;
  std::int32_t colour_ = kColourBlack;
  std::int32_t width_ = 1;
  std::int32_t fillColour_ = kColourBlue;
  std::int32_t visible_ = 1;
  std::int32_t modified_ = 0;
  bool appearanceChanged_ = false;
  std::int32_t editable_ = 1;
};

}  // namespace orvella
