#include "project/user_store_file.h"

#include <chrono>
#include <cstdio>
#include <memory>

#include "engine/locale_chars.h"
#include "engine/text_util.h"
#include "library/formula_translation.h"
#include "library/unit_relations.h"
#include "platform/file_io.h"
#include "project/archive/archive.h"
#include "project/my_document.h"

namespace orvella {
namespace {

// A file of definitions typed by a person stays far below this.
constexpr std::size_t kMaxUserStoreBytes = std::size_t{256} << 20;
constexpr std::size_t kMinFunctionBytes = 3 + 4;
constexpr std::size_t kMinConstantBytes = 3 + 16;
constexpr std::size_t kMinConversionBytes = 2 + 8;
constexpr std::size_t kMinModelBytes = 4 + 3 + 24 + 4 + 8;
constexpr std::size_t kMinCategoryBytes = 1 + 4;
constexpr std::size_t kMinEntryBytes = 4 + 5;
constexpr std::size_t kMinVariableBytes = 1 + 8;
// Loaded models search with the usual number of steps; it is not stored.
constexpr int kLoadedModelSteps = 200;

// An equation's two sides are translated apart, so that the '=' between them is kept
// whatever the printer would make of it.
std::string TranslateEquation(const std::string& equation, bool decimalIsPoint) {
  const std::size_t equals = equation.find('=');
  if (equals == std::string::npos || equals == 0) return TranslateFormula(equation, decimalIsPoint);
  return TranslateFormula(equation.substr(0, equals), decimalIsPoint) + "=" +
         TranslateFormula(equation.substr(equals + 1), decimalIsPoint);
}

void ReadFunctions(ArchiveReader& in, UserStoreContents& contents) {
  const bool decimalIsPoint = in.ReadBool();
  const std::int32_t count = in.ReadRecordCount(kMinFunctionBytes);
  for (std::int32_t i = 0; i < count && !in.Failed(); ++i) {
    StoredUserFunction function;
    function.name = in.ReadText();
    function.body = TranslateFormula(in.ReadText(), decimalIsPoint);
    function.usageNote = in.ReadText();
    const std::int32_t parameters = in.ReadRecordCount(1);
    for (std::int32_t p = 0; p < parameters && !in.Failed(); ++p) {
      function.parameters.push_back(in.ReadText());
    }
    contents.functions.push_back(std::move(function));
  }
}

void ReadConstants(ArchiveReader& in, UserStoreContents& contents) {
  in.ReadInt32();  // numbers are stored as numbers
  const std::int32_t count = in.ReadRecordCount(kMinConstantBytes);
  for (std::int32_t i = 0; i < count && !in.Failed(); ++i) {
    UserConstant constant;
    constant.name = in.ReadText();
    constant.symbol = in.ReadText();
    constant.unit = in.ReadText();
    constant.value = in.ReadDouble();
    constant.secondValue = in.ReadDouble();
    contents.constants.push_back(std::move(constant));
  }
}

void ReadConversions(ArchiveReader& in, UserStoreContents& contents) {
  in.ReadInt32();
  const std::int32_t count = in.ReadRecordCount(kMinConversionBytes);
  for (std::int32_t i = 0; i < count && !in.Failed(); ++i) {
    UnitRelation relation;
    relation.from = in.ReadText();
    relation.to = in.ReadText();
    relation.factor = in.ReadDouble();
    contents.conversions.push_back(std::move(relation));
  }
}

void ReadModels(ArchiveReader& in, UserStoreContents& contents) {
  const std::int32_t count = in.ReadRecordCount(kMinModelBytes);
  for (std::int32_t i = 0; i < count && !in.Failed(); ++i) {
    StoredSolverModel model;
    const bool decimalIsPoint = in.ReadBool();
    model.reserved = in.ReadText();
    model.equation = TranslateEquation(in.ReadText(), decimalIsPoint);
    model.note = in.ReadText();
    model.min = in.ReadDouble();
    model.max = in.ReadDouble();
    model.reserved2 = in.ReadDouble();
    model.decimalPlaces = in.ReadInt32();
    // The model's variables are rebuilt from its equation, so their stored values go.
    in.ReadInt32();
    const std::int32_t variables = in.ReadRecordCount(kMinVariableBytes);
    for (std::int32_t v = 0; v < variables && !in.Failed(); ++v) {
      in.ReadText();
      in.ReadDouble();
    }
    contents.models.push_back(std::move(model));
  }
}

void ReadLibrary(ArchiveReader& in, UserStoreContents& contents) {
  const std::int32_t categories = in.ReadRecordCount(kMinCategoryBytes);
  for (std::int32_t c = 0; c < categories && !in.Failed(); ++c) {
    EquationCategory category;
    category.name = in.ReadText();
    const std::int32_t entries = in.ReadRecordCount(kMinEntryBytes);
    for (std::int32_t e = 0; e < entries && !in.Failed(); ++e) {
      in.ReadInt32();  // the writer's decimal character; library texts are kept as typed
      EquationModel model;
      in.ReadText();  // the category the model had: it takes the one it is stored in
      model.category = category.name;
      model.name = in.ReadText();
      model.equation = in.ReadText();
      model.description = in.ReadText();
      model.preview = in.ReadText();
      category.models.push_back(std::move(model));
    }
    contents.library.push_back(std::move(category));
  }
}

std::string Joined(const std::vector<std::string>& parts, char separator) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += separator;
    text += parts[i];
  }
  return text;
}

void ApplyFunctions(const std::vector<StoredUserFunction>& functions, CSymbolStore& symbols,
                    const CCalcEngine& engine) {
  for (int i = static_cast<int>(symbols.UserFunctions().size()) - 1; i >= 0; --i) {
    symbols.DeleteUserFunction(i);
  }
  const char separator = ExpressionChars().argumentSeparator;
  for (const StoredUserFunction& function : functions) {
    const std::string definition =
        function.name + "(" + Joined(function.parameters, separator) + ") = " + function.body;
    if (symbols.DefineUserFunction(engine, definition, false) != kNoError) continue;
    symbols.UserFunctions().back()->usageNote = function.usageNote;
  }
}

void ApplyModels(const std::vector<StoredSolverModel>& stored, SolverModels& models) {
  models.clear();
  for (const StoredSolverModel& record : stored) {
    auto model = std::make_unique<CSolverModel>();
    if (model->SetEquation(record.equation) != kNoError) continue;
    model->note = record.note;
    model->min = record.min;
    model->max = record.max;
    model->reserved = record.reserved;
    model->reserved2 = record.reserved2;
    model->SetSolverDecimalPlaces(record.decimalPlaces);
    model->SetSolverSteps(kLoadedModelSteps);
    models.push_back(std::move(model));
  }
}

// Beside the damaged file, under a name no other file has.
std::filesystem::path KeptName(const std::filesystem::path& file) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                           std::chrono::system_clock::now().time_since_epoch())
                           .count();
  std::filesystem::path kept = file;
  kept += ".damaged-" + std::to_string(seconds);
  for (int n = 2; std::filesystem::exists(kept); ++n) {
    kept = file;
    kept += ".damaged-" + std::to_string(seconds) + "-" + std::to_string(n);
  }
  return kept;
}

}  // namespace

std::optional<UserStoreContents> ReadUserStoreBytes(std::string_view bytes) {
  ArchiveReader in(bytes);
  UserStoreContents contents;
  ReadFunctions(in, contents);
  ReadConstants(in, contents);
  ReadConversions(in, contents);
  ReadModels(in, contents);
  ReadLibrary(in, contents);
  if (in.Failed()) return std::nullopt;
  return contents;
}

std::string WriteUserStoreBytes(const CSymbolStore& symbols, const CMyDocument& document) {
  ArchiveWriter out;
  const bool decimalIsPoint = DecimalIsPoint();
  out.WriteBool(decimalIsPoint);
  out.WriteInt32(static_cast<std::int32_t>(symbols.UserFunctions().size()));
  for (const auto& function : symbols.UserFunctions()) {
    out.WriteText(function->Name());
    out.WriteText(function->Body());
    out.WriteText(function->usageNote);
    out.WriteInt32(function->ParameterCount());
    for (const std::string& parameter : function->Parameters()) out.WriteText(parameter);
  }
  out.WriteBool(decimalIsPoint);
  out.WriteInt32(static_cast<std::int32_t>(symbols.UserConstants().size()));
  for (const UserConstant& constant : symbols.UserConstants()) {
    out.WriteText(constant.name);
    out.WriteText(constant.symbol);
    out.WriteText(constant.unit);
    out.WriteDouble(constant.value);
    out.WriteDouble(constant.secondValue);
  }
  out.WriteBool(decimalIsPoint);
  out.WriteInt32(UserConversionCount());
  for (const UnitRelation& relation : UserConversions()) {
    out.WriteText(relation.from);
    out.WriteText(relation.to);
    out.WriteDouble(relation.factor);
  }
  out.WriteInt32(static_cast<std::int32_t>(document.Solvers().size()));
  for (const auto& model : document.Solvers()) {
    out.WriteBool(decimalIsPoint);
    out.WriteText(model->reserved);
    out.WriteText(model->Equation());
    out.WriteText(model->note);
    out.WriteDouble(model->min);
    out.WriteDouble(model->max);
    out.WriteDouble(model->reserved2);
    out.WriteInt32(model->SolverDecimalPlaces());
    out.WriteBool(decimalIsPoint);
    out.WriteInt32(static_cast<std::int32_t>(model->Variables().size()));
    for (const ValueVariable& variable : model->Variables()) {
      out.WriteText(variable.name);
      out.WriteDouble(variable.value);
    }
  }
  const EquationLibrary& library = document.UserLibrary();
  out.WriteInt32(library.CategoryCount());
  for (const EquationCategory& category : library.Categories()) {
    out.WriteText(category.name);
    out.WriteInt32(static_cast<std::int32_t>(category.models.size()));
    for (const EquationModel& model : category.models) {
      out.WriteBool(decimalIsPoint);
      for (const std::string* text : {&category.name, &model.name, &model.equation,
                                      &model.description, &model.preview}) {
        out.WriteText(*text);
      }
    }
  }
  return out.TakeBytes();
}

void ApplyUserStore(const UserStoreContents& contents, CSymbolStore& symbols,
                    CMyDocument& document) {
  ApplyFunctions(contents.functions, symbols, document.Engine());
  symbols.UserConstants() = contents.constants;
  ResetUnitRelations();
  for (const UnitRelation& relation : contents.conversions) {
    AddUserConversion(relation.from, relation.to, relation.factor);
  }
  ApplyModels(contents.models, document.Solvers());
  EquationLibrary& library = document.UserLibrary();
  library.Clear();
  for (const EquationCategory& category : contents.library) {
    library.NewCategory(category.name);
    for (const EquationModel& model : category.models) library.AddModel(model);
  }
}

std::string UserStoreFile::Load(CSymbolStore& symbols, CMyDocument& document) {
  std::string bytes;
  const platform::FileError error = platform::ReadWholeFile(file_, kMaxUserStoreBytes, bytes);
  if (error == platform::FileError::kNotFound) return {};
  const std::string file = file_.string();
  if (error != platform::FileError::kNone && error != platform::FileError::kTooLarge) {
    // Unreadable is not damaged: the file may be fine, so it is never written over.
    frozen_ = true;
    return "Your own definitions could not be read from " + file +
           "; they start empty, and that file is left as it is.";
  }
  const std::optional<UserStoreContents> contents = ReadUserStoreBytes(bytes);
  if (!contents) {
    const std::filesystem::path kept = KeptName(file_);
    std::error_code failed;
    std::filesystem::rename(file_, kept, failed);
    if (failed) {
      frozen_ = true;
      return "Your own definitions could not be read from " + file +
             ": the file is damaged. They start empty, and that file is left as it is.";
    }
    return "Your own definitions could not be read from " + file +
           ": the file is damaged. It was kept as " + kept.string() +
           ", and the definitions start empty.";
  }
  ApplyUserStore(*contents, symbols, document);
  written_ = WriteUserStoreBytes(symbols, document);
  return {};
}

bool UserStoreFile::SaveIfChanged(const CSymbolStore& symbols, const CMyDocument& document) {
  if (frozen_) return false;
  std::string bytes = WriteUserStoreBytes(symbols, document);
  if (written_ && *written_ == bytes) return true;
  if (!platform::ReplaceFileAtomically(file_, bytes)) return false;
  written_ = std::move(bytes);
  return true;
}

}  // namespace orvella
