// What the project document asks of the windows around it. The desktop program implements
// these; the document works without them (nothing is shown), and tests use fakes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "project/data_view_layout.h"
#include "project/item_kind.h"

namespace orvella {

// A node of the project explorer, as the explorer hands it out; 0 is no node.
using ExplorerNodeId = std::uintptr_t;
inline constexpr ExplorerNodeId kNoNode = 0;

class ExplorerLink {
 public:
  virtual ~ExplorerLink() = default;
  virtual std::string NodeText(ExplorerNodeId node) const = 0;
  // What the node denotes: an item, a category with a kind of its own, or None.
  virtual ItemKind NodeKind(ExplorerNodeId node) const = 0;

  // The node of an item under its kind's category, by its label; kNoNode when absent.
  virtual ExplorerNodeId FindItemNode(ItemKind kind, std::string_view label) const = 0;
  // A new node under the kind's category.
  virtual ExplorerNodeId AddItemNode(ItemKind kind, std::string_view label) = 0;
  virtual void SetNodeText(ExplorerNodeId node, std::string_view label) = 0;
  virtual void DeleteNode(ExplorerNodeId node) = 0;
  // Selecting a node tells the document (SelectNode), as a click does.
  virtual void SelectNode(ExplorerNodeId node) = 0;
  // Starts editing the node's label, so the user can type a name at once.
  virtual void EditLabel(ExplorerNodeId node) = 0;
};

class FrameLink {
 public:
  virtual ~FrameLink() = default;
  // Shows the views the layout asks for, sized as it says.
  virtual void ApplyLayout(ItemKind kind, const DataViewLayout& layout) = 0;
  virtual void SetDataWindowTitle(std::string_view caption, std::int32_t treeImage) = 0;
  virtual void RefreshGridView() = 0;
  virtual void Redraw2DPlotView() = 0;
  virtual void Redraw3DPlotView() = 0;
};

}  // namespace orvella
