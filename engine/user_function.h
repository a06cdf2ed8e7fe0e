// A user function such as "f(a, b) = a*b+1": an engine of its own whose value variables
// are the parameters, in header order, and whose expression is the body.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_engine.h"

namespace orvella {

class CUserFunction {
 public:
  // Validates a definition text and builds the function. Codes: 9 without '=', 10 for an
  // empty side, 13 for a left side that is not NAME(parameters), 20 and 21 for names,
  // 30 for a parameter named like the function, 37 when the body's free names are not
  // exactly the parameters, 51 when the body calls a user function, and parse codes.
  static CalcError Define(std::string_view definition, std::unique_ptr<CUserFunction>& result);

  const std::string& Name() const { return name_; }
  const std::string& Header() const { return header_; }          // "f(a,b)"
  const std::string& Definition() const { return definition_; }  // "f(a,b) = a*b+1"
  const std::string& Body() const { return body_; }
  const std::vector<std::string>& Parameters() const { return parameters_; }
  int ParameterCount() const { return static_cast<int>(parameters_.size()); }

  std::string usageNote;  // kept with the function in the user store file

  // Parses the body again (called whenever a call is parsed).
  CalcError Prepare();
  // Writes the arguments into the parameters and evaluates the body in the caller's
  // angle mode.
  CalcError Call(const double* arguments, int count, AngleMode angleMode, double& result);

 private:
  std::string name_;
  std::string header_;
  std::string definition_;
  std::string body_;
  std::vector<std::string> parameters_;
  std::unique_ptr<CCalcEngine> engine_ = std::make_unique<CCalcEngine>();
};

}  // namespace orvella
