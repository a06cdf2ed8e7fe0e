#include "cli/calc_options.h"

#include <string_view>

#include "cli/analysis_commands.h"
#include "cli/named_choices.h"
#include "cli/typed_number.h"

namespace orvella::cli {
namespace {

constexpr NamedChoice<AngleMode> kAngleNames[] = {
    {"deg", AngleMode::Degrees}, {"degrees", AngleMode::Degrees},
    {"rad", AngleMode::Radians}, {"radians", AngleMode::Radians},
    {"grad", AngleMode::Gradians}, {"gradians", AngleMode::Gradians}};

// Splits "--name=value"; a bare "--name" has no value.
std::pair<std::string_view, std::optional<std::string_view>> SplitOption(std::string_view arg) {
  std::size_t equals = arg.find('=');
  if (equals == std::string_view::npos) return {arg, std::nullopt};
  return {arg.substr(0, equals), arg.substr(equals + 1)};
}

}  // namespace

ParsedOptions ParseCalcOptions(const std::vector<std::string>& arguments) {
  CalcOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    auto [name, inlineValue] = SplitOption(arguments[i]);
    auto value = [&, name = name, inlineValue = inlineValue]() -> std::optional<std::string_view> {
      if (inlineValue) return inlineValue;
      if (i + 1 < arguments.size()) return std::string_view(arguments[++i]);
      return std::nullopt;
    };
    auto fail = [&](std::string_view what) {
      return ParsedOptions{std::nullopt, std::string(what) + ": " + arguments[i]};
    };
    if (name == "--batch" || name == "-b") {
      options.batch = true;
    } else if (name == "--help" || name == "-h") {
      options.showHelp = true;
    } else if (name == "--version") {
      options.showVersion = true;
    } else if (name == "--sheet") {
      auto file = value();
      if (!file || file->empty()) return fail("--sheet needs a file");
      options.sheetFile = std::string(*file);
    } else if (name == "--project") {
      auto file = value();
      if (!file || file->empty()) return fail("--project needs a file");
      options.projectFile = std::string(*file);
    } else if (name == "--info") {
      options.showInfo = true;
    } else if (name == "--save") {
      options.save = true;
      // Only "--save=FILE": a bare --save must not take the next argument as its file.
      if (inlineValue) options.saveFile = std::string(*inlineValue);
    } else if (name == "--decimal-comma") {
      options.convention = Convention::DecimalComma;
    } else if (name == "--decimal-point") {
      options.convention = Convention::DecimalPoint;
    } else if (name == "--angle") {
      auto text = value();
      auto mode = text ? FindChoice<AngleMode>(kAngleNames, *text) : std::nullopt;
      if (!mode) return fail("unknown angle mode");
      options.angleMode = *mode;
    } else if (name == "--format") {
      auto text = value();
      auto type = text ? NumberFormatTypeFromName(*text) : std::nullopt;
      if (!type) return fail("unknown number format");
      options.format = *type;
    } else if (name == "--places") {
      auto text = value();
      auto places = text ? ReadIntegerInRange(*text, 0, 16) : std::nullopt;
      if (!places) return fail("decimal places must be 0 to 16");
      options.decimalPlaces = *places;
    } else if (name == "--base") {
      auto text = value();
      auto base = text ? ReadIntegerInRange(*text, 2, 36) : std::nullopt;
      if (!base) return fail("input base must be 2 to 36");
      options.inputBase = *base;
    } else {
      return fail("unknown option");
    }
  }
  if ((options.showInfo || options.save) && options.projectFile.empty()) {
    return ParsedOptions{std::nullopt, "--info and --save need --project"};
  }
  return ParsedOptions{options, {}};
}

std::string UsageText() {
  return "Usage: orvella-calc [options]\n"
         "Reads one statement per line and prints its result.\n"
         "\n"
         "  --batch, -b             one output line per input line (default when input\n"
         "                          is not a terminal); errors as 'ERROR <code>: <message>'\n"
         "  --angle=deg|rad|grad    angle mode of trigonometric functions (default rad)\n"
         "  --format=NAME           general, number, standard, scientific, engineering\n"
         "                          or currency (default general)\n"
         "  --places=N              decimal places, 0 to 16 (default 5)\n"
         "  --base=N                input number base, 2 to 36 (default 10)\n"
         "  --sheet=FILE            run a worksheet text file as if Enter was pressed on\n"
         "                          every line and print the text the worksheet then holds\n"
         "                          (messages of failing lines go to standard error)\n"
         "  --project=FILE          calculate with the variables and expression variables\n"
         "                          of a project file (.ovp)\n"
         "  --info                  with --project: print what the project holds and stop\n"
         "  --save[=FILE]           with --project: save the project when the lines are\n"
         "                          done, to FILE or back to where it was read from\n"
         "  --decimal-comma         ',' as decimal point and ';' between arguments\n"
         "  --decimal-point         '.' as decimal point and ',' between arguments\n"
         "                          (default: as the user's locale says)\n"
         "  --help, --version\n" +
         AnalysisUsageText();
}

void ApplyOptions(const CalcOptions& options, CCalcEngine& engine) {
  engine.SetAngleMode(options.angleMode);
  engine.ResultFormat().SetType(options.format);
  engine.ResultFormat().SetDecimalPlaces(options.decimalPlaces);
  engine.SetInputBase(options.inputBase);
}

}  // namespace orvella::cli
