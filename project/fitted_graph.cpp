#include "project/fitted_graph.h"

#include <algorithm>
#include <vector>

namespace orvella {

std::unique_ptr<CGraph2D> MakeFittedGraph(CMyDocument& document, const CDataTable& table,
                                          const std::string& expression,
                                          std::unique_ptr<CResultReport> report) {
  auto graph = std::make_unique<CGraph2D>();
  graph->CopyFrom(document.DataGraphTemplate());
  double domainMin = graph->DomainMin();
  double domainMax = graph->DomainMax();
  if (table.ColumnCount() > 0 && table.Column(0).Count() > 0) {
    const std::vector<double>& x = table.Column(0).Slots();
    const auto [lowest, highest] = std::minmax_element(x.begin() + 1, x.end());
    domainMin = *lowest;
    domainMax = *highest;
  }
  graph->SetName(report->resultText);
  graph->Set(expression, "", GraphType2D::kRectangular, domainMin, domainMax);
  graph->AttachTable(&table);
  // The curve belongs to the fit; editing it would leave the report behind.
  graph->SetEditable(false);
  graph->SetResults(std::move(report));
  return graph;
}

}  // namespace orvella
