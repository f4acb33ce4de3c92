// Natural order: the sort ends in the system's order even where the
// program's estimate of it differs.
#include "platform/natural_order.h"

#include <gtest/gtest.h>

#include "support/wide_list.h"

namespace {

TEST(NaturalOrder, SortingEndsInTheSystemsOrder) {
  std::vector<WideString> names =
      WideList({u"file10.html", u"a_b.css", u"File2.html", u"a-b.css", u"a b.css", u"\u00E9t\u00E9.txt", u"zeta.txt",
                u"x007.png", u"x7.png", u"x70.png", u"ab.css", u"a.css", u"A.css", u"[1].txt", u"~x.txt", u"file1.html"});
  natural_order::Sort(names);
  ASSERT_EQ(names.size(), 16u);
  for (std::size_t i = 1; i < names.size(); ++i)
    EXPECT_LE(natural_order::Compare(names[i - 1].Text(), names[i].Text()), 0) << i;
  EXPECT_LT(natural_order::Compare(u"file2.html", u"file10.html"), 0);
  EXPECT_LT(natural_order::Compare(u"File1.html", u"file2.html"), 0);
}

}  // namespace
