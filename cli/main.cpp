// orvella-calc: the worksheet's calculator on the command line.
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/analysis_commands.h"
#include "cli/calc_options.h"
#include "cli/calc_session.h"
#include "cli/line_reader.h"
#include "cli/project_session.h"
#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "platform/locale_detect.h"
#include "worksheet/sheet_runner.h"
#include "worksheet/workspace_commands.h"

namespace {

using namespace orvella;

void ApplyConvention(cli::Convention convention) {
  switch (convention) {
    case cli::Convention::User: ApplyUserDecimalPoint(platform::UserDecimalPoint()); break;
    case cli::Convention::DecimalPoint: ApplyUserDecimalPoint('.'); break;
    case cli::Convention::DecimalComma: ApplyUserDecimalPoint(','); break;
  }
}

int RunInteractive(cli::CalcSession& session) {
  const std::string prompt = "> ";
  std::cout << "Orvella calculator. Type a calculation and press Enter; Ctrl-D ends.\n";
  while (auto line = cli::ReadTypedLine(prompt)) {
    LineOutcome outcome = session.Execute(*line);
    std::cout << cli::InteractiveOutput(session, outcome, static_cast<int>(prompt.size()))
              << std::flush;
  }
  std::cout << '\n';
  return 0;
}

// Exit status 1 when a line failed, 2 when the file cannot be read.
int RunSheetFile(const std::string& path, LineExecutor& executor) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::cerr << "orvella-calc: cannot read " << path << "\n";
    return 2;
  }
  std::ostringstream text;
  text << file.rdbuf();
  SheetRun run = RunSheet(text.str(), executor);
  std::cout << run.text;
  for (const SheetError& error : run.errors) {
    std::cerr << path << ":" << error.line << ": ERROR " << error.code << ": " << error.message
              << "\n";
  }
  return run.errors.empty() ? 0 : 1;
}

// The lines of a sheet file, of standard input, or typed at the prompt.
int RunLines(const cli::CalcOptions& options, CCalcEngine& engine, CSymbolStore& store) {
  CalculationCommands commands(engine);
  LineExecutor executor(engine, store, &commands);
  cli::CalcSession session(executor);
  if (!options.sheetFile.empty()) return RunSheetFile(options.sheetFile, executor);
  if (options.batch || !isatty(STDIN_FILENO)) {
    std::ios::sync_with_stdio(false);
    cli::RunBatch(session, std::cin, std::cout);
    return 0;
  }
  return RunInteractive(session);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && cli::IsAnalysisCommand(argv[1])) {
    return cli::RunAnalysisCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                   std::cerr);
  }
  std::vector<std::string> arguments(argv + 1, argv + argc);
  cli::ParsedOptions parsed = cli::ParseCalcOptions(arguments);
  if (!parsed.options) {
    std::cerr << "orvella-calc: " << parsed.error << "\n\n" << cli::UsageText();
    return 2;
  }
  const cli::CalcOptions& options = *parsed.options;
  if (options.showHelp) {
    std::cout << cli::UsageText();
    return 0;
  }
  if (options.showVersion) {
    std::cout << "orvella-calc " ORVELLA_VERSION "\n";
    return 0;
  }
  ApplyConvention(options.convention);
  CSymbolStore store;
  InstallUserNames(&store);
  CCalcEngine standalone;
  std::unique_ptr<cli::ProjectSession> project;
  if (!options.projectFile.empty()) {
    project = std::make_unique<cli::ProjectSession>(store);
    if (const std::string failure = project->Open(options.projectFile); !failure.empty()) {
      std::cerr << "orvella-calc: " << failure << "\n";
      return 2;
    }
    if (options.showInfo) {
      std::cout << project->Info();
      return 0;
    }
  }
  CCalcEngine& engine = project ? project->Engine() : standalone;
  cli::ApplyOptions(options, engine);
  const int status = RunLines(options, engine, store);
  if (project && options.save) {
    const std::string target = options.saveFile.empty() ? project->PathName() : options.saveFile;
    if (const std::string failure = project->Save(target); !failure.empty()) {
      std::cerr << "orvella-calc: " << failure << "\n";
      return 2;
    }
  }
  return status;
}
