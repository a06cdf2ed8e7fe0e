// The expression tree: one node per operand, operator or call. Each node holds its own
// piece of the expression text and, when parsed, splits it into child nodes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_error.h"

namespace orvella {

class CCalcEngine;

enum class NodeKind : int {
  Undefined = 1,           // unknown name, accepted only in lenient mode; evaluates to 0
  Number = 2,              // literal or named number (PI, INF, PINF, NINF, ANS)
  Variable = 3,            // value variable of the engine, by index
  BoundVariable = 4,       // x, y, z or t, by index 0..3
  PredefinedConstant = 5,  // physical constant, by index into the constant table
  Operation = 7,           // operator, postfix operator, function call, RAND
  UserConstant = 8,        // user-defined constant, by index
  ArgumentList = 9,        // argument separator: first argument left, the rest right
  String = 10,             // string literal; token holds the text between the quotes
};

// Operation codes besides the function ids of the function table.
enum OperatorCode : int {
  kOpAdd = 1,
  kOpSubtract = 2,
  kOpMultiply = 3,
  kOpDivide = 4,
  kOpPower = 5,
  kOpPercent = 6,
  kOpRandom = 17,
  kOpFactorial = 23,  // shares the id of FACT
  kOpUserFunction = 128,
};

class CExprNode {
 public:
  CExprNode() = default;
  ~CExprNode();
  CExprNode(const CExprNode&) = delete;
  CExprNode& operator=(const CExprNode&) = delete;

  // Drops the children and the results of an earlier parse (the source stays).
  void Reset();
  // Replaces the text; the node is parsed again when asked.
  void SetSource(std::string_view text);

  NodeKind kind = NodeKind::Number;
  double value = 0.0;   // the number of a Number node; the last value of the root
  std::string token;    // operator character, name, number text or string contents
  int op = 0;
  std::unique_ptr<CExprNode> left;
  std::unique_ptr<CExprNode> right;
  int index = -1;       // into the collection the kind names

  // The node's own piece of text, a view into text the engine keeps alive until the
  // expression is replaced. After parsing it is the trimmed piece that was parsed.
  std::string_view source;
  bool parsed = false;
  int scanPosition = -1;
  int errorPosition = -1;  // within source; -1 = none
  CalcError errorCode = kNoError;
  CCalcEngine* engine = nullptr;
  bool inList = false;
  bool stringResult = false;
  // Expression variables being expanded on the way from the root to this node.
  std::vector<std::int16_t> expansionGuard;
};

}  // namespace orvella
