#include "settings/open_documents.h"

#include <gtest/gtest.h>

TEST(OpenDocumentsSnapshot, SlotsFollowTheTabsAndTheLastActivatedIsActive) {
  std::vector<TabForSnapshot> tabs = {
      {u"C:\\a.html", 4, 10}, {u"", 9, 30}, {u"C:\\b.html", 0, 20}};
  for (int k = 0; k < 22; ++k) tabs.push_back({u"C:\\more.txt", k, 1});
  OpenDocumentsSnapshot snapshot;
  ASSERT_TRUE(TakeOpenDocumentsSnapshot(tabs, snapshot));
  EXPECT_EQ(snapshot.documents[0].path.View(), u"C:\\a.html");
  EXPECT_EQ(snapshot.documents[0].line, 4);
  EXPECT_TRUE(snapshot.documents[1].path.Empty());  // untitled
  EXPECT_EQ(snapshot.documents[1].line, 0);
  EXPECT_EQ(snapshot.documents[2].path.View(), u"C:\\b.html");
  EXPECT_EQ(snapshot.documents[19].line, 16);
  EXPECT_EQ(snapshot.active_tab, 1);

  tabs.push_back({u"C:\\late.txt", 0, 99});  // tab 25: beyond the slots, still the active one
  ASSERT_TRUE(TakeOpenDocumentsSnapshot(tabs, snapshot));
  EXPECT_EQ(snapshot.active_tab, 25);
  EXPECT_EQ(ActiveTabToSelect(snapshot, 3), -1);
  EXPECT_EQ(ActiveTabToSelect(snapshot, 26), 25);

  ASSERT_TRUE(TakeOpenDocumentsSnapshot({}, snapshot));
  EXPECT_TRUE(snapshot.documents[0].path.Empty());
  EXPECT_EQ(snapshot.active_tab, 0);
}
