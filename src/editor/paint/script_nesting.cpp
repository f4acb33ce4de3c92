#include "editor/paint/script_nesting.h"

#include <new>
#include <vector>

namespace script_nesting {
namespace {

struct Node {
  std::uint32_t parent = kEmpty;
  std::uint32_t children[2] = {kEmpty, kEmpty};
  Frame frame = kSubstitution;
};

// 16 MB of nodes: real scripts meet a few thousand nestings; the bound
// keeps garbage opened as a script from taking more.
constexpr std::size_t kMaxNodes = std::size_t{1} << 20;

std::vector<Node>& Nodes() {
  static std::vector<Node> nodes(1);  // node 0: the empty stack
  return nodes;
}

}  // namespace

std::uint32_t Push(std::uint32_t stack, Frame frame) {
  std::vector<Node>& nodes = Nodes();
  if (stack >= nodes.size()) return stack;
  if (const std::uint32_t known = nodes[stack].children[frame]; known != kEmpty) return known;
  if (nodes.size() >= kMaxNodes) return stack;
  try {
    Node node;
    node.parent = stack;
    node.frame = frame;
    nodes.push_back(node);
  } catch (const std::bad_alloc&) {
    return stack;
  }
  const auto made = static_cast<std::uint32_t>(nodes.size() - 1);
  nodes[stack].children[frame] = made;
  return made;
}

std::uint32_t Pop(std::uint32_t stack, Frame& top) {
  const std::vector<Node>& nodes = Nodes();
  if (stack == kEmpty || stack >= nodes.size()) {
    top = kSubstitution;
    return kEmpty;
  }
  top = nodes[stack].frame;
  return nodes[stack].parent;
}

}  // namespace script_nesting
