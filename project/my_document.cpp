#include "project/my_document.h"

#include "analysis/builtin_equations.h"
#include "engine/symbol_store.h"
#include "graphing/plot2d_defaults.h"
#include "graphing/plot3d_defaults.h"
#include "library/unit_relations.h"
#include "platform/screen_metrics.h"
#include "platform/settings_store.h"
#include "platform/text_editor.h"
#include "project/solver_commands.h"
#include "project/user_store_file.h"

namespace orvella {
namespace {

// The share of the window the plot area takes in a new project.
constexpr std::int32_t kFunctionPlotViewport = 95;
constexpr std::int32_t kDataPlotViewport = 80;

// What a layout without any view shows.
constexpr std::int32_t kWorkspaceOnly = kViewWorkspace;

bool IsXYTable(const CDataTable& table) {
  return table.Layout() == TableLayout::kXY || table.Layout() == TableLayout::kXYError;
}

void ClearUserDefinitions(CSymbolStore& symbols) {
  for (int i = static_cast<int>(symbols.UserFunctions().size()) - 1; i >= 0; --i) {
    symbols.DeleteUserFunction(i);
  }
  symbols.UserConstants().clear();
  for (int i = UserConversionCount() - 1; i >= 0; --i) DeleteUserConversion(i);
}

}  // namespace

CMyDocument::CMyDocument(platform::SettingsStore& settings, CSymbolStore& symbols)
    : store_(settings),
      symbols_(symbols),
      settings_(ReadDocumentSettings(settings, platform::PrimaryScreen().height)) {
  ReadCalculationSettings(store_, engine_);
  ReadPlotSettings();
  FillBuiltInLibrary(builtInLibrary_);
  // The preview shows the selected table as markers, in the data plot's look.
  previewPlot_.CopySettings(dataPlotDefaults_);
  previewPlot_.AddOrReplace(std::make_unique<CGraph2D>());
  for (CPlot2D* plot : {&functionPlot_, &functionPlotDefaults_, &dataPlot_, &dataPlotDefaults_,
                        &previewPlot_}) {
    plot->SetEngine(&engine_);
  }
  plot3D_.SetEngine(&engine_);
  plot3DDefaults_.SetEngine(&engine_);
}

CMyDocument::~CMyDocument() {
  SaveUserDefinitions();
  solverModels_.clear();
  ClearUserDefinitions(symbols_);
  WriteExitSettings(store_, settings_, pathName_, engine_);
  store_.Save();
}

std::string CMyDocument::OpenUserStore(std::filesystem::path file) {
  userStore_ = std::make_unique<UserStoreFile>(std::move(file));
  return userStore_->Load(symbols_, *this);
}

bool CMyDocument::SaveUserDefinitions() {
  return userStore_ == nullptr || userStore_->SaveIfChanged(symbols_, *this);
}

LineOutcome CMyDocument::ExecuteLine(std::string_view text) {
  LineExecutor executor(engine_, symbols_, &commands_);
  LineOutcome outcome = executor.Execute(text);
  SaveUserDefinitions();
  return outcome;
}

void CMyDocument::ReadPlotSettings() {
  ReadPlotDefaults(store_, kFunctionPlotSection, functionPlotDefaults_);
  ReadPlotDefaults(store_, kDataPlotSection, dataPlotDefaults_);
  ReadPlot3DDefaults(store_, plot3DDefaults_);
  ReadGraphTemplate(store_, kFunctionGraphSection, functionGraphTemplate_);
  ReadGraphTemplate(store_, kDataGraphSection, dataGraphTemplate_);
  ReadGraph3DTemplate(store_, graph3DTemplate_);
}

// --- life cycle ---

void CMyDocument::OnNewDocument() {
  functionPlot_.CopySettings(functionPlotDefaults_);
  dataPlot_.CopySettings(dataPlotDefaults_);
  plot3D_.CopySettings(plot3DDefaults_);
  functionPlot_.viewportPercent = kFunctionPlotViewport;
  dataPlot_.viewportPercent = kDataPlotViewport;
}

void CMyDocument::DeleteContents() {
  if (worksheet_ != nullptr) {
    worksheet_->SetSelection(0, worksheet_->Length());
    worksheet_->Type("");
    worksheet_->SetModified(false);
  }
  // Graphs first: data graphs and the preview refer to the tables.
  if (CGraph2D* preview = PreviewGraph()) preview->DetachTable();
  functionPlot_.DeleteGraphs();
  dataPlot_.DeleteGraphs();
  plot3D_.DeleteGraphs();
  tables_.Clear();
  lists_.Clear();
  matrices_.Clear();
  engine_.Variables().clear();
  engine_.ExpressionVariables().clear();
  // A parsed expression may still name the variables just removed.
  engine_.SetExpression("");
  selection_ = {};
}

bool CMyDocument::IsModified() const { return worksheet_ != nullptr && worksheet_->IsModified(); }

void CMyDocument::SetModifiedFlag(bool modified) {
  if (worksheet_ != nullptr) worksheet_->SetModified(modified);
}

// --- identity ---

int CMyDocument::FindItem(ItemKind kind, std::string_view name) const {
  switch (kind) {
    case ItemKind::DataTable:
      return tables_.IndexOf(name);
    case ItemKind::List:
      return lists_.IndexOf(name);
    case ItemKind::Matrix:
      return matrices_.IndexOf(name);
    case ItemKind::Graph2D:
      return functionPlot_.FindGraph(name);
    case ItemKind::DataGraph:
      return dataPlot_.FindGraph(name);
    case ItemKind::SolverModel:
      return orvella::FindSolverModel(*this, name);
    case ItemKind::Graph3D:
      return plot3D_.FindGraph(name);
    default:
      return -1;
  }
}

std::string CMyDocument::ItemName(ItemKind kind, int index) const {
  if (index < 0) return {};
  switch (kind) {
    case ItemKind::DataTable:
      return tables_.Contains(index) ? tables_.At(index).Name() : std::string();
    case ItemKind::List:
      return lists_.Contains(index) ? lists_.At(index).Name() : std::string();
    case ItemKind::Matrix:
      return matrices_.Contains(index) ? matrices_.At(index).Name() : std::string();
    case ItemKind::Graph2D:
      return index < functionPlot_.GraphCount() ? functionPlot_.Graph(index).Label() : std::string();
    case ItemKind::DataGraph:
      return index < dataPlot_.GraphCount() ? dataPlot_.Graph(index).Label() : std::string();
    case ItemKind::SolverModel:
      return index < static_cast<int>(solverModels_.size()) ? solverModels_[index]->Equation()
                                                            : std::string();
    case ItemKind::Graph3D:
      return index < plot3D_.GraphCount() ? plot3D_.Graph(index).Label() : std::string();
    default:
      return {};
  }
}

CDataItem* CMyDocument::ItemAt(ItemKind kind, int index) {
  switch (kind) {
    case ItemKind::DataTable:
      return tables_.Find(index);
    case ItemKind::List:
      return lists_.Find(index);
    case ItemKind::Matrix:
      return matrices_.Find(index);
    default:
      return nullptr;
  }
}

std::string CMyDocument::DefaultName(ItemKind kind) const {
  switch (kind) {
    case ItemKind::DataTable:
      return tables_.DefaultName("Table");
    case ItemKind::List:
      return lists_.DefaultName("List");
    case ItemKind::Matrix:
      return matrices_.DefaultName("Matrix");
    default:
      return {};
  }
}

// --- selection ---

void CMyDocument::SelectNode(ExplorerNodeId node) {
  if (node == selection_.node || explorer_ == nullptr) return;
  const std::string text = explorer_->NodeText(node);
  if (text.empty()) return;
  const ItemKind kind = explorer_->NodeKind(node);
  if (kind == ItemKind::None) {
    selection_ = {};
    return;
  }
  selection_.node = node;
  selection_.kind = kind;
  selection_.index = FindItem(kind, text);
  selection_.item = ItemAt(kind, selection_.index);
  ShowSelectedLayout(text);
}

void CMyDocument::ShowSelectedLayout(const std::string& nodeText) {
  const ItemKind kind = selection_.kind;
  DataViewLayout& layout = settings_.viewLayouts[ItemKindCode(kind)];
  if (layout.viewFlags == 0) layout.viewFlags = kWorkspaceOnly;
  if (frame_ != nullptr) {
    frame_->ApplyLayout(kind, layout);
    frame_->RefreshGridView();
  }
  if (kind == ItemKind::DataTable || kind == ItemKind::Graph2D || kind == ItemKind::DataGraph) {
    RefreshSelection(false);
  } else if (kind == ItemKind::Graph3D) {
    plot3D_.SetCurrent(selection_.index);
    if (frame_ != nullptr) frame_->Redraw3DPlotView();
  }
  if (frame_ != nullptr) {
    frame_->SetDataWindowTitle(FormatCaption(kind, nodeText), KindInfo(kind).treeImage);
  }
}

void CMyDocument::RefreshSelection(bool markModified) {
  if (selection_.kind == ItemKind::None) return;
  if (selection_.kind == ItemKind::DataTable) {
    CDataTable* table = tables_.Find(selection_.index);
    CGraph2D* preview = PreviewGraph();
    if (table != nullptr && preview != nullptr && IsXYTable(*table)) {
      preview->AttachTable(table);
      previewPlot_.FitToData();
    }
  } else if (selection_.kind == ItemKind::DataGraph) {
    const int shown = selection_.index;
    if (shown >= 0 && shown < dataPlot_.GraphCount()) {
      for (int i = 0; i < dataPlot_.GraphCount(); ++i) dataPlot_.Graph(i).SetVisible(i == shown);
      dataPlot_.FitToData();
    }
  }
  if (frame_ != nullptr) frame_->Redraw2DPlotView();
  if (markModified) SetModifiedFlag(true);
}

CGraph2D* CMyDocument::PreviewGraph() {
  return previewPlot_.GraphCount() > 0 ? &previewPlot_.Graph(0) : nullptr;
}

// --- links between data graphs and tables ---

void CMyDocument::RelinkDataGraphs() {
  for (int i = dataPlot_.GraphCount() - 1; i >= 0; --i) {
    CGraph2D& graph = dataPlot_.Graph(i);
    const int table = tables_.IndexOf(graph.dataTableName);
    if (table < 0) {
      dataPlot_.DeleteGraph(i);
    } else {
      graph.AttachTable(&tables_.At(table));
    }
  }
  ResolveSelection();
}

int CMyDocument::GraphsLinkedTo(const CDataTable& table) const {
  int count = 0;
  for (const auto& graph : dataPlot_.Graphs()) count += graph->DataTable() == &table ? 1 : 0;
  return count;
}

void CMyDocument::RemoveGraphsLinkedTo(const CDataTable& table) {
  for (int i = dataPlot_.GraphCount() - 1; i >= 0; --i) {
    if (dataPlot_.Graph(i).DataTable() == &table) dataPlot_.DeleteGraph(i);
  }
  ResolveSelection();
}

void CMyDocument::UnlinkPreview(const CDataTable& table) {
  CGraph2D* preview = PreviewGraph();
  if (preview != nullptr && preview->DataTable() == &table) preview->DetachTable();
}

void CMyDocument::DeleteTable(int index) {
  if (!tables_.Contains(index)) return;
  const CDataTable& table = tables_.At(index);
  RemoveGraphsLinkedTo(table);
  UnlinkPreview(table);
  tables_.Remove(index);
  ResolveSelection();
}

void CMyDocument::ResolveSelection() {
  if (selection_.kind == ItemKind::None) return;
  const std::string text = explorer_ != nullptr ? explorer_->NodeText(selection_.node) : "";
  selection_.index = text.empty() ? -1 : FindItem(selection_.kind, text);
  selection_.item = ItemAt(selection_.kind, selection_.index);
}

}  // namespace orvella
