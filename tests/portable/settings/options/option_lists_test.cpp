#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/options/extension_lists.h"
#include "settings/options/language_list.h"

namespace {

std::vector<std::u16string> Texts(const std::vector<WideString>& items) {
  std::vector<std::u16string> texts;
  for (const WideString& item : items) texts.emplace_back(item.View());
  return texts;
}

class ListedFolder : public FolderListing {
 public:
  explicit ListedFolder(std::vector<ListedEntry> entries) : entries_(std::move(entries)) {}
  bool List(std::u16string_view, const std::function<bool(const ListedEntry&)>& each) const override {
    for (const ListedEntry& entry : entries_)
      if (!each(entry)) break;
    return true;
  }

 private:
  std::vector<ListedEntry> entries_;
};

}  // namespace

TEST(ExtensionLists, RunsOfSpacesSeparateItemsKeptAsTyped) {
  const std::pair<std::u16string, std::vector<std::u16string>> cases[] = {
      {u".html  .htm", {u".html", u".htm"}},
      {u"   ", {}},
      {u"", {}},
      {u" php .PHP3 ", {u"php", u".PHP3"}},
  };
  for (const auto& [text, expected] : cases) {
    std::vector<WideString> items;
    ASSERT_TRUE(extension_lists::Split(text, items));
    EXPECT_EQ(Texts(items), expected) << std::string(text.begin(), text.end());
    WideString joined;
    ASSERT_TRUE(extension_lists::Join(items, joined));
    std::vector<WideString> again;
    ASSERT_TRUE(extension_lists::Split(joined.View(), again));
    EXPECT_EQ(Texts(again), expected);
  }
}

TEST(LanguageList, InUseAlwaysOthersWhenSignedInListingOrder) {
  const ListedFolder folder({{u"Junk.dll", u"", false},
                             {u"Vorndel.exe", u"", false},
                             {u"japanese.DLL", u"", false},
                             {u"Plugins.dll", u"", true},
                             {u"ENGLISH.dll", u"", false}});
  std::vector<std::u16string> probed;
  std::vector<WideString> names;
  ASSERT_TRUE(language_list::Offered(folder, u"C:\\prog", u"English",
                                     [&](std::u16string_view file) {
                                       probed.emplace_back(file);
                                       return file == u"japanese.DLL";
                                     },
                                     names));
  EXPECT_EQ(Texts(names), (std::vector<std::u16string>{u"japanese", u"ENGLISH"}));
  // The module in use is offered without a check: it may fail one.
  EXPECT_EQ(probed, (std::vector<std::u16string>{u"Junk.dll", u"japanese.DLL"}));
}
