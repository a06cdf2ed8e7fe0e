#include "graphing/plot3d.h"

#include <utility>

#include "engine/text_util.h"

namespace orvella {

CPlot3D::CPlot3D() { axisLabel.textColour = kColourBlack; }

CPlot3D::~CPlot3D() = default;

int CPlot3D::FindGraph(std::string_view label) const {
  for (int i = 0; i < GraphCount(); ++i) {
    if (EqualsNoCase(Graph(i).Label(), label)) return i;
  }
  return -1;
}

int CPlot3D::AddOrReplace(std::unique_ptr<CGraph3D> graph) {
  if (!graph) return -1;
  graph->SetPlot(this);
  const int found = FindGraph(graph->Label());
  if (found >= 0) {
    graphs_[static_cast<std::size_t>(found)] = std::move(graph);
    return found;
  }
  graphs_.push_back(std::move(graph));
  return GraphCount() - 1;
}

CGraph3D* CPlot3D::CurrentGraph() {
  if (graphs_.empty()) return nullptr;
  return &Graph(ValidIndex(current_) ? current_ : 0);
}

const CGraph3D* CPlot3D::CurrentGraph() const {
  return const_cast<CPlot3D*>(this)->CurrentGraph();
}

std::unique_ptr<CGraph3D> CPlot3D::TakeGraph(int index) {
  if (!ValidIndex(index)) return nullptr;
  auto at = graphs_.begin() + index;
  std::unique_ptr<CGraph3D> taken = std::move(*at);
  graphs_.erase(at);
  taken->SetPlot(nullptr);
  if (current_ == index) {
    current_ = -1;
  } else if (current_ > index) {
    --current_;
  }
  return taken;
}

void CPlot3D::DeleteGraphs() {
  graphs_.clear();
  current_ = -1;
}

void CPlot3D::CopySettings(const CPlot3D& from) {
  ambientLight = from.ambientLight;
  axisLabel = from.axisLabel;
  axisType = from.axisType;
  backColour = from.backColour;
  boxed = from.boxed;
  showAxisLabels = from.showAxisLabels;
  showTickLabels = from.showTickLabels;
  showTicks = from.showTicks;
  deltaMu = from.deltaMu;
  deltaPhi = from.deltaPhi;
  deltaTheta = from.deltaTheta;
  views = from.views;
  viewportSize = from.viewportSize;
}

}  // namespace orvella
