// The data graph a fit adds: the fitted curve over the table's x range, drawn with the
// data-graph template's look, linked to the table and carrying the fit's report.
#pragma once

#include <memory>
#include <string>

#include "analysis/data_table.h"
#include "graphing/graph2d.h"
#include "project/my_document.h"
#include "worksheet/result_report.h"

namespace orvella {

// Named after the report's result text. A table without x values gets the template's
// domain.
std::unique_ptr<CGraph2D> MakeFittedGraph(CMyDocument& document, const CDataTable& table,
                                          const std::string& expression,
                                          std::unique_ptr<CResultReport> report);

}  // namespace orvella
