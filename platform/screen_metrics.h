// The two facts about the primary screen that the core needs: its height in pixels (the
// data-view pane sizes and the 3-D mesh size follow it) and its vertical resolution in
// dots per inch (font heights are given in points). The desktop program installs the real
// values at start-up; until then, and in tests, a common 1024 x 768 screen at 96 dpi is
// assumed, so results never depend on the machine that runs the tests.
#pragma once

#include <cstdint>

namespace orvella::platform {

struct ScreenMetrics {
  std::int32_t height = 768;
  std::int32_t verticalDpi = 96;
};

const ScreenMetrics& PrimaryScreen();
void SetPrimaryScreen(const ScreenMetrics& metrics);

// Keeps the metrics in force for a scope; tests use it to fix a screen and restore it.
class ScopedPrimaryScreen {
 public:
  explicit ScopedPrimaryScreen(const ScreenMetrics& metrics);
  ~ScopedPrimaryScreen();
  ScopedPrimaryScreen(const ScopedPrimaryScreen&) = delete;
  ScopedPrimaryScreen& operator=(const ScopedPrimaryScreen&) = delete;

 private:
  ScreenMetrics saved_;
};

}  // namespace orvella::platform
