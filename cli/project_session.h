// A project opened on the command line: its variables and expression variables are what
// the lines are calculated with, and the project can be summarised and saved back.
#pragma once

#include <filesystem>
#include <string>

#include "engine/calc_engine.h"
#include "engine/symbol_store.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "project/my_document.h"

namespace orvella::cli {

class ProjectSession {
 public:
  // The calculator keeps the user's settings as they are: the document reads the defaults
  // into a store of its own.
  explicit ProjectSession(CSymbolStore& symbols);

  // What went wrong, for the user; empty when the project was read.
  std::string Open(const std::filesystem::path& file);
  std::string Save(const std::filesystem::path& file);

  // Items by kind with their names and sizes, graph labels, variables and the worksheet's
  // length, one item a line.
  std::string Info();

  CCalcEngine& Engine() { return document_.Engine(); }
  const std::string& PathName() const { return document_.PathName(); }

 private:
  platform::MemorySettingsStore settings_;
  platform::MemoryTextEditor worksheet_;
  CMyDocument document_;
};

}  // namespace orvella::cli
