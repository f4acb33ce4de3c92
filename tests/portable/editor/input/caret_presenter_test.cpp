// The system caret and the composition window through the message
// sequences the control forwards: focus, moves, composition, focus loss.
#include "editor/input/caret_presenter.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/caret_harness.h"
#include "support/fixed_metrics.h"
#include "support/recording_input_method.h"

namespace {

using Calls = std::vector<std::string>;

class CaretPresenterTest : public ::testing::Test {
 protected:
  template <class Log>
  Calls Take(Log& log) {
    return std::exchange(log.calls, {});
  }

  RecordingSystemCaret caret_;
  RecordingInputMethod input_method_;
  CaretPresenter presenter_{caret_, input_method_};
};

TEST_F(CaretPresenterTest, TheCaretIsShownOnlyInsideTheTextArea) {
  presenter_.Create(13, {40, 2, true});
  EXPECT_EQ(Take(caret_), (Calls{"create 13", "move 40,2", "show"}));
  presenter_.Place({47, 2, true});
  EXPECT_EQ(Take(caret_), (Calls{"move 47,2"}));  // already shown
  presenter_.Place({20, 2, false});
  EXPECT_EQ(Take(caret_), (Calls{"move 20,2", "hide"}));
  presenter_.Place({10, 2, false});
  EXPECT_EQ(Take(caret_), (Calls{"move 10,2"}));
  presenter_.Destroy();
  EXPECT_EQ(Take(caret_), (Calls{"destroy"}));
  EXPECT_FALSE(presenter_.CaretShown());
  presenter_.Place({47, 2, true});  // without the focus there is no caret
  EXPECT_TRUE(Take(caret_).empty());
}

TEST_F(CaretPresenterTest, ACaretCreatedOutOfViewStaysHidden) {
  presenter_.Create(13, {31, -12, false});
  EXPECT_EQ(Take(caret_), (Calls{"create 13", "move 31,-12"}));
  EXPECT_FALSE(presenter_.CaretShown());
  presenter_.Create(13, {31, 2, true});  // again, after a context menu
  EXPECT_EQ(Take(caret_), (Calls{"destroy", "create 13", "move 31,2", "show"}));
}

TEST_F(CaretPresenterTest, TheCompositionWindowFollowsTheCaretWhileComposing) {
  presenter_.Create(13, {40, 2, true});
  Take(caret_);
  presenter_.Place({47, 2, true});
  EXPECT_TRUE(Take(input_method_).empty());
  auto metrics = MakeFixedMetrics();
  presenter_.StartComposition({47, 16, true}, metrics->NormalFont());
  EXPECT_TRUE(presenter_.Composing());
  EXPECT_EQ(Take(input_method_), (Calls{"font", "point 47,16"}));
  presenter_.Place({54, 16, true});
  EXPECT_EQ(Take(input_method_), (Calls{"force 54,16"}));
  presenter_.EndComposition();
  presenter_.Place({61, 16, true});
  EXPECT_TRUE(Take(input_method_).empty());
}

TEST_F(CaretPresenterTest, LosingTheFocusCancelsAComposition) {
  presenter_.Create(13, {40, 2, true});
  presenter_.StartComposition({40, 2, true}, nullptr);
  Take(input_method_);
  presenter_.Destroy();
  EXPECT_EQ(Take(input_method_), (Calls{"cancel"}));
  EXPECT_FALSE(presenter_.Composing());
  presenter_.Destroy();
  EXPECT_TRUE(Take(input_method_).empty());
}

TEST_F(CaretPresenterTest, AResultIsTypedAndTheMessageConsumed) {
  CaretHarness h(700, 10, false);
  h.Load("a^b|c");
  presenter_.StartComposition(h.navigator.Placement(), nullptr);
  EXPECT_FALSE(presenter_.Composition(false, h.editor));  // still composing: the input method draws
  EXPECT_EQ(h.Marked(), "a^b|c");
  input_method_.result = u"かな";
  EXPECT_TRUE(presenter_.Composition(true, h.editor));
  presenter_.EndComposition();
  EXPECT_EQ(h.Marked(), "a\\u{304B}\\u{306A}|c");
  input_method_.result.clear();
  EXPECT_TRUE(presenter_.Composition(true, h.editor));  // nothing to read: still consumed
  EXPECT_EQ(h.Marked(), "a\\u{304B}\\u{306A}|c");
}

}  // namespace
