#include "graphing/plot2d.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "engine/text_util.h"

namespace orvella {
namespace {

constexpr int kRandomLimit = 32767;

// Puts an axis's bounds in order. Equal bounds open downward by one, or by a millionth of
// their size where 1 is lost in the magnitude, so that the span is never zero.
void OrderBounds(double& lo, double& hi) {
  if (lo > hi) std::swap(lo, hi);
  if (lo < hi) return;
  lo = hi - 1.0;
  if (lo < hi) return;
  // Shrink toward zero so the new bound cannot overflow.
  if (hi > 0) {
    lo = hi * (1.0 - 1e-6);
  } else {
    hi = lo * (1.0 - 1e-6);
  }
}

double PixelsPerUnit(std::int32_t pixels, double lo, double hi) {
  const double span = hi - lo;
  if (pixels <= 0 || !(span > 0.0) || !std::isfinite(span)) return 0.0;
  return pixels / span;
}

// A value on two significant digits, rounded toward -infinity (down) or +infinity (up).
double RoundTwoDigits(double value, bool up) {
  if (value == 0.0 || !std::isfinite(value)) return value;
  int exponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
  double scale = std::pow(10.0, exponent);
  double mantissa = value / scale;
  // log10 may land one decade off near powers of ten.
  if (std::abs(mantissa) >= 10.0) {
    scale *= 10.0;
    mantissa /= 10.0;
  } else if (std::abs(mantissa) < 1.0) {
    scale /= 10.0;
    mantissa *= 10.0;
  }
  double tenths = mantissa * 10.0;
  // A value already on two digits must not move a step because of rounding noise.
  const double nearest = std::round(tenths);
  if (std::abs(tenths - nearest) < 1e-9) tenths = nearest;
  const double rounded = (up ? std::ceil(tenths) : std::floor(tenths)) / 10.0 * scale;
  return std::isfinite(rounded) ? rounded : value;
}

}  // namespace

CPlot2D::CPlot2D() = default;
CPlot2D::~CPlot2D() = default;

int CPlot2D::FindGraph(std::string_view label) const {
  if (label.empty()) return -1;
  for (int i = 0; i < GraphCount(); ++i) {
    if (EqualsNoCase(graphs_[i]->Label(), label)) return i;
  }
  return -1;
}

int CPlot2D::AddOrReplace(std::unique_ptr<CGraph2D> graph) {
  if (!graph) return -1;
  const int found = FindGraph(graph->Label());
  graph->SetPlot(this);
  ApplyAutomaticAppearance(*graph);
  if (found >= 0) {
    graphs_[found] = std::move(graph);
    return found;
  }
  graphs_.push_back(std::move(graph));
  return GraphCount() - 1;
}

int CPlot2D::NextRandom() const {
  const int r = random_ ? random_() : (std::rand() & kRandomLimit);
  return std::clamp(r, 0, kRandomLimit);
}

bool CPlot2D::ColourInUse(std::int32_t colour, const CGraph2D& except) const {
  return std::any_of(graphs_.begin(), graphs_.end(), [&](const auto& other) {
    return other.get() != &except && other->Colour() == colour;
  });
}

void CPlot2D::ApplyAutomaticAppearance(CGraph2D& graph) const {
  if (graph.Colour() == kAutomatic) {
    const auto free = std::find_if(std::begin(kGraphPalette), std::end(kGraphPalette),
                                   [&](std::int32_t colour) { return !ColourInUse(colour, graph); });
    if (free != std::end(kGraphPalette)) {
      graph.SetColour(*free);
    } else {
      // Spreads 0..32767 over the seven entries; only the top value reaches black.
      graph.SetColour(kGraphPalette[NextRandom() * 6 / kRandomLimit]);
    }
  }
  if (graph.Style() == kAutomatic) {
    // A shared colour is told apart by its dots.
    graph.SetStyle(ColourInUse(graph.Colour(), graph) ? kPenDot : kPenSolid);
  }
  if (graph.Width() == kAutomatic) graph.SetWidth(1);
}

std::unique_ptr<CGraph2D> CPlot2D::TakeGraph(int index) {
  if (index < 0 || index >= GraphCount()) return nullptr;
  std::unique_ptr<CGraph2D> graph = std::move(graphs_[index]);
  graphs_.erase(graphs_.begin() + index);
  graph->SetPlot(nullptr);
  return graph;
}

void CPlot2D::DeleteGraph(int index) { TakeGraph(index); }

void CPlot2D::DeleteGraphs() { graphs_.clear(); }

void CPlot2D::CopySettings(const CPlot2D& other) {
  axes = other.axes;
  backColour = other.backColour;
  border = other.border;
  steps = other.steps;
  zoomFactor = other.zoomFactor;
  fitMargin = other.fitMargin;
  viewportPercent = other.viewportPercent;
  range = other.range;
  RecomputeScale();
  MarkAllNeedRemap();
}

void CPlot2D::RecomputeScale() {
  layout.xScale = PixelsPerUnit(layout.plot.Width(), range.xMin, range.xMax);
  layout.yScale = PixelsPerUnit(layout.plot.Height(), range.yMin, range.yMax);
}

void CPlot2D::MarkAllNeedRemap() {
  for (const auto& graph : graphs_) graph->MarkNeedRemap();
}

void CPlot2D::SetRange(double xMin, double xMax, double yMin, double yMax) {
  for (double bound : {xMin, xMax, yMin, yMax}) {
    if (!std::isfinite(bound)) return;
  }
  OrderBounds(xMin, xMax);
  OrderBounds(yMin, yMax);
  range = {xMin, xMax, yMin, yMax};
  RecomputeScale();
  for (const auto& graph : graphs_) {
    if (graph->Type() == GraphType2D::kRectangular) graph->SetDomain(xMin, xMax);
  }
  MarkAllNeedRemap();
}

void CPlot2D::FitToData() {
  std::optional<WorldRect> data;
  for (const auto& graph : graphs_) {
    // Only a linked table gives bounds worth fitting to; a graph's own are stale or unset.
    if (!graph->IsVisible() || graph->DataTable() == nullptr) continue;
    const DataBounds& b = graph->dataBounds;
    if (!data) {
      data = WorldRect{b.xMin, b.xMax, b.yMin, b.yMax};
      continue;
    }
    data->xMin = std::min(data->xMin, b.xMin);
    data->xMax = std::max(data->xMax, b.xMax);
    data->yMin = std::min(data->yMin, b.yMin);
    data->yMax = std::max(data->yMax, b.yMax);
  }
  if (!data) return;
  const double margin = (data->yMax - data->yMin) * fitMargin;
  SetRange(data->xMin, data->xMax, RoundTwoDigits(data->yMin - margin, false),
           RoundTwoDigits(data->yMax + margin, true));
}

}  // namespace orvella
