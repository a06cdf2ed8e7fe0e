// The common base of the project's numeric data items: data tables, lists (and the
// columns of a table, which are lists) and matrices.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;

// The stored item type codes; the code is written to the project file, never branched on.
inline constexpr std::int32_t kItemTypeTable = 0;
inline constexpr std::int32_t kItemTypeList = 2;
inline constexpr std::int32_t kItemTypeMatrix = 4;

class CDataItem {
 public:
  CDataItem() = default;
  explicit CDataItem(std::int32_t itemType) : itemType_(itemType) {}
  CDataItem(const CDataItem&) = default;
  CDataItem& operator=(const CDataItem&) = default;
  virtual ~CDataItem();

  // The operations every item answers; the base versions do nothing and return 0.
  virtual std::int32_t ItemType() const { return itemType_; }
  // Fills the statistics cache of the item.
  virtual CalcError ComputeStatistics() { return kNoError; }
  // A copy of the item transformed in the way `kind` selects.
  virtual CalcError DeriveTransformed(int /*kind*/, std::unique_ptr<CDataItem>& /*result*/) const {
    return kNoError;
  }
  // Applies a library function (by its code) to every value.
  virtual CalcError ApplyFunction(int /*functionCode*/) { return kNoError; }
  // Replaces every value v by the engine's parsed expression evaluated at x = v.
  virtual CalcError Transform(CCalcEngine& /*engine*/) { return kNoError; }
  virtual CalcError Sort(bool /*descending*/, int /*keyColumn*/) { return kNoError; }

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  bool IsModified() const { return modified_ != 0; }
  void SetModified(bool modified) { modified_ = modified ? 1 : 0; }
  bool IsEditable() const { return editable_ != 0; }
  void SetEditable(bool editable) { editable_ = editable ? 1 : 0; }

 private:
  std::int32_t itemType_ = kItemTypeTable;
  std::string name_;
  std::int32_t modified_ = 0;
  std::int32_t editable_ = 1;
};

}  // namespace orvella
