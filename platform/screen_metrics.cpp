#include "platform/screen_metrics.h"

namespace orvella::platform {
namespace {

ScreenMetrics& Current() {
  static ScreenMetrics metrics;
  return metrics;
}

}  // namespace

const ScreenMetrics& PrimaryScreen() { return Current(); }

void SetPrimaryScreen(const ScreenMetrics& metrics) { Current() = metrics; }

ScopedPrimaryScreen::ScopedPrimaryScreen(const ScreenMetrics& metrics) : saved_(Current()) {
  Current() = metrics;
}

ScopedPrimaryScreen::~ScopedPrimaryScreen() { Current() = saved_; }

}  // namespace orvella::platform
