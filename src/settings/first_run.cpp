#include "settings/first_run.h"

#include <initializer_list>

namespace first_run {
namespace {

void AssignList(std::vector<WideString>& list, std::initializer_list<std::u16string_view> items) {
  list.clear();
  for (std::u16string_view item : items) {
    WideString text;
    if (text.Assign(item)) list.push_back(std::move(text));
  }
}

struct Browser {
  std::u16string_view relative_path;
  std::u16string_view label;
};

constexpr Browser kBrowsers[] = {
    {u"Internet Explorer\\iexplore.exe", u"Internet Explorer"},
    {u"Mozilla Firefox\\firefox.exe", u"Firefox"},
    {u"Google\\Chrome\\Application\\chrome.exe", u"Chrome"},
    {u"Opera\\opera.exe", u"Opera"},
};

struct QuickTagText {
  std::u16string_view label;
  std::u16string_view start_text;
  std::u16string_view end_text;
};

constexpr QuickTagText kQuickTags[] = {
    {u"<h1>", u"<h1>", u"</h1>"},
    {u"<h2>", u"<h2>", u"</h2>"},
    {u"<h3>", u"<h3>", u"</h3>"},
    {u"<p>", u"<p>", u"</p>"},
    {u"<br>", u"<br>", u""},
    {u"<div>", u"<div>", u"</div>"},
    {u"<span>", u"<span>", u"</span>"},
    {u" class=\"", u" class=\"", u"\""},
    {u" id=\"", u" id=\"", u"\""},
    {u" style=\"", u" style=\"", u"\""},
};

}  // namespace

void BuildDocumentExtensions(std::vector<WideString>& list) {
  AssignList(list, {u".html", u".htm", u".xml", u".txt", u".css"});
}

void BuildImageExtensions(std::vector<WideString>& list) { AssignList(list, {u".jpg", u".png", u".gif"}); }

void BuildFavouriteFolders(const ShellFolders& shell, std::vector<FavouriteFolder>& list) {
  list.clear();
  FavouriteFolder pictures;
  if (shell.PicturesFolder(pictures.path) && !pictures.path.Empty()) list.push_back(std::move(pictures));
}

void DetectBrowsers(const ShellFolders& shell, std::array<ExternalTool, Settings::kToolSlots>& tools) {
  tools = {};
  WideString folder;
  if (!shell.ProgramFilesFolder(folder) || folder.Empty()) return;
  std::size_t next = 0;
  for (const Browser& browser : kBrowsers) {
    WideString path;
    if (!path.AssignJoined(folder.View(), browser.relative_path) || !shell.FileExists(path.View())) continue;
    ExternalTool& tool = tools[next++];
    tool.path = std::move(path);
    tool.label.Assign(browser.label);
    tool.use_mapping = true;
  }
}

void BuildQuickTags(std::array<QuickTag, Settings::kListSlots>& tags) {
  tags = {};
  for (std::size_t k = 0; k < std::size(kQuickTags); ++k) {
    tags[k].label.Assign(kQuickTags[k].label);
    tags[k].start_text.Assign(kQuickTags[k].start_text);
    tags[k].end_text.Assign(kQuickTags[k].end_text);
  }
}

void BuildUrlMappings(std::array<UrlMapping, Settings::kMappingSlots>& mappings) {
  mappings = {};
  for (UrlMapping& mapping : mappings) mapping.web_prefix.Assign(u"http://");
}

void Build(const ShellFolders& shell, Settings& settings) {
  BuildDocumentExtensions(settings.document_extensions);
  BuildImageExtensions(settings.image_extensions);
  BuildFavouriteFolders(shell, settings.favourite_folders);
  DetectBrowsers(shell, settings.external_tools);
  BuildQuickTags(settings.quick_tags);
  BuildUrlMappings(settings.url_mappings);
}

}  // namespace first_run
