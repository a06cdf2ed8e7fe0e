#include "library/function_table.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/locale_chars.h"
#include "engine/text_util.h"

namespace orvella {
namespace {

constexpr std::array<const char*, 13> kCategories = {
    "Algebraic", "Trigonometric", "Inverse Trig", "Hyperbolic", "Inverse Hyperbolic",
    "Graphing", "Financial", "Statistical", "Special", "Solver", "Unit Conversion",
    "Base Conversion", "Bit-wise Operations"};

// The table in its stored order; texts exactly as stored, spelling slips included.
// A variable argument count is written 255, 255.
constexpr std::array<FunctionRow, kFunctionCount> kStoredRows = {{
    {0, 0, 133, "Algebraic", "PI", "", "Returns the mathematical constant PI"},
    {0, 0, 131, "Algebraic", "INF", "", "Designates (positive) infinity"},
    {0, 0, 131, "Algebraic", "PINF", "", "Designates positive infinity"},
    {0, 0, 132, "Algebraic", "NINF", "", "Designates negative infinity"},
    {0, 0, 134, "Algebraic", "ANS", "", "Returns the answer from the last calculation"},
    {1, 1, 23, "Algebraic", "FACT", "x", "Returns the factorial function of x"},
    {1, 1, 7, "Algebraic", "EXP", "x", "Returns the exponential function of x"},
    {1, 1, 8, "Algebraic", "LN", "x", "Returns the natural logarithm of x"},
    {1, 1, 9, "Algebraic", "LOG", "x", "Returns the base-10 logarithm of x"},
    {1, 1, 16, "Algebraic", "ABS", "x", "Returns the absolute value of x"},
    {1, 1, 18, "Algebraic", "SQRT", "x", "Returns the positive square root of x"},
    {1, 1, 19, "Algebraic", "SQR", "x", "Returns the square of x"},
    {1, 1, 20, "Algebraic", "INT", "x", "Returns the integer part of x"},
    {1, 1, 21, "Algebraic", "CEIL", "x", "Returns the smallest integer larger than x"},
    {1, 1, 22, "Algebraic", "FLOOR", "x", "Returns the largest integer less than x"},
    {1, 1, 25, "Algebraic", "RAD", "x", "Convert x from degrees to radians"},
    {1, 1, 24, "Algebraic", "DEG", "x", "Convert x from radians to degrees"},
    {2, 2, 44, "Algebraic", "LOGN", "n, x", "Returns the base-n logarithm of x"},
    {2, 2, 45, "Algebraic", "MOD", "number, modulus", "Returns the remainder of a division"},
    {1, 1, 10, "Trigonometric", "SIN", "x", "Returns the sine function of x"},
    {1, 1, 11, "Trigonometric", "COS", "x", "Returns the cosine function of x"},
    {1, 1, 12, "Trigonometric", "TAN", "x", "Returns the tangent function of x"},
    {1, 1, 13, "Trigonometric", "SEC", "x", "Returns the secant function of x"},
    {1, 1, 14, "Trigonometric", "CSC", "x", "Returns the cosecant function of x"},
    {1, 1, 15, "Trigonometric", "COT", "x", "Returns the cotangent function of x"},
    {1, 1, 26, "Inverse Trig", "ASIN", "x", "Returns the inverse sine of x"},
    {1, 1, 26, "Inverse Trig", "ARCSIN", "x", "Returns the inverse sine of x"},
    {1, 1, 27, "Inverse Trig", "ACOS", "x", "Returns the inverse cosine of x"},
    {1, 1, 27, "Inverse Trig", "ARCCOS", "x", "Returns the inverse cosine of x"},
    {1, 1, 28, "Inverse Trig", "ATAN", "x", "Returns the inverse tangent of x"},
    {1, 1, 28, "Inverse Trig", "ARCTAN", "x", "Returns the inverse tangent of x"},
    {1, 1, 29, "Inverse Trig", "ASEC", "x", "Returns the inverse secant of x"},
    {1, 1, 29, "Inverse Trig", "ARCSEC", "x", "Returns the inverse secant of x"},
    {1, 1, 30, "Inverse Trig", "ACSC", "x", "Returns the inverse cosecant of x"},
    {1, 1, 30, "Inverse Trig", "ARCCSC", "x", "Returns the inverse cosecant of x"},
    {1, 1, 31, "Inverse Trig", "ACOT", "x", "Returns the inverse cotangent of x"},
    {1, 1, 31, "Inverse Trig", "ARCCOT", "x", "Returns the inverse cotangent of x"},
    {1, 1, 32, "Hyperbolic", "SINH", "x", "Returns the hyperbolic sine of x"},
    {1, 1, 33, "Hyperbolic", "COSH", "x", "Returns the hyperbolic cosine of x"},
    {1, 1, 34, "Hyperbolic", "TANH", "x", "Returns the hyperbolic tangent of x"},
    {1, 1, 35, "Hyperbolic", "SECH", "x", "Returns the hyperbolic secant of x"},
    {1, 1, 36, "Hyperbolic", "CSCH", "x", "Returns the hyperbolic cosecant of x"},
    {1, 1, 37, "Hyperbolic", "COTH", "x", "Returns the hyperbolic cotangent of x"},
    {1, 1, 38, "Inverse Hyperbolic", "ASINH", "x", "Returns the inverse hyperbolic sine of x"},
    {1, 1, 38, "Inverse Hyperbolic", "ARCSINH", "x", "Returns the inverse hyperbolic sine of x"},
    {1, 1, 39, "Inverse Hyperbolic", "ACOSH", "x", "Returns the inverse hyperbolic cosine of x"},
    {1, 1, 39, "Inverse Hyperbolic", "ARCCOSH", "x", "Returns the inverse hyperbolic cosine of x"},
    {1, 1, 40, "Inverse Hyperbolic", "ATANH", "x", "Returns the inverse hyperbolic tangent of x"},
    {1, 1, 40, "Inverse Hyperbolic", "ARCTANH", "x", "Returns the inverse hypergolic tangent of x"},
    {1, 1, 41, "Inverse Hyperbolic", "ASECH", "x", "Returns the inverse hyperbolic secant of x"},
    {1, 1, 41, "Inverse Hyperbolic", "ARCSECH", "x", "Returns the inverse hyperbolic secant of x"},
    {1, 1, 42, "Inverse Hyperbolic", "ACSCH", "x", "Returns the inverse hyperbolic cosecant of x"},
    {1, 1, 42, "Inverse Hyperbolic", "ARCCSCH", "x", "Returns the inverse hyperbolic cosecant of x"},
    {1, 1, 43, "Inverse Hyperbolic", "ACOTH", "x", "Returns the inverse hyperbolic cotangent of x"},
    {1, 1, 43, "Inverse Hyperbolic", "ARCCOTH", "x", "Returns the inverse hyperbolic cotangent of x"},
    {1, 3, 135, "Graphing", "PLOT", "y=f(x) OR r=f(t) OR x=f(t); y=g(t), [min], [max]", "Plot a 2D rectangular, polar, or parametric graph"},
    {1, 7, 135, "Graphing", "PLOT3D", "f(x,y) [, xmin, xmax, ymin, ymax, zmin, zmax]", "Plot a 3D surface"},
    {3, 5, 46, "Financial", "PV", "rate, nper, pmt, [fv=0], [type=0]", "Calculates the present value of an annuity"},
    {3, 5, 47, "Financial", "FV", "rate, nper, pmt, [pv=0], [type=0]", "Calculates the future value of an annuity"},
    {3, 5, 48, "Financial", "PMT", "rate, nper, pv, [fv=0], [type=0]", "Calculates the payment of an annuity"},
    {3, 5, 49, "Financial", "NPER", "rate, pmt, pv, [fv=0], [type=0]", "Calculates the number of payments of an annuity"},
    {3, 6, 50, "Financial", "RATE", "nper, pmt, pv, [fv=0], [type=0], [guess=1%]", "Calculates the interest rate of an annuity"},
    {1, 2, 53, "Financial", "EFR", "apr, [npery=12]", "Calculates the effective interest rate from the nominal rate"},
    {1, 2, 53, "Financial", "EFFECTIVERATE", "NominalRate, [PeriodsPerYear=12]", "Calculates the effective interest rate from the nominal rate"},
    {1, 2, 54, "Financial", "APR", "efr, [npery=12]", "Calculates the nominal interest rate from the effective rate"},
    {1, 2, 54, "Financial", "NOMINALRATE", "EffectiveRate, [PeriodsPerYear=12]", "Calculates the nominal interest rate from the effective rate"},
    {2, 2, 155, "Statistical", "NORMDIST", "x, sigma", "returns the probability density function for a Gaussian distribution"},
    {3, 3, 136, "Statistical", "BETADIST", "x, alpha, beta", "returns the probability density function for a beta distribution"},
    {2, 2, 165, "Statistical", "TDIST", "t, df", "returns the student t's distribution"},
    {2, 2, 166, "Statistical", "TINV", "p, df", "returns the inverse student's t"},
    {255, 255, 116, "Statistical", "SUM", "v1, v2, v3, ..., vn", "Calculates the sum of the arguments"},
    {255, 255, 117, "Statistical", "AVE", "v1, v2, v3, ..., vn", "Calculates the average of the arguments"},
    {255, 255, 118, "Statistical", "MIN", "v1, v2, v3, ..., vn", "Calculates the minimum of the arguments"},
    {255, 255, 119, "Statistical", "MAX", "v1, v2, v3, ..., vn", "Calculates the maximum of the arugments"},
    {1, 1, 55, "Special", "AIRYAI", "x", "Returns the Airy function Ai(x)"},
    {1, 1, 56, "Special", "AIRYBI", "x", "Returns the Airy function Bi(x)"},
    {2, 2, 57, "Special", "BICO", "n, k", "Returns the binomial coefficient"},
    {2, 2, 58, "Special", "BETA", "z, w", "Returns the beta function"},
    {3, 3, 59, "Special", "BETAI", "a, b, x", "Returns the incomplete beta function"},
    {2, 2, 60, "Special", "BESSELJ", "n, x", "Returns the Bessel function J"},
    {2, 2, 61, "Special", "BESSELY", "n, x", "Returns the Bessel function Y"},
    {2, 2, 62, "Special", "BESSELK", "n, x", "Returns the modified Bessel function K"},
    {2, 2, 63, "Special", "BESSELI", "n, x", "Returns the modified Bessel function I"},
    {2, 2, 64, "Special", "BESSELJS", "n, x", "Returns the spherical Bessel function J"},
    {2, 2, 65, "Special", "BESSELYS", "n, x", "Returns the spherical Bessel function Y"},
    {1, 2, 70, "Special", "CLAUSEN", "x", "Returns the Clausen integral"},
    {1, 1, 71, "Special", "DAWSON", "x", "Returns Dawson's integral"},
    {1, 1, 76, "Special", "DILOG", "x", "Returns the dilogarithm for a real argument"},
    {3, 3, 66, "Special", "ELLIPTICRF", "x, y, z", "Returns Carlson's elliptic integral of the first kind"},
    {3, 3, 67, "Special", "ELLIPTICRD", "x, y, z", "Returns Carlson's elliptic integral of the second kind"},
    {4, 4, 68, "Special", "ELLIPTICRJ", "x, y, z, p", "Returns Carlson's elliptic integral of the third kind"},
    {2, 2, 69, "Special", "ELLIPTICRC", "x, y", "Returns Carlson's degenerate elliptic integral"},
    {2, 2, 77, "Special", "ELLIPTICF", "phi, k", "Returns Legendre's elliptic integral of the first kind"},
    {2, 2, 78, "Special", "ELLIPTICE", "phi, k", "Returns Legendre's elliptic integral of the second kind"},
    {3, 3, 79, "Special", "ELLIPTICP", "phi, n, k", "Returns Legendre's elliptic integral of the third kind"},
    {2, 2, 80, "Special", "ELLIPTICSN", "u, k", "Returns the Jacobian elliptic function SN"},
    {2, 2, 81, "Special", "ELLIPTICCN", "u, k", "Returns the Jacobian elliptic function CN"},
    {2, 2, 82, "Special", "ELLIPTICDN", "u, k", "Returns the Jacobian elliptic function DN"},
    {1, 1, 83, "Special", "ERF", "x", "Returns the error function"},
    {1, 1, 84, "Special", "ERFC", "x", "Returns the complementary error function"},
    {1, 1, 86, "Special", "EXPEI", "x", "Returns the expoenential integral Ei"},
    {1, 1, 87, "Special", "FACTLN", "n", "Returns the natural logarithm of the factorial function"},
    {1, 1, 88, "Special", "FRESNELS", "x", "Returns the Fresnel integral C(x)"},
    {1, 1, 89, "Special", "FRESNELC", "x", "Returns the Fresnel integral S(x)"},
    {1, 1, 90, "Special", "GAMMA", "x", "Returns the gamma function"},
    {1, 1, 91, "Special", "GAMMALN", "x", "Returns the natural logarithm of the gamma function"},
    {2, 2, 92, "Special", "GAMMAP", "a, x", "Returns the incomplete gamma function P(a,x)"},
    {2, 2, 93, "Special", "GAMMAQ", "a, x", "Returns the incomplete gamma function Q(a,x)"},
    {1, 1, 94, "Special", "PSI", "x", "Returns the digamma function"},
    {2, 2, 95, "Special", "PSIN", "n, x", "Returns the polygamma function"},
    {1, 1, 99, "Special", "COSINT", "x", "Returns the cosine integral"},
    {1, 1, 100, "Special", "SININT", "x", "Returns the sine integral"},
    {1, 1, 101, "Special", "SHI", "x", "Returns the sine hyperbolic integral"},
    {1, 1, 102, "Special", "CHI", "x", "Returns the cosine hyperbolic integral"},
    {1, 1, 96, "Special", "ZETA", "s", "Returns the Riemann zeta function"},
    {2, 2, 98, "Special", "HZETA", "s, q", "Returns the Hurwitz zeta function"},
    {1, 1, 97, "Special", "ETA", "s", "Returns the eta function"},
    {3, 3, 109, "Solver", "FINT", "f(x), a, b", "Numerically integrates f(x) between a and b"},
    {2, 2, 110, "Solver", "FDIFF", "f(x), x", "Numerically differentiates f(x) at x"},
    {3, 3, 111, "Solver", "FZERO", "f(x), a, b", "Finds the zero of f(x) between a and b"},
    {3, 4, 115, "Solver", "FSUM", "f(x), a, b, [step=1]", "Calculates the series sum of f(x)"},
    {3, 3, 103, "Unit Conversion", "CONVERT", "Number, FromUnit, ToUnit", "Converts a number from one unit to another"},
    {2, 2, 104, "Base Conversion", "CB", "Number, ToBase", "Converts a number to another base"},
    {2, 2, 104, "Base Conversion", "CONVERTBASE", "Number, ToBase", "Converts a number to another base"},
    {1, 1, 105, "Base Conversion", "BIN", "Number", "Converts a number to binary base"},
    {1, 1, 106, "Base Conversion", "OCT", "Number", "Converts a number to octal base"},
    {1, 1, 107, "Base Conversion", "DEC", "Number", "Converts a number to decimal base"},
    {1, 1, 108, "Base Conversion", "HEX", "Number", "Converts a number to hexadecimal base"},
    {2, 2, 120, "Bit-wise Operations", "AND", "Number1, Number2", "Performs the AND bitwise operation"},
    {2, 2, 121, "Bit-wise Operations", "OR", "Number1, Number2", "Performs the OR bitwise operation"},
    {2, 2, 122, "Bit-wise Operations", "XOR", "Number1, Number2", "Performs the exclusive OR bitwise operation"},
    {1, 1, 123, "Bit-wise Operations", "NOT", "Number", "Performs the NOT bitwise operation"},
    {2, 2, 124, "Bit-wise Operations", "LSHIFT", "Number, ShiftBy", "Performs the left shift bitwise operation"},
    {2, 2, 125, "Bit-wise Operations", "RSHIFT", "Number, ShiftBy", "Performs the right shift bitwise operation"},
}};

// The rows sorted by name without regard to case, built once.
const std::array<FunctionRow, kFunctionCount>& SortedRows() {
  static const std::array<FunctionRow, kFunctionCount> sorted = [] {
    std::array<FunctionRow, kFunctionCount> rows = kStoredRows;
    std::stable_sort(rows.begin(), rows.end(), [](const FunctionRow& a, const FunctionRow& b) {
      return CompareNoCase(a.name, b.name) < 0;
    });
    return rows;
  }();
  return sorted;
}

}  // namespace

std::span<const char* const> FunctionCategories() { return kCategories; }

std::span<const FunctionRow> FunctionRows() { return SortedRows(); }

const FunctionRow* LookupFunction(std::string_view name) {
  const auto& rows = SortedRows();
  auto it = std::lower_bound(rows.begin(), rows.end(), name,
                             [](const FunctionRow& row, std::string_view key) {
                               return CompareNoCase(row.name, key) < 0;
                             });
  if (it != rows.end() && CompareNoCase(it->name, name) == 0) return &*it;
  return nullptr;
}

bool IsBuiltInName(std::string_view name) { return LookupFunction(Trim(name)) != nullptr; }

std::vector<const FunctionRow*> FunctionRowsInCategory(std::string_view category) {
  std::vector<const FunctionRow*> result;
  for (const FunctionRow& row : SortedRows()) {
    if (category == row.category) result.push_back(&row);
  }
  return result;
}

std::string FunctionCallText(const FunctionRow& row) {
  std::string arguments = row.argumentText;
  if (arguments.empty()) return row.name;
  std::replace(arguments.begin(), arguments.end(), ',', ExpressionChars().argumentSeparator);
  return std::string(row.name) + "(" + arguments + ")";
}

int ShownArgumentCount(const FunctionRow& row) {
  std::string_view text = row.argumentText;
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), ','));
}

}  // namespace orvella
