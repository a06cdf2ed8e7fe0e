#include "cli/project_session.h"

#include <iterator>
#include <sstream>

#include "engine/text_util.h"
#include "project/project_file.h"

namespace orvella::cli {
namespace {

constexpr const char* kIndent = "  ";

const char* LayoutName(TableLayout layout) {
  switch (layout) {
    case TableLayout::kX: return "X";
    case TableLayout::kXY: return "XY";
    case TableLayout::kXYError: return "XY with errors";
    case TableLayout::kFixed: return "fixed";
    case TableLayout::kIndependent: return "independent columns";
  }
  return "unknown";
}

template <typename Items, typename Describe>
void ListItems(std::ostream& out, const char* heading, const Items& items, Describe describe) {
  out << heading << ": " << std::distance(items.begin(), items.end()) << "\n";
  for (const auto& item : items) {
    out << kIndent;
    describe(out, *item);
    out << "\n";
  }
}

std::string Counted(std::size_t count, const char* singular, const char* plural) {
  return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

}  // namespace

ProjectSession::ProjectSession(CSymbolStore& symbols) : document_(settings_, symbols) {
  document_.ConnectWorksheet(&worksheet_);
  document_.OnNewDocument();
}

std::string ProjectSession::Open(const std::filesystem::path& file) {
  return OpenProject(document_, file).message;
}

std::string ProjectSession::Save(const std::filesystem::path& file) {
  return SaveProject(document_, file);
}

std::string ProjectSession::Info() {
  CMyDocument& document = document_;
  std::ostringstream out;
  out << "Project: " << document.PathName() << "\n";
  ListItems(out, "Data tables", document.Tables(), [](std::ostream& line, const CDataTable& table) {
    line << table.Name() << " (" << LayoutName(table.Layout()) << ", "
         << Counted(table.ColumnCount(), "column", "columns") << ", "
         << Counted(table.RowCount(), "row", "rows") << ")";
  });
  ListItems(out, "Lists", document.Lists(), [](std::ostream& line, const CDataList& list) {
    line << list.Name() << " (" << Counted(list.Count(), "value", "values") << ")";
  });
  ListItems(out, "Matrices", document.Matrices(), [](std::ostream& line, const CDataMatrix& matrix) {
    line << matrix.Name() << " (" << matrix.Rows() << " x " << matrix.Columns() << ")";
  });
  ListItems(out, "2-D graphs", document.FunctionPlot().Graphs(),
            [](std::ostream& line, const CGraph2D& graph) { line << graph.Label(); });
  ListItems(out, "Data graphs", document.DataPlot().Graphs(),
            [](std::ostream& line, const CGraph2D& graph) {
              line << graph.Label();
              if (graph.DataTable() != nullptr) line << " (table " << graph.DataTable()->Name() << ")";
            });
  ListItems(out, "3-D graphs", document.Plot3D().Graphs(),
            [](std::ostream& line, const CGraph3D& graph) { line << graph.Label(); });
  const CCalcEngine& engine = document.Engine();
  out << "Variables: " << engine.Variables().size() << "\n";
  for (const ValueVariable& variable : engine.Variables()) {
    out << kIndent << variable.name << " = " << PrintGeneral(variable.value, 15) << "\n";
  }
  out << "Expression variables: " << engine.ExpressionVariables().size() << "\n";
  for (const ExpressionVariable& variable : engine.ExpressionVariables()) {
    out << kIndent << variable.name << " = " << variable.formula << "\n";
  }
  out << "Worksheet: " << Counted(worksheet_.LineCount(), "line", "lines") << "\n";
  return out.str();
}

}  // namespace orvella::cli
