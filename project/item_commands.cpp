// The document operations that add, remove and rename items, with the questions they ask.
#include <array>
#include <optional>

#include "engine/text_util.h"
#include "platform/prompter.h"
#include "project/my_document.h"

namespace orvella {
namespace {

inline constexpr std::string_view kReplaceTableWithGraphs =
    "Adding this data table will overwrite an existing table that has data graphs associated "
    "with it.  Overwriting the existing data table will also remove all of its associated data "
    "graphs. Proceed?";
inline constexpr std::string_view kRemoveTableWithGraphs =
    "This data table has one or more data graphs associated with it.  Removing it will also "
    "remove the associated data graphs.  Proceed?";

// The words that name an item of a kind in the two questions.
struct PromptWords {
  ItemKind kind;
  std::string_view overwrite;
  std::string_view remove;
};
constexpr std::array<PromptWords, 6> kPromptWords{{
    {ItemKind::DataTable, "data table ", "data table "},
    {ItemKind::List, "list ", "list "},
    {ItemKind::Matrix, "matrix ", "matrix "},
    {ItemKind::Graph2D, "2D graph ", "graph "},
    {ItemKind::DataGraph, "data graph ", "data graph "},
    {ItemKind::Graph3D, "3D graph ", "3D graph "},
}};

const PromptWords* WordsFor(ItemKind kind) {
  for (const PromptWords& words : kPromptWords) {
    if (words.kind == kind) return &words;
  }
  return nullptr;
}

}  // namespace

// Asks before an item of `kind` named `name` is overwritten or deleted, unless the user
// has switched the question off; ticking the box switches it off for the rest of the run.
bool CMyDocument::ConfirmChange(ItemKind kind, std::string_view name, bool deleting) {
  std::int32_t& bits = deleting ? settings_.confirmDelete : settings_.confirmOverwrite;
  const PromptWords* words = WordsFor(kind);
  if (prompter_ == nullptr || words == nullptr || !NeedsConfirm(bits, kind)) return true;
  const std::string question = std::string(deleting ? "Delete " : "Overwrite ") +
                               std::string(deleting ? words->remove : words->overwrite) +
                               std::string(name) + "?";
  const platform::ConfirmReply reply =
      deleting ? prompter_->Confirm("Confirm deletion", question,
                                    "In the future, delete without confirming")
               : prompter_->Confirm("Confirm overwrite", question,
                                    "In the future, overwrite without confirming");
  if (reply.yes && reply.checked) bits &= ~KindInfo(kind).confirmBit;
  return reply.yes;
}

bool CMyDocument::AskYesNo(std::string_view question) {
  return prompter_ == nullptr || prompter_->AskYesNo(question);
}

void CMyDocument::RemoveGraphsAndNodesLinkedTo(const CDataTable& table) {
  if (explorer_ != nullptr) {
    for (const auto& graph : dataPlot_.Graphs()) {
      if (graph->DataTable() != &table) continue;
      const ExplorerNodeId node = explorer_->FindItemNode(ItemKind::DataGraph, graph->Label());
      if (node != kNoNode) explorer_->DeleteNode(node);
    }
  }
  RemoveGraphsLinkedTo(table);
}

// The explorer's part of an add: a new node, or the replaced item's node with the new label;
// either way it becomes the selection.
void CMyDocument::ShowAddedItem(ItemKind kind, std::string_view oldLabel,
                                std::string_view newLabel) {
  ResolveSelection();
  if (explorer_ != nullptr) {
    ExplorerNodeId node = oldLabel.empty() ? kNoNode : explorer_->FindItemNode(kind, oldLabel);
    if (node == kNoNode) {
      node = explorer_->AddItemNode(kind, newLabel);
    } else {
      explorer_->SetNodeText(node, newLabel);
    }
    explorer_->SelectNode(node);
  }
  SetModifiedFlag(true);
}

template <typename Item, typename BeforeReplace>
bool CMyDocument::AddNamedItem(ItemKind kind, NamedItems<Item>& items, std::unique_ptr<Item> item,
                               BeforeReplace beforeReplace) {
  if (item == nullptr) return false;
  const int existing = items.IndexOf(item->Name());
  std::string oldName;
  if (existing >= 0) {
    oldName = items.At(existing).Name();
    if (!ConfirmChange(kind, oldName, false) || !beforeReplace(items.At(existing))) return false;
  }
  const std::string newName = item->Name();
  if (existing >= 0) {
    items.Replace(existing, std::move(item));
  } else {
    items.Append(std::move(item));
  }
  ShowAddedItem(kind, oldName, newName);
  return true;
}

bool CMyDocument::AddTable(std::unique_ptr<CDataTable> table) {
  // The graphs drawn from the old table go with it, after a question of their own.
  return AddNamedItem(ItemKind::DataTable, tables_, std::move(table), [&](const CDataTable& old) {
    if (GraphsLinkedTo(old) > 0) {
      if (!AskYesNo(kReplaceTableWithGraphs)) return false;
      RemoveGraphsAndNodesLinkedTo(old);
    }
    UnlinkPreview(old);
    return true;
  });
}

bool CMyDocument::AddList(std::unique_ptr<CDataList> list) {
  return AddNamedItem(ItemKind::List, lists_, std::move(list), [](const CDataList&) { return true; });
}

bool CMyDocument::AddMatrix(std::unique_ptr<CDataMatrix> matrix) {
  return AddNamedItem(ItemKind::Matrix, matrices_, std::move(matrix),
                      [](const CDataMatrix&) { return true; });
}

template <typename Plot>
std::optional<std::string> CMyDocument::ReplacedLabel(ItemKind kind, const Plot& plot,
                                                      const std::string& label) {
  const int existing = plot.FindGraph(label);
  if (existing < 0) return std::string();
  std::string oldLabel = plot.Graph(existing).Label();
  if (!ConfirmChange(kind, oldLabel, false)) return std::nullopt;
  return oldLabel;
}

bool CMyDocument::AddGraph(ItemKind kind, std::unique_ptr<CGraph2D> graph) {
  if (graph == nullptr) return false;
  if (kind != ItemKind::Graph2D && kind != ItemKind::DataGraph) return false;
  CPlot2D& plot = kind == ItemKind::Graph2D ? functionPlot_ : dataPlot_;
  const std::string label = graph->Label();
  const std::optional<std::string> oldLabel = ReplacedLabel(kind, plot, label);
  if (!oldLabel) return false;
  CGraph2D& added = plot.Graph(plot.AddOrReplace(std::move(graph)));
  if (kind == ItemKind::Graph2D && added.Type() == GraphType2D::kRectangular) {
    plot.SetRange(added.DomainMin(), added.DomainMax(), plot.range.yMin, plot.range.yMax);
  } else if (kind == ItemKind::DataGraph) {
    const DataBounds& bounds = added.dataBounds;
    plot.SetRange(bounds.xMin, bounds.xMax, bounds.yMin, bounds.yMax);
  }
  ShowAddedItem(kind, *oldLabel, label);
  return true;
}

bool CMyDocument::AddGraph3D(std::unique_ptr<CGraph3D> graph) {
  if (graph == nullptr) return false;
  const std::string label = graph->Label();
  const std::optional<std::string> oldLabel = ReplacedLabel(ItemKind::Graph3D, plot3D_, label);
  if (!oldLabel) return false;
  plot3D_.AddOrReplace(std::move(graph));
  ShowAddedItem(ItemKind::Graph3D, *oldLabel, label);
  return true;
}

void CMyDocument::NewEmptyItem(ItemKind kind) {
  std::string name = DefaultName(kind);
  if (kind == ItemKind::DataTable) {
    auto table = std::make_unique<CDataTable>();
    table->SetUpColumns(TableLayout::kXY, 2, 0);
    table->SetName(name);
    tables_.Append(std::move(table));
  } else if (kind == ItemKind::List) {
    auto list = std::make_unique<CDataList>();
    list->SetName(name);
    lists_.Append(std::move(list));
  } else {
    return;
  }
  if (explorer_ != nullptr) {
    const ExplorerNodeId node = explorer_->AddItemNode(kind, name);
    explorer_->SelectNode(node);
    explorer_->EditLabel(node);
  }
  SetModifiedFlag(true);
}

void CMyDocument::RemoveSelectedItem() {
  const ItemKind kind = selection_.kind;
  const int index = selection_.index;
  if (index < 0) return;
  const std::string name = ItemName(kind, index);
  if (WordsFor(kind) == nullptr && kind != ItemKind::SolverModel) return;
  if (name.empty() && kind != ItemKind::Graph2D) return;
  if (!ConfirmChange(kind, name, true)) return;
  switch (kind) {
    case ItemKind::DataTable: {
      const CDataTable& table = tables_.At(index);
      if (GraphsLinkedTo(table) > 0) {
        if (!AskYesNo(kRemoveTableWithGraphs)) return;
        RemoveGraphsAndNodesLinkedTo(table);
      }
      DeleteTable(index);
      break;
    }
    case ItemKind::List:
      lists_.Remove(index);
      break;
    case ItemKind::Matrix:
      matrices_.Remove(index);
      break;
    case ItemKind::Graph2D:
      functionPlot_.DeleteGraph(index);
      break;
    case ItemKind::DataGraph:
      dataPlot_.DeleteGraph(index);
      break;
    case ItemKind::SolverModel:
      solverModels_.erase(solverModels_.begin() + index);
      SaveUserDefinitions();
      break;
    case ItemKind::Graph3D:
      plot3D_.DeleteGraph(index);
      break;
    default:
      return;
  }
  const ExplorerNodeId node = selection_.node;
  selection_ = {};
  if (explorer_ != nullptr && node != kNoNode) explorer_->DeleteNode(node);
  if (kind == ItemKind::Graph2D) {
    if (frame_ != nullptr) frame_->Redraw2DPlotView();
    SetModifiedFlag(true);
  }
}

bool CMyDocument::RenameSelectedItem(std::string_view newName) {
  const ItemKind kind = selection_.kind;
  // Lookups ignore blanks around a name, so a stored name never has them.
  const std::string name(Trim(newName));
  if (name.empty() || selection_.index < 0 || FindItem(kind, name) >= 0) return false;
  if (kind == ItemKind::DataGraph) {
    if (selection_.index >= dataPlot_.GraphCount()) return false;
    dataPlot_.Graph(selection_.index).SetName(name);
    return true;
  }
  CDataItem* item = ItemAt(kind, selection_.index);
  if (item == nullptr) return false;
  item->SetName(name);
  return true;
}

}  // namespace orvella
