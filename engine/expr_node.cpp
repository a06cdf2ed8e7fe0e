#include "engine/expr_node.h"

namespace orvella {

namespace {

// Argument lists are right-leaning chains with one link per argument (up to 100000), so
// they are unlinked in a loop instead of by recursion.
void UnlinkRightChain(std::unique_ptr<CExprNode>& head) {
  while (head && head->kind == NodeKind::ArgumentList && head->right) {
    std::unique_ptr<CExprNode> next = std::move(head->right);
    head = std::move(next);
  }
}

}  // namespace

CExprNode::~CExprNode() { UnlinkRightChain(right); }

void CExprNode::Reset() {
  UnlinkRightChain(right);
  left.reset();
  right.reset();
  kind = NodeKind::Number;
  value = 0.0;
  token.clear();
  op = 0;
  index = -1;
  parsed = false;
  scanPosition = -1;
  errorPosition = -1;
  errorCode = kNoError;
  stringResult = false;
}

void CExprNode::SetSource(std::string_view text) {
  source = text;
  parsed = false;
}

}  // namespace orvella
