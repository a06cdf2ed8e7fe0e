// The models of the linear regression: curves that are linear in their parameters, some
// after taking the logarithm of x or y. Each is a row of data: its names, the basis
// function behind each parameter and the transforms the fit runs through.
#pragma once

#include <array>
#include <cstdint>

namespace orvella {

// How a parameter fitted on the transformed scale becomes the reported one.
enum class BackTransform : std::uint8_t {
  kNone,
  kExp,  // fitted as A = ln a
};

struct LinearParameter {
  const char* name;
  // The basis function is u^power, u being x or, for models with logX, ln x.
  int power;
  BackTransform back;
};

inline constexpr int kMaxLinearParameters = 5;

struct LinearModel {
  int code;
  const char* name;
  // As the report shows the equation.
  const char* displayFormula;
  // With "[i]" for parameter i (from 1), to be filled with the fitted values.
  const char* parametricFormula;
  bool logX;  // the basis functions take ln x
  bool logY;  // the fit runs on ln y
  int parameterCount;
  std::array<LinearParameter, kMaxLinearParameters> parameters;
};

inline constexpr int kLinearModelCount = 7;

inline constexpr std::array<LinearModel, kLinearModelCount> kLinearModels{{
    {0, "Straight line", "a+b*x", "[1]+[2]*x", false, false, 2,
     {{{"a", 0, BackTransform::kNone}, {"b", 1, BackTransform::kNone}}}},
    {1, "Logarithmic", "a+b*ln(x)", "[1]+[2]*ln(x)", true, false, 2,
     {{{"a", 0, BackTransform::kNone}, {"b", 1, BackTransform::kNone}}}},
    // ln y = ln a + x ln b
    {2, "Exponential", "a*b^x", "[1]*[2]^x", false, true, 2,
     {{{"a", 0, BackTransform::kExp}, {"b", 1, BackTransform::kExp}}}},
    // ln y = ln a + b ln x
    {3, "Power", "a*x^b", "[1]*x^[2]", true, true, 2,
     {{{"a", 0, BackTransform::kExp}, {"b", 1, BackTransform::kNone}}}},
    {4, "Quadratic", "a*x^2+b*x+c", "[1]*x^2+[2]*x+[3]", false, false, 3,
     {{{"a", 2, BackTransform::kNone},
       {"b", 1, BackTransform::kNone},
       {"c", 0, BackTransform::kNone}}}},
    {5, "Cubic", "a*x^3+b*x^2+c*x+d", "[1]*x^3+[2]*x^2+[3]*x+[4]", false, false, 4,
     {{{"a", 3, BackTransform::kNone},
       {"b", 2, BackTransform::kNone},
       {"c", 1, BackTransform::kNone},
       {"d", 0, BackTransform::kNone}}}},
    {6, "Quartic", "a*x^4+b*x^3+c*x^2+d*x+e", "[1]*x^4+[2]*x^3+[3]*x^2+[4]*x+[5]", false,
     false, 5,
     {{{"a", 4, BackTransform::kNone},
       {"b", 3, BackTransform::kNone},
       {"c", 2, BackTransform::kNone},
       {"d", 1, BackTransform::kNone},
       {"e", 0, BackTransform::kNone}}}},
}};

// The code is the index: commands and stored fits name a model by it.
constexpr bool CodesAreIndices() {
  for (int i = 0; i < kLinearModelCount; ++i) {
    if (kLinearModels[i].code != i) return false;
  }
  return true;
}
static_assert(CodesAreIndices());

// The model of a code 0..6; null for any other.
const LinearModel* FindLinearModel(int code);

// The abscissa the basis functions take, and the ordinate the fit runs on. Non-positive
// values have no logarithm: the result is then not finite.
double TransformedX(const LinearModel& model, double x);
double TransformedY(const LinearModel& model, double y);
// The basis function of `parameter` at the transformed abscissa u.
double BasisValue(const LinearParameter& parameter, double u);
// A value fitted on the transformed scale as the reported parameter.
double BackTransformed(const LinearParameter& parameter, double fitted);

}  // namespace orvella
