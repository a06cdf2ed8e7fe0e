// The project document: the one object that owns what a user builds besides the worksheet
// text (tables, lists, matrices, the three plots with their graphs, the project engine,
// solver models, the equation libraries), the settings that live as long as the program,
// and the explorer's current selection, on which most commands act. "New" and "Open"
// empty and refill this same object.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/data_list.h"
#include "analysis/data_matrix.h"
#include "analysis/data_table.h"
#include "analysis/equation_library.h"
#include "engine/calc_engine.h"
#include "graphing/graph2d.h"
#include "graphing/graph3d.h"
#include "graphing/plot2d.h"
#include "graphing/plot3d.h"
#include "project/document_links.h"
#include "project/document_settings.h"
#include "project/item_kind.h"
#include "project/named_items.h"
#include "project/project_header.h"
#include "tools/solver_model.h"
#include "worksheet/line_execution.h"
#include "worksheet/result_report.h"
#include "worksheet/workspace_commands.h"

namespace orvella {

class CSymbolStore;
class UserStoreFile;
namespace platform {
class Prompter;
class SettingsStore;
class TextEditor;
}  // namespace platform

// What the explorer has selected. index is -1 and item null when the kind has no items
// or the node names none.
struct DocumentSelection {
  int index = -1;
  ExplorerNodeId node = kNoNode;
  ItemKind kind = ItemKind::None;
  CDataItem* item = nullptr;
};

using SolverModels = std::vector<std::unique_ptr<CSolverModel>>;

class CMyDocument {
 public:
  // Reads every document setting from `settings` and gives every plot the project engine.
  // `symbols` holds the process-wide user definitions, which the document clears when the
  // program ends. Both must outlive the document.
  CMyDocument(platform::SettingsStore& settings, CSymbolStore& symbols);
  // Writes the user store file and the settings kept at exit, deletes the solver models and
  // clears the user definitions.
  ~CMyDocument();
  CMyDocument(const CMyDocument&) = delete;
  CMyDocument& operator=(const CMyDocument&) = delete;

  // --- the windows around the document; each may be absent ---
  void ConnectWorksheet(platform::TextEditor* text) { worksheet_ = text; }
  // The worksheet text, where analyses log their results; null while none is connected.
  platform::TextEditor* Worksheet() { return worksheet_; }
  void ConnectFrame(FrameLink* frame) { frame_ = frame; }
  // The views around the document; null while none are connected.
  FrameLink* Frame() { return frame_; }
  void ConnectExplorer(ExplorerLink* explorer) { explorer_ = explorer; }

  // --- the user store file ---
  // Reads the user's own definitions, solver models and library from `file` and keeps it
  // up to date from then on. The message to tell the user once; empty when all is well.
  std::string OpenUserStore(std::filesystem::path file);
  // Writes the user store file when a definition, model or library entry has changed;
  // called after every command that may change one, so a crash loses none.
  bool SaveUserDefinitions();

  // --- the worksheet's statements ---
  // One statement with the project engine and the user definitions, as Enter runs it;
  // a definition it makes or changes is written to the user store file at once.
  LineOutcome ExecuteLine(std::string_view text);

  // --- life cycle ---
  // After DeleteContents: the plots take their defaults.
  void OnNewDocument();
  // Before New and Open: everything of the project goes; solver models, user definitions
  // and the equation libraries stay.
  void DeleteContents();
  // The path of the open project, empty while it has none; written at exit.
  void SetPathName(std::string path) { pathName_ = std::move(path); }
  const std::string& PathName() const { return pathName_; }

  // The project has no flag of its own: it is modified when the worksheet text is.
  bool IsModified() const;
  void SetModifiedFlag(bool modified);

  // --- identity ---
  // Tables, lists, matrices by name; 2-D and data graphs by label; solver models by
  // equation; 3-D graphs by "z = " label. -1 for no match and for other kinds.
  int FindItem(ItemKind kind, std::string_view name) const;
  std::string ItemName(ItemKind kind, int index) const;
  CDataItem* ItemAt(ItemKind kind, int index);
  // "Table%d", "List%d", "Matrix%d" with the smallest free number; empty for other kinds.
  std::string DefaultName(ItemKind kind) const;

  // --- selection ---
  void SelectNode(ExplorerNodeId node);
  void RefreshSelection(bool markModified);
  const DocumentSelection& Selection() const { return selection_; }

  // --- links between data graphs and tables ---
  // After loading: every data graph, from last to first, is linked to the table its stored
  // name gives; a graph whose table is missing is deleted.
  void RelinkDataGraphs();
  // Deletes every data graph linked to `table`; the table itself stays.
  void RemoveGraphsLinkedTo(const CDataTable& table);
  int GraphsLinkedTo(const CDataTable& table) const;
  // Deletes a table and everything that refers to it.
  void DeleteTable(int index);

  // --- adding, removing and renaming items ---
  // Questions go to the prompter; without one every question is answered Yes.
  void ConnectPrompter(platform::Prompter* prompter) { prompter_ = prompter; }
  // Each takes the item, or replaces the item of the same identity after asking; false
  // when the user declined or the item was null (the offered item is then deleted). A
  // rectangular 2-D graph sets the function plot's x range to its domain; a data graph
  // sets the data plot's range to its data bounds.
  bool AddTable(std::unique_ptr<CDataTable> table);
  bool AddList(std::unique_ptr<CDataList> list);
  bool AddMatrix(std::unique_ptr<CDataMatrix> matrix);
  // kind is Graph2D or DataGraph.
  bool AddGraph(ItemKind kind, std::unique_ptr<CGraph2D> graph);
  bool AddGraph3D(std::unique_ptr<CGraph3D> graph);
  // A table (X and Y, no rows) or a list with the default name, its label ready to edit.
  void NewEmptyItem(ItemKind kind);
  void RemoveSelectedItem();
  // Tables, lists, matrices and data graphs; false when another item of the kind has the
  // name already (the item itself counts) or the kind cannot be renamed.
  bool RenameSelectedItem(std::string_view newName);

  // --- contents ---
  NamedItems<CDataTable>& Tables() { return tables_; }
  const NamedItems<CDataTable>& Tables() const { return tables_; }
  NamedItems<CDataList>& Lists() { return lists_; }
  const NamedItems<CDataList>& Lists() const { return lists_; }
  NamedItems<CDataMatrix>& Matrices() { return matrices_; }
  const NamedItems<CDataMatrix>& Matrices() const { return matrices_; }
  SolverModels& Solvers() { return solverModels_; }
  const SolverModels& Solvers() const { return solverModels_; }
  EquationLibrary& BuiltInLibrary() { return builtInLibrary_; }
  EquationLibrary& UserLibrary() { return userLibrary_; }
  const EquationLibrary& UserLibrary() const { return userLibrary_; }

  CPlot2D& FunctionPlot() { return functionPlot_; }
  CPlot2D& DataPlot() { return dataPlot_; }
  CPlot3D& Plot3D() { return plot3D_; }
  CPlot2D& TablePreviewPlot() { return previewPlot_; }
  CPlot2D& FunctionPlotDefaults() { return functionPlotDefaults_; }
  CPlot2D& DataPlotDefaults() { return dataPlotDefaults_; }
  CPlot3D& Plot3DDefaults() { return plot3DDefaults_; }
  CGraph2D& FunctionGraphTemplate() { return functionGraphTemplate_; }
  CGraph2D& DataGraphTemplate() { return dataGraphTemplate_; }
  CGraph3D& Graph3DTemplate() { return graph3DTemplate_; }

  CCalcEngine& Engine() { return engine_; }
  const CCalcEngine& Engine() const { return engine_; }
  CResultReport& Report() { return report_; }
  ProjectHeader& Header() { return header_; }
  DocumentSettings& Settings() { return settings_; }
  // Where settings the user confirms are written at once (for example "LogOutput").
  platform::SettingsStore& Store() { return store_; }
  const DocumentSettings& Settings() const { return settings_; }

  // The step of the 3-D rotate commands, 10 degrees.
  double thetaRotationStep = 0.17453292519943295;
  double phiRotationStep = 0.17453292519943295;

 private:
  void ReadPlotSettings();
  void UnlinkPreview(const CDataTable& table);
  // After a removal the selected index may have moved or its item may be gone.
  void ResolveSelection();
  bool ConfirmChange(ItemKind kind, std::string_view name, bool deleting);
  bool AskYesNo(std::string_view question);
  void RemoveGraphsAndNodesLinkedTo(const CDataTable& table);
  void ShowAddedItem(ItemKind kind, std::string_view oldLabel, std::string_view newLabel);
  // The label of the graph that one labelled `label` would replace (empty for none), once
  // the user agreed; none when the user declined.
  template <typename Plot>
  std::optional<std::string> ReplacedLabel(ItemKind kind, const Plot& plot,
                                           const std::string& label);
  template <typename Item, typename BeforeReplace>
  bool AddNamedItem(ItemKind kind, NamedItems<Item>& items, std::unique_ptr<Item> item,
                    BeforeReplace beforeReplace);
  CGraph2D* PreviewGraph();
  void ShowSelectedLayout(const std::string& nodeText);

  platform::SettingsStore& store_;
  CSymbolStore& symbols_;
  platform::TextEditor* worksheet_ = nullptr;
  FrameLink* frame_ = nullptr;
  ExplorerLink* explorer_ = nullptr;
  platform::Prompter* prompter_ = nullptr;
  std::string pathName_;
  std::unique_ptr<UserStoreFile> userStore_;

  // Declared in the order the members are listed for the project, so that they are built
  // in that order and destroyed in the reverse: graphs and views before the tables they
  // refer to, the engine the plots use last.
  CCalcEngine engine_;
  CalculationCommands commands_{engine_};
  ProjectHeader header_ = BuiltInProjectHeader();
  NamedItems<CDataList> lists_;
  NamedItems<CDataMatrix> matrices_;
  NamedItems<CDataTable> tables_;
  SolverModels solverModels_;
  EquationLibrary builtInLibrary_;
  EquationLibrary userLibrary_;
  CPlot2D functionPlot_;
  CPlot2D functionPlotDefaults_;
  CPlot3D plot3D_;
  CPlot3D plot3DDefaults_;
  CPlot2D dataPlot_;
  CPlot2D dataPlotDefaults_;
  CPlot2D previewPlot_;
  CGraph2D functionGraphTemplate_;
  CGraph2D dataGraphTemplate_;
  CGraph3D graph3DTemplate_;
  CResultReport report_;
  DocumentSettings settings_;
  DocumentSelection selection_;
};

}  // namespace orvella
