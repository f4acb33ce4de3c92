#include "tools/find_in_files/folder_search.h"

#include <vector>

#include "platform/natural_order.h"
#include "platform/wide_string.h"
#include "tools/find_in_files/file_search.h"

namespace find_in_files {
namespace {

#ifdef _WIN32
constexpr char16_t kSeparator = u'\\';
#else
constexpr char16_t kSeparator = u'/';
#endif

class Walk {
 public:
  Walk(const FolderListing& listing, const FolderQuery& query, const LineMatcher& matcher,
       const std::atomic<bool>& stop, const FileDone& done, Counts& counts)
      : listing_(listing), query_(query), matcher_(matcher), stop_(stop), done_(done), counts_(counts) {}

  // relative: the folder's path below the searched one (empty for the
  // searched one).
  bool Folder(const std::u16string& relative, int depth) {
    std::vector<WideString> files;
    std::vector<WideString> folders;
    const bool listed = listing_.List(Joined(query_.folder, relative), [&](const ListedEntry& entry) {
      const bool wanted = entry.folder ? query_.subfolders && depth < kDeepestFolder : query_.masks.Matches(entry.name);
      if (!wanted) return true;
      WideString name;
      if (name.Assign(entry.name)) (entry.folder ? folders : files).push_back(std::move(name));
      return true;
    });
    if (!listed) return false;
    natural_order::Sort(files);
    natural_order::Sort(folders);
    for (const WideString& name : files) {
      if (Over()) return true;
      File(Joined(relative, name.View()));
    }
    for (const WideString& name : folders) {
      if (Over()) return true;
      Folder(Joined(relative, name.View()), depth + 1);
    }
    return true;
  }

 private:
  bool Over() {
    if (stop_.load(std::memory_order_relaxed)) counts_.stopped = true;
    return counts_.stopped || counts_.capped;
  }

  static std::u16string Joined(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (!path.empty() && path.back() != kSeparator && !name.empty()) path += kSeparator;
    return path.append(name);
  }

  void File(const std::u16string& relative) {
    FileHits file;
    file.relative = relative;
    file.path = Joined(query_.folder, relative);
    const FileOutcome outcome =
        SearchFile(matcher_, stop_, kMostHits - counts_.hits, file, counts_.capped, counts_.too_complex);
    if (outcome == FileOutcome::kStopped) counts_.stopped = true;
    if (outcome == FileOutcome::kSearched || outcome == FileOutcome::kStopped)
      ++counts_.files_searched;
    else
      ++counts_.files_skipped;
    counts_.hits += static_cast<std::int64_t>(file.hits.size());
    if (!file.hits.empty()) ++counts_.files_with_hits;
    done_(file, counts_);
  }

  const FolderListing& listing_;
  const FolderQuery& query_;
  const LineMatcher& matcher_;
  const std::atomic<bool>& stop_;
  const FileDone& done_;
  Counts& counts_;
};

}  // namespace

bool SearchFolder(const FolderListing& listing, const FolderQuery& query, const LineMatcher& matcher,
                  const std::atomic<bool>& stop, const FileDone& done, Counts& counts) {
  counts = {};
  return Walk(listing, query, matcher, stop, done, counts).Folder({}, 0);
}

}  // namespace find_in_files
