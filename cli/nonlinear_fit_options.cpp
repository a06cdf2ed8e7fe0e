#include "cli/nonlinear_fit_options.h"

#include <optional>

#include "analysis/builtin_equations.h"
#include "analysis/initial_values_model.h"
#include "cli/typed_number.h"
#include "engine/text_util.h"

namespace orvella::cli {
namespace {

std::string_view WithoutLeftSide(std::string_view equation) {
  const std::string_view trimmed = Trim(equation);
  const std::size_t equals = trimmed.find('=');
  if (equals != std::string_view::npos && EqualsNoCase(Trim(trimmed.substr(0, equals)), "y")) {
    return Trim(trimmed.substr(equals + 1));
  }
  return trimmed;
}

std::optional<int> FindParameter(const NonlinearFit& fit, std::string_view name) {
  for (int i = 0; i < fit.ParameterCount(); ++i) {
    if (EqualsNoCase(fit.ParameterName(i), name)) return i;
  }
  return std::nullopt;
}

std::string UnknownParameter(std::string_view name) {
  return "the model has no parameter " + std::string(name);
}

std::string ApplyStartValue(std::string_view item, char decimalPoint, NonlinearFit& fit) {
  const std::size_t equals = item.find('=');
  if (equals == std::string_view::npos) return "--start wants name=value: " + std::string(item);
  const std::string_view name = Trim(item.substr(0, equals));
  const std::string_view text = Trim(item.substr(equals + 1));
  const std::optional<int> index = FindParameter(fit, name);
  if (!index) return UnknownParameter(name);
  const std::optional<double> value = ReadFiniteNumber(text, decimalPoint);
  if (!value) return "bad start value for " + std::string(name) + ": " + std::string(text);
  fit.SetInitialValue(*index, *value);
  fit.SetAuto(*index, false);
  return {};
}

std::string ApplyIterationLimit(const std::string& text, NonlinearFit& fit) {
  const std::optional<int> limit =
      ReadIntegerInRange(text, kMinFitIterationLimit, kMaxFitIterationLimit);
  if (!limit) {
    return "--iterations must be " + std::to_string(kMinFitIterationLimit) + " to " +
           std::to_string(kMaxFitIterationLimit) + ": " + text;
  }
  fit.SetIterationLimit(*limit);
  return {};
}

}  // namespace

FitModelChoice ChooseFitModel(std::string_view text) {
  for (const BuiltInEquation& model : BuiltInEquations()) {
    if (EqualsNoCase(model.name, Trim(text))) {
      return {std::string(model.name), std::string(model.equation)};
    }
  }
  return {std::string(kTypedModelName), std::string(WithoutLeftSide(text))};
}

std::string ApplyFitOptions(const CommandLine& line, const LocaleCharacters& convention,
                            NonlinearFit& fit) {
  for (const std::string& list : line.Values("--start")) {
    for (const std::string& item : SplitList(list, convention.argumentSeparator)) {
      if (std::string error = ApplyStartValue(item, convention.decimalPoint, fit); !error.empty()) {
        return error;
      }
    }
  }
  for (const std::string& list : line.Values("--constant")) {
    for (const std::string& name : SplitList(list, convention.argumentSeparator)) {
      const std::optional<int> index = FindParameter(fit, name);
      if (!index) return UnknownParameter(name);
      fit.SetConstant(*index, true);
    }
  }
  if (auto limit = line.Value("--iterations")) return ApplyIterationLimit(*limit, fit);
  return {};
}

}  // namespace orvella::cli
