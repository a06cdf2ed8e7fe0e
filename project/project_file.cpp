#include "project/project_file.h"

#include <memory>

#include "library/formula_translation.h"
#include "platform/file_io.h"
#include "platform/settings_keys.h"
#include "platform/settings_store.h"
#include "platform/text_editor.h"
#include "project/archive/archive.h"
#include "project/archive/graph_records.h"
#include "project/archive/item_records.h"
#include "project/archive/rtf_editor.h"
#include "project/archive/surface_records.h"

namespace orvella {
namespace {

// Projects hold numbers and text; nothing a person builds comes near this.
constexpr std::size_t kMaxProjectBytes = std::size_t{1} << 30;
constexpr std::size_t kMinValueVariableBytes = 1 + 8;
constexpr std::size_t kMinExpressionVariableBytes = 2;

std::string Replace(std::string_view pattern, std::string_view file) {
  std::string text(pattern);
  const std::size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, file);
  return text;
}

RtfFont WorksheetFont(CMyDocument& document) {
  using platform::Setting;
  RtfFont font;
  font.face = platform::ReadTextSetting(document.Store(), Setting("Workspace", "FontFaceName"));
  font.size = platform::ReadIntSetting(document.Store(), Setting("Workspace", "FontSize"));
  return font;
}

void StoreVariables(ArchiveWriter& out, const CCalcEngine& engine) {
  out.WriteBool(DecimalIsPoint());
  out.WriteInt32(static_cast<std::int32_t>(engine.Variables().size()));
  for (const ValueVariable& variable : engine.Variables()) {
    out.WriteText(variable.name);
    out.WriteDouble(variable.value);
  }
  out.WriteBool(DecimalIsPoint());
  out.WriteInt32(static_cast<std::int32_t>(engine.ExpressionVariables().size()));
  for (const ExpressionVariable& variable : engine.ExpressionVariables()) {
    out.WriteText(variable.name);
    out.WriteText(variable.formula);
  }
}

void LoadVariables(ArchiveReader& in, CCalcEngine& engine) {
  engine.Variables().clear();
  in.ReadInt32();  // numbers are stored as numbers: the writer's decimal character is moot
  const std::int32_t values = in.ReadRecordCount(kMinValueVariableBytes);
  for (std::int32_t i = 0; i < values && !in.Failed(); ++i) {
    ValueVariable variable;
    variable.name = in.ReadText();
    variable.value = in.ReadDouble();
    engine.Variables().push_back(std::move(variable));
  }
  engine.ExpressionVariables().clear();
  const bool decimalIsPoint = in.ReadBool();
  const std::int32_t formulas = in.ReadRecordCount(kMinExpressionVariableBytes);
  for (std::int32_t i = 0; i < formulas && !in.Failed(); ++i) {
    ExpressionVariable variable;
    variable.name = in.ReadText();
    variable.formula = TranslateFormula(in.ReadText(), decimalIsPoint);
    engine.ExpressionVariables().push_back(std::move(variable));
  }
  // The parsed expression may name variables that were just replaced.
  engine.SetExpression("");
}

template <typename Item>
void ClearModified(NamedItems<Item>& items) {
  for (const auto& item : items) item->SetModified(false);
}

void ClearModified(CPlot2D& plot) {
  for (const auto& graph : plot.Graphs()) graph->SetModified(false);
}

void MarkSaved(CMyDocument& document) {
  ClearModified(document.Tables());
  for (const auto& table : document.Tables()) {
    for (int column = 0; column < table->ColumnCount(); ++column) {
      table->Column(column).SetModified(false);
    }
  }
  ClearModified(document.Lists());
  ClearModified(document.Matrices());
  ClearModified(document.DataPlot());
  ClearModified(document.FunctionPlot());
  for (const auto& graph : document.Plot3D().Graphs()) graph->SetModified(false);
}

template <typename Item, typename Load>
void LoadItems(ArchiveReader& in, NamedItems<Item>& items, std::size_t minBytes, Load load) {
  const std::int32_t count = in.ReadRecordCount(minBytes);
  for (std::int32_t i = 0; i < count && !in.Failed(); ++i) {
    auto item = std::make_unique<Item>();
    load(in, *item);
    if (!in.Failed()) items.Append(std::move(item));
  }
}

void LoadRecords(ArchiveReader& in, CMyDocument& document) {
  LoadItems(in, document.Tables(), kMinTableBytes, LoadTable);
  document.DataPlot().labels.clear();
  LoadPlot2D(in, document.DataPlot());
  if (in.Failed()) return;
  document.RelinkDataGraphs();
  document.FunctionPlot().labels.clear();
  LoadPlot2D(in, document.FunctionPlot());
  LoadPlot3D(in, document.Plot3D());
  document.Lists().Clear();
  LoadItems(in, document.Lists(), kMinListBytes, LoadList);
  document.Matrices().Clear();
  LoadItems(in, document.Matrices(), kMinMatrixBytes, LoadMatrix);
  LoadVariables(in, document.Engine());
}

// The bulk of a project is its numbers; the rest is small beside them.
std::size_t EstimatedBytes(CMyDocument& document) {
  constexpr std::size_t kDoubleBytes = 8;
  constexpr std::size_t kRecordAllowance = 1024;
  std::size_t values = 0;
  for (const auto& table : document.Tables()) {
    for (const CDataList& column : table->Columns()) values += column.Slots().size();
  }
  for (const auto& list : document.Lists()) values += list->Slots().size();
  for (const auto& matrix : document.Matrices()) {
    values += static_cast<std::size_t>(matrix->Rows()) * static_cast<std::size_t>(matrix->Columns());
  }
  const std::size_t records = document.Tables().Count() + document.Lists().Count() +
                              document.Matrices().Count() + document.FunctionPlot().GraphCount() +
                              document.DataPlot().GraphCount() + document.Plot3D().GraphCount() + 8;
  return values * kDoubleBytes + records * kRecordAllowance;
}

}  // namespace

std::string WriteProjectBytes(CMyDocument& document) {
  ArchiveWriter out;
  out.Reserve(EstimatedBytes(document));
  const ProjectHeader header = BuiltInProjectHeader();
  out.WriteRaw(header.data(), header.size());
  out.WriteInt32(document.Tables().Count());
  for (const auto& table : document.Tables()) StoreTable(out, *table);
  StorePlot2D(out, document.DataPlot());
  StorePlot2D(out, document.FunctionPlot());
  StorePlot3D(out, document.Plot3D());
  out.WriteInt32(document.Lists().Count());
  for (const auto& list : document.Lists()) StoreList(out, *list);
  out.WriteInt32(document.Matrices().Count());
  for (const auto& matrix : document.Matrices()) StoreMatrix(out, *matrix);
  StoreVariables(out, document.Engine());
  std::string bytes = out.TakeBytes();
  const platform::TextEditor* worksheet = document.Worksheet();
  bytes += worksheet != nullptr ? WriteRtf(*worksheet, WorksheetFont(document))
                                : WriteRtf(ColouredRuns{}, WorksheetFont(document));
  return bytes;
}

ProjectLoadResult ReadProjectBytes(CMyDocument& document, std::string_view bytes,
                                   std::string_view fileName) {
  ArchiveReader in(bytes);
  ProjectHeader& header = document.Header();
  if (!in.ReadRaw(header.data(), header.size())) {
    header = BuiltInProjectHeader();
    return {ProjectLoad::kDamaged, std::string(kUnexpectedFileFormat)};
  }
  if (!IsProjectHeader(header)) {
    header = BuiltInProjectHeader();
    return {ProjectLoad::kNotAProject, std::string(fileName) + std::string(kNotAProjectFile)};
  }
  LoadRecords(in, document);
  if (in.Failed()) {
    document.DeleteContents();
    document.OnNewDocument();
    return {ProjectLoad::kDamaged, std::string(kUnexpectedFileFormat)};
  }
  if (platform::TextEditor* worksheet = document.Worksheet()) LoadRtfInto(*worksheet, in.Rest());
  MarkSaved(document);
  document.SetModifiedFlag(false);
  return {};
}

ProjectLoadResult OpenProject(CMyDocument& document, const std::filesystem::path& file) {
  document.DeleteContents();
  document.OnNewDocument();
  std::string bytes;
  std::error_code ignored;
  const std::string name = std::filesystem::absolute(file, ignored).string();
  switch (platform::ReadWholeFile(file, kMaxProjectBytes, bytes)) {
    case platform::FileError::kNone:
      break;
    case platform::FileError::kNotFound:
      return {ProjectLoad::kDamaged, Replace("%1 was not found.", name)};
    case platform::FileError::kAccessDenied:
      return {ProjectLoad::kDamaged, Replace("Access to %1 was denied.", name)};
    case platform::FileError::kTooLarge:
      return {ProjectLoad::kDamaged, std::string(kUnexpectedFileFormat)};
    default:
      return {ProjectLoad::kDamaged, "Failed to open document."};
  }
  ProjectLoadResult result = ReadProjectBytes(document, bytes, name);
  // A file of another format still names the (empty) project, so it takes the path;
  // a damaged one leaves an untitled project that cannot overwrite it by accident.
  document.SetPathName(result.status == ProjectLoad::kDamaged ? std::string() : name);
  return result;
}

std::string SaveProject(CMyDocument& document, const std::filesystem::path& file) {
  const std::string bytes = WriteProjectBytes(document);
  const std::string name = file.string();
  switch (platform::ReplaceFile(file, bytes)) {
    case platform::FileError::kNone:
      MarkSaved(document);
      document.SetModifiedFlag(false);
      document.SetPathName(name);
      return {};
    case platform::FileError::kAccessDenied:
      return Replace("Access to %1 was denied.", name);
    case platform::FileError::kDiskFull:
      return "Destination disk drive is full.";
    default:
      return "Failed to save document.";
  }
}

}  // namespace orvella
