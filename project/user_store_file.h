// The user store file: the user functions, user constants, user conversions, solver models
// and the user's equation library, which outlive every project. Its five blocks are read
// completely before anything is applied, so a damaged file is never half-applied.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/equation_library.h"
#include "engine/symbol_store.h"
#include "library/unit_graph.h"

namespace orvella {

class CMyDocument;

struct StoredUserFunction {
  std::string name;
  std::string body;  // in the reader's convention
  std::string usageNote;
  std::vector<std::string> parameters;
};

struct StoredSolverModel {
  std::string reserved;
  std::string equation;  // in the reader's convention
  std::string note;
  double min = 0.0;
  double max = 0.0;
  double reserved2 = 0.0;
  std::int32_t decimalPlaces = 5;
};

struct UserStoreContents {
  std::vector<StoredUserFunction> functions;
  std::vector<UserConstant> constants;
  std::vector<UnitRelation> conversions;
  std::vector<StoredSolverModel> models;
  std::vector<EquationCategory> library;
};

// None when the bytes end early or hold impossible lengths.
std::optional<UserStoreContents> ReadUserStoreBytes(std::string_view bytes);
std::string WriteUserStoreBytes(const CSymbolStore& symbols, const CMyDocument& document);

// Replaces the user definitions, the solver models and the user library by the contents.
// Functions and models are validated again: one that fails is dropped.
void ApplyUserStore(const UserStoreContents& contents, CSymbolStore& symbols,
                    CMyDocument& document);

// The file on disk, written again whenever what it would hold changes.
class UserStoreFile {
 public:
  explicit UserStoreFile(std::filesystem::path file) : file_(std::move(file)) {}

  // Reads and applies the file; a missing file changes nothing. A damaged file is kept
  // beside it under another name and nothing of it is applied. The message to tell the
  // user, once; empty when there is nothing to tell.
  std::string Load(CSymbolStore& symbols, CMyDocument& document);
  // Writes the file, safely, when its contents would differ from the file's. False when
  // the write failed (the old file is then as it was) and when a file that could not be
  // read or set aside is kept from being written over.
  bool SaveIfChanged(const CSymbolStore& symbols, const CMyDocument& document);

  const std::filesystem::path& Path() const { return file_; }

 private:
  std::filesystem::path file_;
  std::optional<std::string> written_;
  bool frozen_ = false;
};

}  // namespace orvella
