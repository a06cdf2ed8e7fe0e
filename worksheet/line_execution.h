// Execution of one worksheet statement against the project engine, independent of any
// editor: comments, workspace commands, stores into variables, definitions, calculations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_engine.h"
#include "worksheet/result_report.h"

namespace orvella {

class CSymbolStore;

// The result report and error fields of the last executed line.
struct LineOutcome {
  CResultReport report;    // an empty result text and no entries: nothing is written
  CalcError code = kNoError;
  int errorPosition = -1;  // within the text given to the executor; -1 = none
  int errorLength = 0;

  bool Failed() const { return code != kNoError; }
  bool WritesNothing() const {
    return report.resultText.empty() && report.title.empty() && report.entries.empty();
  }
};

// PLOT, PLOT3D, SDIFF and FZEROS lines, given with their argument texts.
class WorkspaceCommands {
 public:
  virtual ~WorkspaceCommands() = default;
  virtual void Execute(std::string_view name, const std::vector<std::string>& arguments,
                       LineOutcome& outcome) = 0;
};

class LineExecutor {
 public:
  // commands may be null: a command line then fails with kOperationNotSupported.
  LineExecutor(CCalcEngine& engine, CSymbolStore& store, WorkspaceCommands* commands = nullptr)
      : engine_(engine), store_(store), commands_(commands) {}

  LineOutcome Execute(std::string_view text);

  CCalcEngine& Engine() { return engine_; }
  CSymbolStore& Store() { return store_; }

 private:
  LineOutcome StoreIntoVariable(std::string_view expression, std::string_view name);
  LineOutcome Define(std::string_view line, std::string_view left, std::string_view formula);
  LineOutcome Calculate(std::string_view text, int offset);

  CCalcEngine& engine_;
  CSymbolStore& store_;
  WorkspaceCommands* commands_;
};

// A line that starts with one of ! % * + / ^ continues from the last answer: "ANS" is put in
// front of it. A leading '-' is a negative number and is left alone.
std::string ContinueFromAnswer(std::string_view trimmedLine);

}  // namespace orvella
