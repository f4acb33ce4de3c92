#include "tools/tag_panel/tag_reorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using tag_tree::kNone;
using tag_tree::Node;

// Folders and their tags written as "A(a1 a2) B()"; each node's record is
// its name, so a lost or doubled record shows in the text.
class PlainTree final : public tag_tree::Tree {
 public:
  explicit PlainTree(const std::string& text) {
    std::istringstream words(std::regex_replace(text, std::regex("[()]"), " $& "));
    Node folder = kNone, last = kNone;
    for (std::string word; words >> word;) {
      if (word == "(")
        folder = last;
      else if (word == ")")
        folder = kNone;
      else
        last = Add(folder, word);
    }
  }
  std::string Text(Node parent = kNone) const {
    std::string text;
    for (Node node : kids_.at(parent)) {
      text += (text.empty() ? "" : " ") + *static_cast<const std::string*>(data_.at(node));
      if (parent == kNone) text += "(" + Text(node) + ")";
    }
    return text;
  }
  Node Find(const std::string& name) const {
    for (const auto& [node, data] : data_)
      if (*static_cast<const std::string*>(data) == name) return node;
    return kNone;
  }
  int inserts_left = -1;  // an insert fails when it reaches 0

  Node Parent(Node node) const override { return parent_.at(node); }
  Node FirstChild(Node parent) const override { return kids_.at(parent).empty() ? kNone : kids_.at(parent)[0]; }
  Node Next(Node node) const override { return Sibling(node, 1); }
  Node Previous(Node node) const override { return Sibling(node, -1); }
  void* Data(Node node) const override { return data_.at(node); }
  Node Insert(const tag_tree::Place& place, void* data) override {
    if (inserts_left-- == 0) return kNone;
    std::vector<Node>& kids = kids_[place.parent];
    auto at = place.where == tag_tree::Place::Where::kFirst ? kids.begin() : kids.end();
    if (place.where == tag_tree::Place::Where::kAfter) at = std::find(kids.begin(), kids.end(), place.after) + 1;
    kids.insert(at, ++last_);
    kids_[last_];
    parent_[last_] = place.parent;
    data_[last_] = data;
    return last_;
  }
  void DeleteKeepingData(Node node) override {
    while (!kids_[node].empty()) DeleteKeepingData(kids_[node].front());
    std::erase(kids_[parent_[node]], node);
    kids_.erase(node);
    parent_.erase(node);
    data_.erase(node);
  }

 private:
  Node Add(Node folder, const std::string& name) { return Insert({folder}, &names_.emplace_back(name)); }
  Node Sibling(Node node, long step) const {
    const std::vector<Node>& kids = kids_.at(parent_.at(node));
    const long index = std::find(kids.begin(), kids.end(), node) - kids.begin() + step;
    return index < 0 || index >= static_cast<long>(kids.size()) ? kNone : kids[index];
  }

  std::deque<std::string> names_;
  std::map<Node, std::vector<Node>> kids_{{kNone, {}}};
  std::map<Node, Node> parent_;
  std::map<Node, void*> data_;
  Node last_ = kNone;
};

constexpr char kLibrary[] = "A(a1 a2 a3) B() C(c1)";

TEST(TagReorder, AShiftDragLandsBeforeTheTargetOrAtTheEndUnlessItIsThereAlready) {
  const struct {
    bool folder;
    const char* dragged;
    const char* target;  // "" for none
    bool after_last;
    const char* result;
    bool opens_folder;
  } cases[] = {
      {false, "a1", "a2", false, kLibrary, false},  // onto its own next sibling
      {false, "a3", "a1", false, "A(a3 a1 a2) B() C(c1)", false},
      {false, "a1", "a3", false, "A(a2 a1 a3) B() C(c1)", false},
      {false, "a3", "A", false, kLibrary, false},  // already the folder's last
      {false, "a1", "A", false, "A(a2 a3 a1) B() C(c1)", false},
      {false, "a2", "B", false, "A(a1 a3) B(a2) C(c1)", true},
      {false, "c1", "a1", false, "A(c1 a1 a2 a3) B() C()", false},
      {false, "a1", "", false, kLibrary, false},  // the tree's empty area
      {true, "A", "C", true, "B() C(c1) A(a1 a2 a3)", false},  // below the last node
      {true, "C", "c1", true, kLibrary, false},                // already last
      {true, "A", "B", false, kLibrary, false},                // its own next sibling
      {true, "A", "C", false, "B() A(a1 a2 a3) C(c1)", false},
      {true, "C", "a2", false, "C(c1) A(a1 a2 a3) B()", false},  // onto another folder's tag
      {true, "A", "a2", false, kLibrary, false},                 // onto its own tag
  };
  for (const auto& c : cases) {
    PlainTree tree(kLibrary);
    const tag_reorder::Decision decision =
        tag_reorder::Decide(tree, {c.folder, tree.Find(c.dragged), tree.Find(c.target), c.after_last});
    if (decision.move) tag_tree::Move(tree, tree.Find(c.dragged), decision.place);
    EXPECT_EQ(tree.Text(), c.result) << c.dragged << " onto " << c.target;
    EXPECT_EQ(decision.opens_folder, c.opens_folder) << c.dragged << " onto " << c.target;
  }
}

TEST(TagReorder, AMoveThatCannotMakeEveryCopyLeavesTheTreeAsItWas) {
  const struct {
    const char* dragged;
    int copies_possible;
  } cases[] = {{"A", 0}, {"A", 1}, {"A", 3}, {"c1", 0}};
  for (const auto& c : cases) {
    PlainTree tree(kLibrary);
    tree.inserts_left = c.copies_possible;
    EXPECT_EQ(tag_tree::Move(tree, tree.Find(c.dragged), {}), kNone);
    EXPECT_EQ(tree.Text(), kLibrary) << c.dragged << " with " << c.copies_possible << " copies";
  }
}

}  // namespace
