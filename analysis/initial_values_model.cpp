#include "analysis/initial_values_model.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "analysis/nonlinear_fit.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

std::optional<int> WholeNumber(std::string_view text) {
  const std::string trimmed(Trim(text));
  if (trimmed.empty()) return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(trimmed.c_str(), &end, 10);
  if (end != trimmed.c_str() + trimmed.size()) return std::nullopt;
  if (value < kMinFitIterationLimit || value > kMaxFitIterationLimit) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

InitialValuesModel::InitialValuesModel(const NonlinearFit& fit)
    : iterationText_(std::to_string(fit.IterationLimit())) {
  for (int i = 0; i < fit.ParameterCount(); ++i) {
    Entry entry;
    entry.name = fit.ParameterName(i);
    entry.value = fit.InitialValue(i);
    entry.shownText = PrintGeneral(entry.value, 6);
    entry.valueText = entry.shownText;
    entry.autoValue = fit.IsAuto(i);
    entry.constant = fit.IsConstant(i);
    parameters_.push_back(std::move(entry));
  }
}

int InitialValuesModel::PageCount() const {
  return std::max(1, (ParameterCount() + kInitialValueRows - 1) / kInitialValueRows);
}

void InitialValuesModel::ShowPage(int page) { page_ = std::clamp(page, 0, PageCount() - 1); }

InitialValuesModel::Entry* InitialValuesModel::EntryOfRow(int row) {
  return const_cast<Entry*>(std::as_const(*this).EntryOfRow(row));
}

const InitialValuesModel::Entry* InitialValuesModel::EntryOfRow(int row) const {
  if (row < 0 || row >= kInitialValueRows) return nullptr;
  const int index = page_ * kInitialValueRows + row;
  return index < ParameterCount() ? &parameters_[index] : nullptr;
}

InitialValueRow InitialValuesModel::Row(int row) const {
  const Entry* entry = EntryOfRow(row);
  if (entry == nullptr) return {};
  return InitialValueRow{true,          entry->name,      entry->valueText,
                         !entry->autoValue, entry->autoValue, entry->constant};
}

void InitialValuesModel::SetAuto(int row, bool checked) {
  if (Entry* entry = EntryOfRow(row)) {
    entry->autoValue = checked;
    entry->constant = false;
  }
}

void InitialValuesModel::SetConstant(int row, bool checked) {
  if (Entry* entry = EntryOfRow(row)) {
    entry->constant = checked;
    entry->autoValue = false;
  }
}

void InitialValuesModel::SetValueText(int row, std::string text) {
  if (Entry* entry = EntryOfRow(row)) entry->valueText = std::move(text);
}

void InitialValuesModel::Apply(NonlinearFit& fit) const {
  for (int i = 0; i < ParameterCount() && i < fit.ParameterCount(); ++i) {
    const Entry& entry = parameters_[i];
    fit.SetAuto(i, entry.autoValue);
    fit.SetConstant(i, entry.constant);
    const bool edited = entry.valueText != entry.shownText;
    fit.SetInitialValue(i, edited ? std::strtod(entry.valueText.c_str(), nullptr) : entry.value);
  }
  if (std::optional<int> limit = WholeNumber(iterationText_)) fit.SetIterationLimit(*limit);
}

}  // namespace orvella
