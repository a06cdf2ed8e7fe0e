// What the "Initial Values" dialog shows and how its controls depend on each other, without
// the widgets: per parameter a label, a number field, "Auto" and "Constant"; the iteration
// limit; OK writes everything back into the fit.
//
// The dialog has twenty rows. A model with more parameters is shown in pages of twenty:
// row r of page p stands for parameter 20 * p + r, and the edits of every page are kept
// until OK, so the dialog offers "Previous" and "Next" buttons while PageCount() > 1.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvella {

class NonlinearFit;

inline constexpr int kInitialValueRows = 20;
inline constexpr int kMinFitIterationLimit = 1;
inline constexpr int kMaxFitIterationLimit = 10000;

// One of the twenty rows as the dialog draws it.
struct InitialValueRow {
  bool visible = false;       // beyond the last parameter: hidden and disabled
  std::string label;          // the parameter's name
  std::string valueText;      // the number field
  bool valueEnabled = false;  // the field is editable exactly when Auto is off
  bool autoValue = false;
  bool constant = false;
};

class InitialValuesModel {
 public:
  // Takes the fit's parameters, starting values ("%g"), flags and iteration limit.
  explicit InitialValuesModel(const NonlinearFit& fit);

  int ParameterCount() const { return static_cast<int>(parameters_.size()); }
  int PageCount() const;
  int Page() const { return page_; }
  // Clamped to 0 .. PageCount() - 1.
  void ShowPage(int page);
  // Row 0..19 of the page shown; an empty, hidden row outside.
  InitialValueRow Row(int row) const;

  // Both boxes of a row switch the other off; the field follows "Auto". Rows that stand for
  // no parameter ignore the calls.
  void SetAuto(int row, bool checked);
  void SetConstant(int row, bool checked);
  void SetValueText(int row, std::string text);

  // The hidden iteration field.
  const std::string& IterationText() const { return iterationText_; }
  void SetIterationText(std::string text) { iterationText_ = std::move(text); }

  // OK: flags and values of every parameter, on every page. A field left as shown keeps
  // the exact starting value rather than its six-digit "%g" form. The iteration limit is
  // stored only when the field reads as a whole number from 1 to 10000.
  void Apply(NonlinearFit& fit) const;

 private:
  struct Entry {
    std::string name;
    std::string shownText;
    std::string valueText;
    double value = 0.0;
    bool autoValue = false;
    bool constant = false;
  };

  Entry* EntryOfRow(int row);
  const Entry* EntryOfRow(int row) const;

  std::vector<Entry> parameters_;
  std::string iterationText_;
  int page_ = 0;
};

}  // namespace orvella
