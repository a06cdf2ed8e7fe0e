// The process-wide user definitions an expression can name: user functions and user
// constants. The symbol store implements this; the parser and the evaluator see only it.
#pragma once

#include <string_view>

#include "engine/calc_error.h"

namespace orvella {

enum class AngleMode : int;

class UserNames {
 public:
  virtual ~UserNames() = default;

  // Index of the user function of that name (without regard to case), or -1.
  virtual int FindFunction(std::string_view name) const = 0;
  virtual int FunctionParameterCount(int index) const = 0;
  // Parses the function's body; called whenever a call to it is parsed.
  virtual CalcError PrepareFunction(int index) = 0;
  // Writes the arguments into the parameters and evaluates the body in its own engine,
  // in the angle mode of the engine that calls it.
  virtual CalcError CallFunction(int index, const double* arguments, int count,
                                 AngleMode angleMode, double& result) = 0;

  // Index of the user constant with that symbol, or -1.
  virtual int FindConstant(std::string_view symbol) const = 0;
  virtual int ConstantCount() const = 0;
  virtual double ConstantValue(int index) const = 0;
};

// The store in use for the whole process; nullptr (no user names) until one is installed.
UserNames* InstalledUserNames();
void InstallUserNames(UserNames* names);

}  // namespace orvella
