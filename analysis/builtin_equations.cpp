#include "analysis/builtin_equations.h"

#include <array>

namespace orvella {
namespace {

constexpr std::string_view kClassic = "Classic equations";
constexpr std::string_view kPolynomial = "Polynomial Equations";
constexpr std::string_view kGrowth = "Bacterial Growth";

constexpr std::string_view kBindingText =
    "This describes the binding of a ligand to a receptor that follows the law of mass "
    "action. Bmax is the maximal binding, and Kd is the concentration of ligand required to "
    "reach half-maximal binding.";
constexpr std::string_view kDoseResponseText =
    "X is the logarithm of concentration. Y is the response Y starts at Bottom and goes to "
    "Top with a sigmoid shape.";
constexpr std::string_view kVariableSlopeText =
    "X is the logarithm of concentration. Y is the response Y starts at Bottom and goes to "
    "Top with a sigmoid shape. This is identical the the four parameter logistic equation";
constexpr std::string_view kCompetitionText =
    "Competition of radioligand binding to single binding site identified with a "
    "radiolabelled ligand. Enter data with X=log(Concentration) and Y=binding.";

constexpr std::array<BuiltInEquation, kBuiltInEquationCount> kBuiltInEquations{{
    {kClassic, "Exponential curve", "a*exp(b*x)", "Exponential equation", "exp(x)|0|10"},
    {kClassic, "Logarithmic curve", "a*ln(b*x)", "Logarithmic equation", "ln(x)|0|4"},
    {kClassic, "Power curve", "a*x^b", "Power equation", "x^2|-10|10"},
    {kClassic, "Quadratic", "a+b*x+c*x^2", "Quadratic equation", "x^2|-10|10"},
    {kClassic, "Cubic", "a+b*x+c*x^2+d*x^3", "Cubic equation", "x^3-x^2+x|-4|4"},
    {kClassic, "Power series", "a*x^b+c*x^d", "Power series", "1*x^2-3*x^1.5|-3|3"},
    {kClassic, "Sine wave", "BaseLine + Amplitude*sin(Frequency*X+PhaseShift)", "Sine wave",
     "sin(X)|-6.3|6.3"},
    {kClassic, "Logistic regression", "a/(1+b*exp(c*x))+d", "Logistic regression",
     "1/(1+exp(x))|0|10"},
    {kClassic, "Gaussian distribution", "(AREA/(SD*(2*pi)^0.5))*exp(-0.5*((X-Mean)/SD)^2)",
     "Gaussian distribution", "(10/(3*(2*pi)^0.5))*exp(-0.5*((X-0)/3)^2)|-10|10"},
    {kClassic, "One site binding", "Bmax*X/(Kd+X)", kBindingText, "10*x/(5+x)|0|20"},
    {kClassic, "Two site binding (hyperbola)", "Bmax1*X/(Kd1+X) + Bmax2*X/(Kd2+X)",
     kBindingText, ""},
    {kClassic, "Sigmoidal dose-response", "Bottom + (Top-Bottom)/(1+10^((LogEC50-X)))",
     kDoseResponseText, "0+(10-0)/(1+10^((5-x)))|3|6"},
    {kClassic, "Sigmoidal dose-response (variable slope)",
     "Bottom + (Top-Bottom)/(1+10^((LogEC50-X)*HillSlope))", kVariableSlopeText, ""},
    {kClassic, "One site competition", "Bottom + (Top-Bottom)/(1+10^(X-LogEC50))",
     kCompetitionText, ""},
    {kPolynomial, "1st order polynomial (line)",
     "a+b*x", "", ""},
    {kPolynomial, "2nd order polynomial (quadratic)",
     "a+b*x+c*x^2", "", ""},
    {kPolynomial, "3rd order polynomial (cubic)",
     "a+b*x+c*x^2+d*x^3", "", ""},
    {kPolynomial, "4th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4", "", ""},
    {kPolynomial, "5th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5", "", ""},
    {kPolynomial, "6th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6", "", ""},
    {kPolynomial, "7th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7", "", ""},
    {kPolynomial, "8th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8", "", ""},
    {kPolynomial, "9th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9", "", ""},
    {kPolynomial, "10th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10", "", ""},
    {kPolynomial, "11th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10+l*x^11", "", ""},
    {kPolynomial, "12th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10+l*x^11+m*x^12", "", ""},
    {kPolynomial, "13th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10+l*x^11+m*x^12+n*x^13", "", ""},
    {kPolynomial, "14th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10+l*x^11+m*x^12+n*x^13+o*x^14", "", ""},
    {kPolynomial, "15th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10+l*x^11+m*x^12+n*x^13+o*x^14+p*x^15", "", ""},
    {kPolynomial, "16th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10+l*x^11+m*x^12+n*x^13+o*x^14+p*x^15+q*x^16", "", ""},
    {kPolynomial, "17th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10+l*x^11+m*x^12+n*x^13+o*x^14+p*x^15+q*x^16+r*x^17", "", ""},
    {kPolynomial, "18th order polynomial",
     "a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8+j*x^9"
     "+k*x^10+l*x^11+m*x^12+n*x^13+o*x^14+p*x^15+q*x^16+r*x^17+s*x^18", "", ""},
    {kGrowth, "Dval with shoulder", "LOG(10^N0*(2/(1+10^((X-Lag)/Dvalue))))",
     "For fitting first-order thermal inactivation data with a lag prior to inactivation", ""},
    {kGrowth, "Gompertz", "N0+C*exp(-exp((2.718*mue/C)*(Lag-X)+1))",
     "For fitting bacterial growth data (sigmoidal)", ""},
}};

}  // namespace

std::span<const BuiltInEquation> BuiltInEquations() { return kBuiltInEquations; }

void FillBuiltInLibrary(EquationLibrary& library) {
  for (const BuiltInEquation& row : kBuiltInEquations) {
    library.AddModel({std::string(row.category), std::string(row.name),
                      std::string(row.equation), std::string(row.description),
                      std::string(row.preview)});
  }
}

}  // namespace orvella
