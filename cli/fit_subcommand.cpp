// "fit FILE --linear=MODEL" and "fit FILE --model=EQUATION": the regressions of a table.
#include <array>

#include "analysis/linear_fit.h"
#include "analysis/linear_models.h"
#include "analysis/nonlinear_fit.h"
#include "cli/data_file.h"
#include "cli/nonlinear_fit_options.h"
#include "cli/subcommands.h"
#include "engine/text_util.h"

namespace orvella::cli {
namespace {

constexpr std::array<AcceptedOption, 5> kFitOptions{{
    {"--linear", true},
    {"--model", true},
    {"--start", true},
    {"--constant", true},
    {"--iterations", true},
}};

constexpr std::array<std::string_view, 3> kNonlinearOnlyOptions = {"--start", "--constant",
                                                                   "--iterations"};

// "Straight" of "Straight line": what a user types.
std::string_view ShortName(const LinearModel& model) {
  const std::string_view full = model.name;
  return full.substr(0, full.find(' '));
}

// A model by its name or the name's first word, letter case aside.
const LinearModel* FindLinearModelByName(std::string_view name) {
  for (const LinearModel& model : kLinearModels) {
    if (EqualsNoCase(model.name, name) || EqualsNoCase(ShortName(model), name)) return &model;
  }
  return nullptr;
}

// "straight, logarithmic, ...": the names as the usage lists them.
std::string LinearModelNames() {
  std::string names;
  for (const LinearModel& model : kLinearModels) {
    if (!names.empty()) names += ", ";
    for (char c : ShortName(model)) names += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  return names;
}

CommandOutcome RunLinearFit(const std::string& modelName, const CDataTable& table,
                            const OutputSettings& settings) {
  const LinearModel* model = FindLinearModelByName(modelName);
  if (model == nullptr) {
    return BadUsage("unknown linear model: " + modelName + " (one of " + LinearModelNames() + ")");
  }
  LinearFit fit(table);
  fit.SetModel(model->code);
  CResultReport report;
  if (CalcError code = fit.Run(report, settings.format); code != kNoError) {
    return AnalysisFailed(ErrorText(code));
  }
  // What the fitted graph carries as its result.
  report.resultText = "Linear fit - " + std::string(model->name) + " of " + table.Name();
  return Succeeded(ReportOutput(report, settings));
}

CommandOutcome RunNonlinearFit(const CommandLine& line, const CDataTable& table,
                               const OutputSettings& settings) {
  const FitModelChoice choice = ChooseFitModel(*line.Value("--model"));
  if (choice.equation.empty()) return BadUsage("--model needs an equation or a model name");
  NonlinearFit fit;
  if (CalcError code = fit.SetEquation(choice.equation); code != kNoError) {
    return AnalysisFailed(ErrorText(code));
  }
  fit.SetModelName(choice.name);
  if (std::string error = ApplyFitOptions(line, settings.convention, fit); !error.empty()) {
    return BadUsage(error);
  }
  fit.SetTable(&table);
  if (CalcError code = fit.Run(); code != kNoError) return AnalysisFailed(ErrorText(code));
  CResultReport report;
  fit.FillReport(report, settings.format);
  return Succeeded(ReportOutput(report, settings));
}

// Exactly one of the two kinds of fit, and the nonlinear options only with --model.
std::string CheckFitKind(const CommandLine& line) {
  const bool linear = line.Has("--linear");
  if (linear == line.Has("--model")) return "fit needs either --linear or --model";
  for (std::string_view option : kNonlinearOnlyOptions) {
    if (linear && line.Has(option)) return std::string(option) + " needs --model";
  }
  return {};
}

CommandOutcome RunFit(const CommandLine& line, const OutputSettings& settings) {
  if (line.Positional().size() != 1) return WrongFileCount("fit", 1, line.Positional().size());
  if (std::string error = CheckFitKind(line); !error.empty()) return BadUsage(error);
  CDataTable table;
  if (std::string error =
          LoadTable(line.Positional().front(), settings.convention.decimalPoint, table);
      !error.empty()) {
    return BadUsage(error);
  }
  if (auto model = line.Value("--linear")) return RunLinearFit(*model, table, settings);
  return RunNonlinearFit(line, table, settings);
}

constexpr Subcommand kFit{
    "fit",
    "  fit FILE --linear=MODEL\n"
    "      linear regression; MODEL: straight, logarithmic, exponential, power,\n"
    "      quadratic, cubic or quartic\n"
    "  fit FILE --model=EQUATION|NAME [--start=a=1,b=2] [--constant=b]\n"
    "          [--iterations=N]\n"
    "      nonlinear regression of y = EQUATION, or of a built-in model by its name\n"
    "      (\"Power curve\"); --start gives starting values, --constant holds\n"
    "      parameters at them, --iterations limits the iterations (1 to 10000,\n"
    "      default 100)\n",
    kFitOptions, RunFit};

}  // namespace

const Subcommand& FitSubcommand() { return kFit; }

}  // namespace orvella::cli
