// Error codes of the expression engine and the subsystems built on it.
// Failures cross subsystem boundaries as these integer codes, never as exceptions.
#pragma once

#include <string>

namespace orvella {

enum CalcError : int {
  kNoError = 0,
  kUnbalancedParenthesis = 1,   // "(1+2", "SIN(3"
  kInvalidCharacter = 2,        // kept for the message table; the parser never raises it
  kUnexpectedCharacter = 3,     // "2+$", "(2)3": a character no rule accepts
  kDanglingOperator = 4,        // "3*", "2*-3": an operator without an operand
  kWrongArgumentCount = 5,      // "MOD(7)", "SUM()"
  kEmptyArgumentList = 6,       // kept for the message table
  kUnrecognizedFunction = 7,    // any unknown name
  kMissingParenthesis = 8,      // "SIN 3" after a function name, "SIN(3)x"
  kMissingEqualSign = 9,        // user-function definition without '='
  kDanglingEqualSign = 10,      // "f(a) ="
  kBadNumber = 11,              // "2e", "1e999", "0b102"
  kOverflow = 12,               // expression nested deeper than the parser accepts
  kBadArgument = 13,            // base check, numerical routines, CONVERT
  // 14 has no message of its own and reads like 45.
  kInvalidData = 15,
  kInvalidParameter = 16,
  kResultTooLarge = 17,
  kBadString = 18,              // "\"m\"x"
  kCircularReference = 19,      // expression variables that reach themselves
  kInvalidName = 20,            // name rules; store index out of range
  kPredefinedName = 21,
  kNameExists = 22,
  kFunctionExists = 23,
  kVariableExists = 24,
  kExpressionVariableExists = 25,
  kConstantExists = 26,
  kConversionExists = 27,
  kInvalidEquation = 28,
  kInvalidFunction = 29,
  kInvalidVariable = 30,
  kInvalidExpressionVariable = 31,
  kInvalidRange = 32,
  kOutOfMemory = 33,
  kSingularMatrix = 34,
  kMaxIterationsExceeded = 35,
  kNoSolutionsFound = 36,
  kArgumentsNotMatching = 37,
  kDivisionByZero = 38,         // "1/0", "0/0"
  kNegativeSquareRoot = 39,     // "SQRT(-1)"
  kNonPositiveLogarithm = 40,   // "LN(0)", "LOG(-1)"
  kOperationNotSupported = 41,
  kPositiveInfinity = 42,
  kNegativeInfinity = 43,
  kNotANumber = 44,
  kInvalidArgument = 45,        // domain errors: "ASIN(2)", "(-8)^(1/3)", "FACT(-1)"
  kNumberOutOfRange = 46,       // overflow and non-finite results: "10^400", "INF-INF"
  kVariableXRequired = 47,
  kReservedName = 48,
  kFitParameterRequired = 49,
  kTooFewParameters = 50,
  kContainsUserFunction = 51,
  kTooFewDataPoints = 52,
  kUnknownError = 53,
};

inline constexpr int kLastErrorCode = kUnknownError;

// The message of a code; codes outside the table read "Unknown error code: <code>".
std::string ErrorText(int code);

}  // namespace orvella
