#include "tools/find_in_files/file_search.h"

#include <algorithm>
#include <string>

#include "docs/encoding_detection.h"
#include "docs/line_decoding.h"
#include "docs/text_file_reader.h"
#include "platform/mapped_file.h"

namespace find_in_files {
namespace {

constexpr std::uint64_t kLargestFile = 0xFFFFFFFFull;
// Lines between two looks at the stop flag.
constexpr std::int32_t kLinesPerStopCheck = 1024;

// Gathers each line's units and hands the whole line to the matcher.
class MatchingSink : public LineSink {
 public:
  MatchingSink(const LineMatcher& matcher, const std::atomic<bool>& stop, std::int64_t room, FileHits& file)
      : matcher_(matcher), stop_(stop), room_(room), file_(file) {}

  bool AppendToLine(const char16_t* units, std::int32_t count) override {
    line_.append(units, static_cast<std::size_t>(count));
    return true;
  }
  bool EndLine() override {
    std::int32_t start = 0;
    std::int32_t end = 0;
    const RegexStatus status = matcher_.First(line_, start, end);
    if (status == RegexStatus::kTooComplex) too_complex = true;
    if (status == RegexStatus::kFound) {
      if (static_cast<std::int64_t>(file_.hits.size()) >= room_) {
        capped = true;
        return false;
      }
      file_.hits.push_back({line_number_, start, end, ShownText(line_, start)});
    }
    line_.clear();
    ++line_number_;
    if (line_number_ % kLinesPerStopCheck == 0 && stop_.load(std::memory_order_relaxed)) {
      stopped = true;
      return false;
    }
    return true;
  }
  // The last line, which ends without a line break.
  bool Finish() { return line_.empty() || EndLine(); }

  bool capped = false;
  bool stopped = false;
  bool too_complex = false;

 private:
  const LineMatcher& matcher_;
  const std::atomic<bool>& stop_;
  const std::int64_t room_;
  FileHits& file_;
  std::u16string line_;
  std::int32_t line_number_ = 0;
};

}  // namespace

bool LooksBinary(const std::uint8_t* data, std::uint32_t size, int encoding) {
  const std::uint32_t probe = std::min(size, kBinaryProbe);
  if (encoding != kUtf16Le && encoding != kUtf16Be) return std::find(data, data + probe, 0) != data + probe;
  for (std::uint32_t i = 0; i + 1 < probe; i += 2)
    if (data[i] == 0 && data[i + 1] == 0) return true;
  return false;
}

FileOutcome SearchFile(const LineMatcher& matcher, const std::atomic<bool>& stop, std::int64_t room, FileHits& file,
                       bool& capped, bool& too_complex) {
  MappedFile mapped;
  if (mapped.Open(file.path.c_str()) != MappedFile::OpenResult::kOpened) return FileOutcome::kUnreadable;
  if (mapped.Size() == 0) return FileOutcome::kSearched;
  if (mapped.Size() > kLargestFile || !mapped.Map()) return FileOutcome::kUnreadable;
  const auto size = static_cast<std::uint32_t>(mapped.Size());
  const int encoding = encoding_detection::ChooseEncoding(mapped.Data(), size, kAutoDetect);
  if (encoding < 0 || LooksBinary(mapped.Data(), size, encoding)) return FileOutcome::kBinary;

  TextFileReader reader(mapped.Data(), size, static_cast<EncodingId>(encoding));
  MatchingSink sink(matcher, stop, room, file);
  if (DecodeLines(reader, sink)) sink.Finish();
  capped = capped || sink.capped;
  too_complex = too_complex || sink.too_complex;
  return sink.stopped ? FileOutcome::kStopped : FileOutcome::kSearched;
}

}  // namespace find_in_files
