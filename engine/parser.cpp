#include "engine/parser.h"

#include <cctype>
#include <limits>
#include <string>
#include <string_view>

#include "engine/bound_variables.h"
#include "engine/calc_engine.h"
#include "engine/expr_node.h"
#include "engine/locale_chars.h"
#include "engine/number_literal.h"
#include "engine/text_util.h"
#include "engine/user_names.h"
#include "library/constant_table.h"
#include "library/function_table.h"

namespace orvella {
namespace {

int gErrorLength = 0;

constexpr double kPi = 3.141592653589793;

// The operator classes searched by steps 4 to 6, weakest first. A child's text never holds
// an operator weaker than the one its parent split at (and a right child none of the same
// class either), so its search starts at that class: this keeps long operator chains linear.
enum SearchFloor : int {
  kSearchAdditive = 0,
  kSearchMultiplicative = 1,
  kSearchPower = 2,
  kSearchPostfixOnly = 3,
};

bool IsDigit(char c) { return IsDecimalDigit(c); }

int PreviousNonSpace(std::string_view s, int i) {
  for (--i; i >= 0; --i) {
    if (s[i] != ' ') return i;
  }
  return -1;
}

int NextNonSpace(std::string_view s, int i) {
  for (++i; i < static_cast<int>(s.size()); ++i) {
    if (s[i] != ' ') return i;
  }
  return -1;
}

// A sign at i belongs to a number exponent (1.5e-3, 2D+4) and is never a split point.
bool IsExponentSign(std::string_view s, int i) {
  int next = NextNonSpace(s, i);
  if (next < 0 || !IsDigit(s[next])) return false;
  int letter = PreviousNonSpace(s, i);
  if (letter < 0) return false;
  char l = s[letter];
  if (l != 'e' && l != 'E' && l != 'd' && l != 'D') return false;
  int before = PreviousNonSpace(s, letter);
  return before >= 0 && (IsDigit(s[before]) || s[before] == ExpressionChars().decimalPoint);
}

struct Search {
  int found = -1;    // position of the operator
  int failure = -1;  // position of an unbalanced parenthesis or unterminated literal
};

// Rightmost operator at depth 0 for which match(i) holds, skipping string literals.
template <typename Match>
Search SearchRightToLeft(std::string_view s, Match match) {
  Search result;
  int depth = 0;
  int firstParenthesis = -1;
  for (int i = static_cast<int>(s.size()) - 1; i >= 0; --i) {
    char c = s[i];
    if (c == '"') {
      int open = static_cast<int>(s.rfind('"', i == 0 ? std::string_view::npos : i - 1));
      if (i == 0 || open < 0) {
        result.failure = i;
        return result;
      }
      i = open;
    } else if (c == ')') {
      if (firstParenthesis < 0) firstParenthesis = i;
      ++depth;
    } else if (c == '(') {
      if (firstParenthesis < 0) firstParenthesis = i;
      if (--depth < 0) {
        result.failure = i;
        return result;
      }
    } else if (depth == 0 && match(i)) {
      result.found = i;
      return result;
    }
  }
  if (depth != 0) result.failure = firstParenthesis;
  return result;
}

// First argument separator at depth 0, scanning left to right and skipping literals.
Search SearchFirstSeparator(std::string_view s, char separator) {
  Search result;
  int depth = 0;
  int firstParenthesis = -1;
  for (int i = 0; i < static_cast<int>(s.size()); ++i) {
    char c = s[i];
    if (c == '"') {
      std::size_t close = s.find('"', i + 1);
      if (close == std::string_view::npos) {
        result.failure = i;
        return result;
      }
      i = static_cast<int>(close);
    } else if (c == '(') {
      if (firstParenthesis < 0) firstParenthesis = i;
      ++depth;
    } else if (c == ')') {
      if (firstParenthesis < 0) firstParenthesis = i;
      if (--depth < 0) {
        result.failure = i;
        return result;
      }
    } else if (depth == 0 && c == separator) {
      result.found = i;
      return result;
    }
  }
  if (depth != 0) result.failure = firstParenthesis;
  return result;
}

// Arguments of a call: 0 for an empty text, else 1 + the separators at depth 0. Literals
// are skipped, as the argument list itself skips them when it is split.
int CountArguments(std::string_view text, char separator) {
  if (Trim(text).empty()) return 0;
  int count = 1;
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') {
      std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos) break;
      i = close;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')') {
      --depth;
    } else if (depth == 0 && c == separator) {
      ++count;
    }
  }
  return count;
}

// Position of the ')' matching the '(' at 0, or -1; sets lastOpen to the last '(' met.
int MatchingParenthesis(std::string_view s, int& lastOpen) {
  int depth = 0;
  for (int i = 0; i < static_cast<int>(s.size()); ++i) {
    if (s[i] == '(') {
      lastOpen = i;
      ++depth;
    } else if (s[i] == ')' && --depth == 0) {
      return i;
    }
  }
  return -1;
}

// Position of the first '(' that opens more than limit levels, or -1.
int FirstTooDeepParenthesis(std::string_view s, int limit) {
  int depth = 0;
  for (int i = 0; i < static_cast<int>(s.size()); ++i) {
    if (s[i] == '(' && ++depth > limit) return i;
    if (s[i] == ')') --depth;
  }
  return -1;
}

int Offset(std::string_view inner, std::string_view outer) {
  return static_cast<int>(inner.data() - outer.data());
}

class TreeParser {
 public:
  explicit TreeParser(CCalcEngine& engine) : engine_(engine) {}

  CalcError Parse(CExprNode& node, int depth, SearchFloor floor);

 private:
  // Records a failure at a position within the node's current text.
  CalcError Fail(CExprNode& node, CalcError code, int position, int length) {
    node.errorCode = code;
    node.errorPosition = position;
    gErrorLength = length;
    return code;
  }

  CalcError ParseText(CExprNode& node, int depth, SearchFloor floor);
  CalcError ParseChild(CExprNode& node, std::unique_ptr<CExprNode>& child, std::string_view text,
                       bool inList, int depth, SearchFloor floor);
  CalcError Split(CExprNode& node, int p, int depth, SearchFloor childFloor);
  CalcError ParseArgumentChain(CExprNode& node, int firstSeparator, int depth);
  CalcError ParseOperand(CExprNode& node, int depth);
  CalcError ParseNumber(CExprNode& node);
  CalcError ParseString(CExprNode& node);
  CalcError ParseName(CExprNode& node, int depth);
  CalcError ParseCall(CExprNode& node, std::string_view name, int nameEnd, int op,
                      int minArguments, int maxArguments, int depth);
  CalcError ExpandExpressionVariable(CExprNode& node, std::string_view name, int index,
                                     int depth);
  CalcError RejectTrailingText(CExprNode& node, int nameEnd, bool allowEmptyCall);

  CCalcEngine& engine_;
};

CalcError TreeParser::Parse(CExprNode& node, int depth, SearchFloor floor) {
  if (node.parsed) return kNoError;
  if (depth > kMaxNestingDepth) return Fail(node, kOverflow, 0, 1);
  std::string_view given = node.source;
  node.Reset();
  node.source = Trim(given);
  CalcError code = ParseText(node, depth, floor);
  if (code != kNoError) {
    // Positions are reported within the text the node was given, blanks included.
    node.errorPosition += Offset(node.source, given);
    node.source = Trim(given);
    return code;
  }
  node.parsed = true;
  return kNoError;
}

CalcError TreeParser::ParseChild(CExprNode& node, std::unique_ptr<CExprNode>& child,
                                 std::string_view text, bool inList, int depth,
                                 SearchFloor floor) {
  child = std::make_unique<CExprNode>();
  child->engine = &engine_;
  child->source = text;
  child->inList = inList;
  child->expansionGuard = node.expansionGuard;
  CalcError code = Parse(*child, depth + 1, floor);
  if (code != kNoError) {
    node.errorCode = code;
    node.errorPosition = Offset(text, node.source) + child->errorPosition;
  }
  return code;
}

CalcError TreeParser::ParseText(CExprNode& node, int depth, SearchFloor floor) {
  std::string_view s = node.source;
  if (s.empty()) return kNoError;  // an empty operand reads as 0
  const char separator = ExpressionChars().argumentSeparator;

  if (node.inList) {
    Search list = SearchFirstSeparator(s, separator);
    if (list.failure >= 0) return Fail(node, kUnbalancedParenthesis, list.failure, 1);
    if (list.found >= 0) return ParseArgumentChain(node, list.found, depth);
  }

  struct OperatorClass {
    SearchFloor floor;
    bool (*isOperator)(std::string_view s, int i);
  };
  static constexpr OperatorClass kClasses[] = {
      {kSearchAdditive,
       [](std::string_view s, int i) {
         return (s[i] == '+' || s[i] == '-') && !IsExponentSign(s, i);
       }},
      {kSearchMultiplicative, [](std::string_view s, int i) { return s[i] == '*' || s[i] == '/'; }},
      {kSearchPower, [](std::string_view s, int i) { return s[i] == '^'; }},
  };
  for (const OperatorClass& operatorClass : kClasses) {
    if (operatorClass.floor < floor) continue;
    Search search = SearchRightToLeft(s, [&](int i) { return operatorClass.isOperator(s, i); });
    if (search.failure >= 0) return Fail(node, kUnbalancedParenthesis, search.failure, 1);
    if (search.found >= 0) return Split(node, search.found, depth, operatorClass.floor);
  }

  char last = s.back();
  if (last == '%' || last == '!') {
    node.kind = NodeKind::Operation;
    node.op = last == '%' ? kOpPercent : kOpFactorial;
    node.token = std::string(1, last);
    std::string_view argument = s.substr(0, s.size() - 1);
    // Below another postfix operator the count was checked already ("5!!").
    if (floor != kSearchPostfixOnly && CountArguments(argument, separator) != 1) {
      return Fail(node, kWrongArgumentCount, 0, static_cast<int>(s.size()));
    }
    return ParseChild(node, node.left, argument, false, depth, kSearchPostfixOnly);
  }
  return ParseOperand(node, depth);
}

CalcError TreeParser::Split(CExprNode& node, int p, int depth, SearchFloor childFloor) {
  std::string_view s = node.source;
  const char c = s[p];
  bool hasLeft = !Trim(s.substr(0, p)).empty();
  bool hasRight = !Trim(s.substr(p + 1)).empty();
  if (!hasLeft && c != '+' && c != '-') return Fail(node, kDanglingOperator, p, 1);
  if (!hasRight) return Fail(node, kDanglingOperator, p, 1);
  node.kind = NodeKind::Operation;
  node.token = std::string(1, c);
  switch (c) {
    case '+': node.op = kOpAdd; break;
    case '-': node.op = kOpSubtract; break;
    case '*': node.op = kOpMultiply; break;
    case '/': node.op = kOpDivide; break;
    default: node.op = kOpPower; break;
  }
  const SearchFloor rightFloor = static_cast<SearchFloor>(childFloor + 1);
  if (CalcError code = ParseChild(node, node.left, s.substr(0, p), false, depth, childFloor)) {
    return code;
  }
  return ParseChild(node, node.right, s.substr(p + 1), false, depth, rightFloor);
}

// An argument list a, b, c becomes list(a, list(b, c)). The chain is built in a loop, so
// that a list of 100000 arguments does not nest 100000 calls deep.
CalcError TreeParser::ParseArgumentChain(CExprNode& node, int firstSeparator, int depth) {
  const char separator = ExpressionChars().argumentSeparator;
  CExprNode* link = &node;
  std::string_view text = node.source;
  int p = firstSeparator;
  auto failAt = [&](CExprNode& failing) {
    node.errorCode = failing.errorCode;
    node.errorPosition = Offset(failing.source, node.source) + failing.errorPosition;
    return failing.errorCode;
  };
  while (true) {
    link->kind = NodeKind::ArgumentList;
    link->token = std::string(1, separator);
    link->source = text;
    if (ParseChild(*link, link->left, text.substr(0, p), true, depth, kSearchAdditive)) {
      return failAt(*link);
    }
    link->parsed = true;
    std::string_view rest = text.substr(p + 1);
    link->right = std::make_unique<CExprNode>();
    CExprNode& next = *link->right;
    next.engine = &engine_;
    next.inList = true;
    next.expansionGuard = node.expansionGuard;
    next.source = rest;
    std::string_view trimmed = Trim(rest);
    Search list = SearchFirstSeparator(trimmed, separator);
    if (list.failure >= 0) {
      next.source = trimmed;
      Fail(next, kUnbalancedParenthesis, list.failure, 1);
      return failAt(next);
    }
    if (list.found < 0) {
      // The last argument: parsed like any other piece.
      if (Parse(next, depth + 1, kSearchAdditive)) {
        node.errorCode = next.errorCode;
        node.errorPosition = Offset(rest, node.source) + next.errorPosition;
        return next.errorCode;
      }
      return kNoError;
    }
    link = &next;
    text = trimmed;
    p = list.found;
  }
}

CalcError TreeParser::ParseOperand(CExprNode& node, int depth) {
  std::string_view s = node.source;
  node.scanPosition = 0;
  char c = s[0];
  if (c == '(') {
    int lastOpen = 0;
    int close = MatchingParenthesis(s, lastOpen);
    if (close < 0) return Fail(node, kUnbalancedParenthesis, lastOpen, 1);
    int after = NextNonSpace(s, close);
    if (after >= 0) return Fail(node, kUnexpectedCharacter, after, 1);
    // The same node parses the text inside the parentheses, which is one operand and
    // never an argument list: "SUM((1,2))" has one argument.
    std::string_view outer = s;
    node.source = s.substr(1, close - 1);
    node.inList = false;
    CalcError code = Parse(node, depth + 1, kSearchAdditive);
    if (code != kNoError) {
      node.errorPosition += 1;
      node.source = outer;
    }
    return code;
  }
  if (IsDigit(c) || c == ExpressionChars().decimalPoint || c == '#') return ParseNumber(node);
  if (c == '"') return ParseString(node);
  if (IsNameStart(c)) return ParseName(node, depth);
  return Fail(node, kUnexpectedCharacter, 0, 1);
}

CalcError TreeParser::ParseNumber(CExprNode& node) {
  const LocaleCharacters& chars = ExpressionChars();
  LiteralOptions options;
  options.inputBase = engine_.InputBase();
  options.decimalPoint = chars.decimalPoint;
  options.groupSeparator = chars.groupSeparator;
  options.stripDigitGroups = engine_.ResultFormat().Type() == NumberFormatType::Currency;
  LiteralValue literal = ReadNumberLiteral(node.source, options);
  if (!literal.ok) {
    return Fail(node, kBadNumber, node.scanPosition, static_cast<int>(node.source.size()));
  }
  if (literal.prefixBase != 0) engine_.RaiseDisplayBase(literal.prefixBase);
  node.kind = NodeKind::Number;
  node.value = literal.value;
  node.token = std::string(node.source);
  return kNoError;
}

CalcError TreeParser::ParseString(CExprNode& node) {
  std::string_view s = node.source;
  if (s.size() < 2 || s.back() != '"') {
    return Fail(node, kBadString, 0, static_cast<int>(s.size()));
  }
  node.kind = NodeKind::String;
  node.token = std::string(s.substr(1, s.size() - 2));
  return kNoError;
}

// Text after a complete operand that no operator joins is refused rather than ignored.
CalcError TreeParser::RejectTrailingText(CExprNode& node, int nameEnd, bool allowEmptyCall) {
  std::string_view rest = Trim(node.source.substr(nameEnd));
  if (rest.empty()) return kNoError;
  if (allowEmptyCall && rest.front() == '(' && rest.back() == ')' &&
      Trim(rest.substr(1, rest.size() - 2)).empty()) {
    return kNoError;
  }
  return Fail(node, kUnexpectedCharacter, Offset(rest, node.source), 1);
}

CalcError TreeParser::ParseName(CExprNode& node, int depth) {
  std::string_view s = node.source;
  int end = 0;
  while (end < static_cast<int>(s.size()) && (s[end] == ' ' || IsNameChar(s[end]))) ++end;
  std::string_view name = Trim(s.substr(0, end));
  const int nameLength = static_cast<int>(name.size());
  const EngineModes& modes = engine_.Modes();
  node.token = std::string(name);

  auto resolved = [&](NodeKind kind, int index, double value = 0.0) {
    node.kind = kind;
    node.index = index;
    node.value = value;
    return RejectTrailingText(node, end, false);
  };

  if (modes.everyNameIsVariable) {
    // Unit names may end in abbreviation points ("ft."), which the unit search drops.
    while (end < static_cast<int>(s.size()) && s[end] == '.') ++end;
    node.token = std::string(Trim(s.substr(0, end)));
    return resolved(NodeKind::Variable, -1);
  }
  if (modes.boundVariablesEnabled) {
    int bound = FindBoundVariable(name);
    if (bound >= 0) return resolved(NodeKind::BoundVariable, bound);
  }
  if (EqualsNoCase(name, "PI")) return resolved(NodeKind::Number, -1, kPi);
  if (EqualsNoCase(name, "INF") || EqualsNoCase(name, "PINF")) {
    return resolved(NodeKind::Number, -1, std::numeric_limits<double>::infinity());
  }
  if (EqualsNoCase(name, "NINF")) {
    return resolved(NodeKind::Number, -1, -std::numeric_limits<double>::infinity());
  }
  if (EqualsNoCase(name, "ANS")) return resolved(NodeKind::Number, -1, engine_.Answer());
  if (EqualsNoCase(name, "RAND") || EqualsNoCase(name, "RND")) {
    node.kind = NodeKind::Operation;
    node.op = kOpRandom;
    return RejectTrailingText(node, end, true);
  }
  if (const FunctionRow* row = LookupFunction(name)) {
    return ParseCall(node, name, end, row->id, row->MinimumCount(), row->MaximumCount(), depth);
  }
  if (modes.userNamesEnabled) {
    UserNames* users = InstalledUserNames();
    int function = users ? users->FindFunction(name) : -1;
    if (function >= 0) {
      CalcError code = users->PrepareFunction(function);
      if (code != kNoError) return Fail(node, code, 0, nameLength);
      engine_.SetCalledUserFunction(true);
      node.index = function;
      int count = users->FunctionParameterCount(function);
      return ParseCall(node, name, end, kOpUserFunction, count, count, depth);
    }
    int constant = FindConstantSymbol(name);
    if (constant >= 0) return resolved(NodeKind::PredefinedConstant, constant);
    int userConstant = users ? users->FindConstant(name) : -1;
    if (userConstant >= 0) return resolved(NodeKind::UserConstant, userConstant);
  }
  int expression = engine_.FindExpressionVariable(name);
  if (expression >= 0) {
    if (CalcError code = RejectTrailingText(node, end, false)) return code;
    return ExpandExpressionVariable(node, name, expression, depth);
  }
  int variable = engine_.FindVariable(name);
  if (variable >= 0) return resolved(NodeKind::Variable, variable);
  if (modes.autoCreateVariables) {
    return resolved(NodeKind::Variable, engine_.AppendVariable(name, 0.0));
  }
  if (modes.lenientNames) return resolved(NodeKind::Undefined, -1);
  return Fail(node, kUnrecognizedFunction, 0, nameLength);
}

CalcError TreeParser::ParseCall(CExprNode& node, std::string_view name, int nameEnd, int op,
                                int minArguments, int maxArguments, int depth) {
  std::string_view s = node.source;
  // The name scan stops at the first character that is neither blank nor part of a name.
  const int open = nameEnd;
  if (open >= static_cast<int>(s.size())) {
    return Fail(node, kMissingParenthesis, static_cast<int>(s.size()), 1);
  }
  if (s[open] != '(') return Fail(node, kMissingParenthesis, open, 1);
  if (s.back() != ')') {
    return Fail(node, kMissingParenthesis, static_cast<int>(s.size()) - 1, 1);
  }
  node.kind = NodeKind::Operation;
  node.op = op;
  node.token = std::string(name);
  std::string_view arguments = s.substr(open + 1, s.size() - open - 2);
  int count = CountArguments(arguments, ExpressionChars().argumentSeparator);
  if (count < minArguments || count > maxArguments) {
    return Fail(node, kWrongArgumentCount, open + 1, static_cast<int>(arguments.size()));
  }
  node.scanPosition = open;
  return ParseChild(node, node.left, arguments, true, depth, kSearchAdditive);
}

CalcError TreeParser::ExpandExpressionVariable(CExprNode& node, std::string_view name, int index,
                                               int depth) {
  const int nameLength = static_cast<int>(name.size());
  for (std::int16_t guarded : node.expansionGuard) {
    if (guarded == index) return Fail(node, kCircularReference, 0, nameLength);
  }
  std::string_view outer = node.source;
  node.source = engine_.KeepText(engine_.ExpressionVariables()[index].formula);
  node.expansionGuard.push_back(static_cast<std::int16_t>(index));
  node.inList = false;  // a formula is one operand
  CalcError code = Parse(node, depth + 1, kSearchAdditive);
  node.expansionGuard.pop_back();
  if (code != kNoError) {
    // The failure is shown at the name that was expanded.
    node.source = outer;
    node.errorPosition = 0;
    gErrorLength = nameLength;
  }
  return code;
}

}  // namespace

CalcError ParseExpressionTree(CCalcEngine& engine, CExprNode& root) {
  // Deep parenthesis nesting is refused before any node is built, in one pass.
  int tooDeep = FirstTooDeepParenthesis(root.source, kMaxNestingDepth);
  if (tooDeep >= 0) {
    root.Reset();
    root.errorCode = kOverflow;
    root.errorPosition = tooDeep;
    gErrorLength = 1;
    return kOverflow;
  }
  TreeParser parser(engine);
  return parser.Parse(root, 0, kSearchAdditive);
}

int ParseErrorLength() { return gErrorLength; }

}  // namespace orvella
