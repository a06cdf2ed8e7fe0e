#include "graphing/graph2d.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/data_table.h"
#include "engine/locale_chars.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

// Setters treat doubles closer than this, relative to their size, as unchanged, so that a
// value typed back as it was shown does not count as an edit at any magnitude.
constexpr double kRelativeTolerance = 1e-8;

bool SameValue(double a, double b) {
  return std::abs(a - b) <= kRelativeTolerance * std::max(std::abs(a), std::abs(b));
}

struct Extremes {
  double max = 0.0;
  double min = 0.0;
};

// Over the column's finite values; zeros when it has none, so a fit to an empty table
// still gives a usable range.
Extremes ColumnExtremes(const CDataTable& table, int column) {
  if (column >= table.ColumnCount()) return {};
  const CDataList& list = table.Column(column);
  std::optional<Extremes> found;
  for (int row = 1; row <= list.Count(); ++row) {
    const double value = list.Value(row);
    if (!std::isfinite(value)) continue;
    if (!found) {
      found = Extremes{value, value};
    } else {
      found->max = std::max(found->max, value);
      found->min = std::min(found->min, value);
    }
  }
  return found.value_or(Extremes{});
}

// The parametric label's separator must not be mistaken for the argument separator of
// the expressions it stands between.
char ParametricSeparator() { return ExpressionChars().argumentSeparator == ',' ? ';' : ':'; }

}  // namespace

CGraph2D::CGraph2D() {
  SetStyle(kAutomatic);
  SetColour(kAutomatic);
  SetWidth(kAutomatic);
  // A new record is not an edit.
  SetModified(false);
  ClearAppearanceChanged();
}

CGraph2D::~CGraph2D() = default;

void CGraph2D::MarkResample() {
  needResample_ = true;
  SetModified(true);
}

void CGraph2D::Set(const std::string& expr1, const std::string& expr2, GraphType2D type,
                   double domainMin, double domainMax) {
  if (expr1_ != expr1) {
    expr1_ = expr1;
    MarkResample();
  }
  if (expr2_ != expr2) {
    expr2_ = expr2;
    MarkResample();
  }
  if (type != type_ && IsKnownGraphType(static_cast<std::int32_t>(type))) {
    type_ = type;
    MarkResample();
  }
  SetDomain(domainMin, domainMax);
}

void CGraph2D::SetDomain(double domainMin, double domainMax) {
  if (!std::isfinite(domainMin) || !std::isfinite(domainMax)) return;
  if (!(domainMax > domainMin)) return;
  if (SameValue(domainMin, domainMin_) && SameValue(domainMax, domainMax_)) return;
  domainMin_ = domainMin;
  domainMax_ = domainMax;
  MarkResample();
}

std::string CGraph2D::Label() const {
  if (!Name().empty()) return Name();
  if (expr1_.empty()) return {};
  switch (type_) {
    case GraphType2D::kPolar:
      return "r = " + expr1_;
    case GraphType2D::kParametric:
      return "x = " + expr1_ + ParametricSeparator() + " y = " + expr2_;
    case GraphType2D::kRectangular:
      break;
  }
  return "y = " + expr1_;
}

void CGraph2D::AttachTable(const CDataTable* table) {
  if (table == nullptr) {
    DetachTable();
    return;
  }
  dataTable_ = table;
  const Extremes x = ColumnExtremes(*table, 0);
  const Extremes y = ColumnExtremes(*table, 1);
  dataBounds = {x.max, x.min, y.max, y.min};
  SetModified(true);
}

void CGraph2D::DetachTable() {
  if (dataTable_ == nullptr) return;
  dataTable_ = nullptr;
  SetModified(true);
}

void CGraph2D::CopyFrom(const CGraph2D& other) {
  CopyAppearance(other);
  expr1_ = other.expr1_;
  expr2_ = other.expr2_;
  plot_ = other.plot_;
  domainMin_ = other.domainMin_;
  domainMax_ = other.domainMax_;
  type_ = other.type_;
  bounds = other.bounds;
  // The samples are not copied, so the copy's own must be computed.
  needResample_ = true;
  needRemap_ = true;
  SetModified(true);
}

}  // namespace orvella
