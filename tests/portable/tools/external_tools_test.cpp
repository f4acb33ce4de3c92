#include "tools/external_tools.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ExternalTools, ParametersAreTheOptionsThenTheQuotedPathOrMappedAddress) {
  struct Mapping {
    bool enabled = false;
    std::u16string_view folder, web;
  };
  struct Case {
    std::u16string_view options, path;
    bool use_mapping;
    std::array<Mapping, 4> mappings;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {u"-x", u"", true, {{{true, u"C:\\", u"http://l/"}}}, u"-x"},
      {u"", u"C:\\a b.html", false, {}, u"\"C:\\a b.html\""},
      {u"-x", u"C:\\site\\sub\\p.html", true, {{{true, u"c:\\SITE\\", u"http://l/"}}}, u"-x \"http://l/sub/p.html\""},
      {u"-x", u"C:\\site\\p.html", false, {{{true, u"C:\\site\\", u"http://l/"}}}, u"-x \"C:\\site\\p.html\""},
      {u"", u"C:\\site\\sub\\p.html", true,
       {{{false, u"C:\\site\\", u"http://0/"}, {true, u"", u"http://"}, {true, u"C:\\site\\", u"http://2/"},
         {true, u"C:\\site\\sub\\", u"http://3/"}}},
       u"\"http://2/sub/p.html\""},
      {u"", u"D:\\p.html", true, {{{true, u"C:\\site\\", u"http://l/"}}}, u"\"D:\\p.html\""},
      {u"", u"C:\\site2\\p.html", true, {{{true, u"C:\\site", u"http://l/"}}}, u"\"C:\\site2\\p.html\""},
      {u"", u"C:\\site\\p.html", true, {{{true, u"C:\\site", u"http://l"}}}, u"\"http://l/p.html\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.path.begin(), c.path.end()));
    ExternalTool tool;
    tool.options.Assign(c.options);
    tool.use_mapping = c.use_mapping;
    external_tools::UrlMappings mappings;
    for (std::size_t m = 0; m < mappings.size(); ++m) {
      mappings[m].enabled = c.mappings[m].enabled;
      mappings[m].local_prefix.Assign(c.mappings[m].folder);
      mappings[m].web_prefix.Assign(c.mappings[m].web);
    }
    WideString parameters;
    ASSERT_TRUE(external_tools::ParameterText(tool, c.path, mappings, parameters));
    EXPECT_EQ(parameters.View(), c.expected);
  }
}

TEST(ExternalTools, HelpFileIsTheProgramWithItsExtensionReplaced) {
  WideString help;
  ASSERT_TRUE(external_tools::HelpPath(u"C:\\a.b\\Vorndel", help));
  EXPECT_EQ(help.View(), u"C:\\a.b\\Vorndel.chm");
  ASSERT_TRUE(external_tools::HelpPath(u"C:\\a.b\\Vorndel.exe", help));
  EXPECT_EQ(help.View(), u"C:\\a.b\\Vorndel.chm");
}

}  // namespace
