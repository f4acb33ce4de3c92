// What waits while a prompt is up, and what a session end does: one row
// per message and state.
#include <gtest/gtest.h>

#include "frame/startup/prompt_hold.h"

namespace {

using prompt_hold::Action;
using prompt_hold::Arrival;

TEST(PromptHold, MessagesThatOpenOrCloseWaitForThePromptAndSessionEndsNeedTheirQuery) {
  struct Row {
    const char* what;
    bool query_seen;
    Arrival arrival;
    bool prompt_open;
    Action action;
    bool query_seen_after;
  };
  const Row rows[] = {
      {"command, no prompt", false, Arrival::kCommand, false, Action::kRun, false},
      {"command in a prompt", false, Arrival::kCommand, true, Action::kHold, false},
      {"hand-over in a prompt", false, Arrival::kHandOver, true, Action::kHold, false},
      {"hand-over, no prompt", false, Arrival::kHandOver, false, Action::kRun, false},
      {"close in a prompt", false, Arrival::kCloseRequest, true, Action::kHold, false},
      {"close, no prompt", false, Arrival::kCloseRequest, false, Action::kRun, false},
      {"query", false, Arrival::kSessionQuery, false, Action::kSnapshot, true},
      {"query in a prompt", false, Arrival::kSessionQuery, true, Action::kSnapshot, true},
      {"end after the query", true, Arrival::kSessionEnd, false, Action::kSnapshotAndEnd, true},
      {"end after the query, in a prompt", true, Arrival::kSessionEnd, true, Action::kSnapshotAndHold, true},
      {"stray end without a query", false, Arrival::kSessionEnd, false, Action::kIgnore, false},
      {"end called off", true, Arrival::kSessionGoesOn, false, Action::kIgnore, false},
  };
  for (const Row& row : rows) {
    prompt_hold::Session session{row.query_seen};
    EXPECT_EQ(prompt_hold::Decide(row.arrival, row.prompt_open, session), row.action) << row.what;
    EXPECT_EQ(session.query_seen, row.query_seen_after) << row.what;
  }
}


TEST(PromptHold, OnlyCommandsThatOpenOrCloseDocumentsWait) {
  const std::pair<std::uint16_t, bool> rows[] = {
      {5010, true}, {5020, true}, {5024, true}, {5052, true}, {5080, true}, {5090, true},
      {5110, false}, {5550, false}, {5620, false}, {5900, false}, {5000, false}};
  for (const auto& [command, waits] : rows) EXPECT_EQ(prompt_hold::OpensOrClosesDocuments(command), waits) << command;
}

}  // namespace
