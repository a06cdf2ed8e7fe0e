// What the project document's tests share: stand-ins for the windows around it (an
// explorer tree held as a list of nodes, a frame that records what it was asked to show, a
// prompter with scripted answers) and data graphs of a table.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bound_variables.h"
#include "engine/symbol_store.h"
#include "engine/text_util.h"
#include "engine/user_names.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "platform/prompter.h"
#include "project/document_links.h"
#include "project/my_document.h"

namespace orvella::test {

inline std::unique_ptr<CGraph2D> DataGraphOf(const CDataTable& table, std::string_view name) {
  auto graph = std::make_unique<CGraph2D>();
  graph->SetName(std::string(name));
  graph->AttachTable(&table);
  return graph;
}

class FakeExplorer final : public ExplorerLink {
 public:
  struct Node {
    ItemKind kind;
    std::string text;
  };

  void Attach(CMyDocument& document) {
    document_ = &document;
    document.ConnectExplorer(this);
  }

  // A category node, or an item node, as the tree would hold it.
  ExplorerNodeId Add(ItemKind kind, std::string_view text) {
    const ExplorerNodeId id = nextId_++;
    nodes_[id] = {kind, std::string(text)};
    return id;
  }

  std::string NodeText(ExplorerNodeId node) const override {
    auto found = nodes_.find(node);
    return found == nodes_.end() ? std::string() : found->second.text;
  }
  ItemKind NodeKind(ExplorerNodeId node) const override {
    auto found = nodes_.find(node);
    return found == nodes_.end() ? ItemKind::None : found->second.kind;
  }
  ExplorerNodeId FindItemNode(ItemKind kind, std::string_view label) const override {
    for (const auto& [id, node] : nodes_) {
      if (node.kind == kind && EqualsNoCase(node.text, label)) return id;
    }
    return kNoNode;
  }
  ExplorerNodeId AddItemNode(ItemKind kind, std::string_view label) override {
    return Add(kind, label);
  }
  void SetNodeText(ExplorerNodeId node, std::string_view label) override {
    nodes_[node].text = std::string(label);
  }
  void DeleteNode(ExplorerNodeId node) override { nodes_.erase(node); }
  void SelectNode(ExplorerNodeId node) override {
    selected = node;
    if (document_ != nullptr) document_->SelectNode(node);
  }
  void EditLabel(ExplorerNodeId node) override { editing = node; }

  int CountOf(ItemKind kind) const {
    int count = 0;
    for (const auto& entry : nodes_) count += entry.second.kind == kind ? 1 : 0;
    return count;
  }

  ExplorerNodeId selected = kNoNode;
  ExplorerNodeId editing = kNoNode;

 private:
  CMyDocument* document_ = nullptr;
  std::map<ExplorerNodeId, Node> nodes_;
  ExplorerNodeId nextId_ = 1;
};

class FakeFrame final : public FrameLink {
 public:
  void ApplyLayout(ItemKind kind, const DataViewLayout& layout) override {
    appliedKind = kind;
    appliedLayout = layout;
  }
  void SetDataWindowTitle(std::string_view caption, std::int32_t image) override {
    title = std::string(caption);
    treeImage = image;
  }
  void RefreshGridView() override { ++gridRefreshes; }
  void Redraw2DPlotView() override { ++plot2DRedraws; }
  void Redraw3DPlotView() override { ++plot3DRedraws; }

  ItemKind appliedKind = ItemKind::None;
  DataViewLayout appliedLayout{};
  std::string title;
  std::int32_t treeImage = -1;
  int gridRefreshes = 0;
  int plot2DRedraws = 0;
  int plot3DRedraws = 0;
};

// Answers the questions in the order given; a question with no answer left fails the test.
class ScriptedPrompter final : public platform::Prompter {
 public:
  void Inform(std::string_view message) override { messages.emplace_back(message); }
  bool AskYesNo(std::string_view question) override {
    questions.emplace_back(question);
    return Next().yes;
  }
  platform::ConfirmReply Confirm(std::string_view caption, std::string_view question,
                                 std::string_view checkBox) override {
    questions.emplace_back(std::string(caption) + " | " + std::string(question) + " | " +
                           std::string(checkBox));
    return Next();
  }

  std::deque<platform::ConfirmReply> answers;
  std::vector<std::string> questions;
  std::vector<std::string> messages;

 private:
  platform::ConfirmReply Next() {
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << questions.back();
      return {};
    }
    platform::ConfirmReply reply = answers.front();
    answers.pop_front();
    return reply;
  }
};

// Installs a store of user names for the life of the fixture that holds it.
class ScopedUserNames {
 public:
  explicit ScopedUserNames(UserNames* names) { InstallUserNames(names); }
  ~ScopedUserNames() { InstallUserNames(nullptr); }
  ScopedUserNames(const ScopedUserNames&) = delete;
  ScopedUserNames& operator=(const ScopedUserNames&) = delete;
};

// A document connected to a worksheet, an explorer and a prompter, as the desktop program
// connects it, with the user names installed and the bound variables reset.
class ConnectedDocumentTest : public ::testing::Test {
 protected:
  ConnectedDocumentTest() {
    ResetBoundVariables();
    document.ConnectWorksheet(&worksheet);
    document.ConnectPrompter(&prompter);
    explorer.Attach(document);
  }

  CMyDocument& doc() { return document; }

  platform::MemorySettingsStore store;
  CSymbolStore symbols;
  ScopedUserNames userNames{&symbols};
  platform::MemoryTextEditor worksheet;
  FakeExplorer explorer;
  ScriptedPrompter prompter;
  CMyDocument document{store, symbols};
};

}  // namespace orvella::test
