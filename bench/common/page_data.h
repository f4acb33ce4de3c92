#pragma once
// The pages the file benchmarks read and write: an HTML page of about 100 MB
// and 2 million lines in UTF-8 and the same in Shift_JIS, generated once
// into build/bench/data.
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/code_page.h"

namespace bench {

namespace fs = std::filesystem;

inline constexpr std::uint64_t kTargetBytes = 100'000'000;

class Random {
 public:
  std::uint32_t Next(std::uint32_t bound) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state_ >> 33) % bound;
  }

 private:
  std::uint64_t state_ = 42;
};

inline const char* const kWords[] = {"the",   "editor", "loads",   "pages", "quickly", "with",
                              "markup", "and",   "styles",  "for",   "every",   "section",
                              "of",    "site",   "content", "news",  "archive", "about"};
// All of these exist in code page 932.
inline const char* const kJapanese[] = {"日本語のテキスト", "こんにちは世界", "お問い合わせ",
                                 "会社概要",         "新着情報",       "サイトマップ",
                                 "東京都千代田区",   "株式会社",       "ｶﾀｶﾅ",
                                 "個人情報の取り扱い"};
inline const char* const kTags[] = {"p", "li", "span", "td", "h3", "dd"};

inline std::string Words(Random& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i) text += ' ';
    bool japanese = random.Next(5) == 0;
    text += japanese ? kJapanese[random.Next(std::size(kJapanese))] : kWords[random.Next(std::size(kWords))];
  }
  return text;
}

// One line of a plausible page; depth is the nesting of open <div>s.
inline std::string HtmlLine(Random& random, int& depth) {
  std::string line(static_cast<std::size_t>(2 * depth), ' ');
  std::uint32_t kind = random.Next(10);
  if ((kind == 0 && depth < 8) || depth == 0) {
    line += "<div class=\"item-" + std::to_string(random.Next(1000)) + "\">";
    ++depth;
  } else if (kind == 1) {
    line.resize(line.size() - 2);
    line += "</div>";
    --depth;
  } else if (kind == 2) {
    line += "<a href=\"/docs/" + std::to_string(random.Next(100000)) + ".html\" title=\"" + Words(random, 2) + "\">" +
            Words(random, 2) + "</a>";
  } else if (kind == 3) {
    line += "<img src=\"/img/p" + std::to_string(random.Next(5000)) + ".png\" width=\"120\" height=\"80\" alt=\"" +
            Words(random, 1) + "\">";
  } else if (kind == 4) {
    line += "<!-- " + Words(random, 3) + " -->";
  } else {
    const char* tag = kTags[random.Next(std::size(kTags))];
    line += std::string("<") + tag + ">" + Words(random, 1 + static_cast<int>(random.Next(5))) + "</" + tag + ">";
  }
  return line;
}

inline bool ToShiftJis(const std::string& utf8, std::string& shift_jis) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  shift_jis.assign(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  char* out = shift_jis.data();
  std::size_t in_left = utf8.size(), out_left = shift_jis.size();
  bool done = iconv(converter, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  shift_jis.resize(shift_jis.size() - out_left);
  return done && in_left == 0;
}

inline bool WriteFile(const fs::path& path, const std::string& bytes) {
  fs::path partial = path;
  partial += ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  std::error_code error;
  fs::rename(partial, path, error);
  return !error;
}

inline bool GenerateOnce(const fs::path& utf8_path, const fs::path& shift_jis_path) {
  if (fs::exists(utf8_path) && fs::exists(shift_jis_path)) return true;
  fs::create_directories(utf8_path.parent_path());
  std::fprintf(stderr, "generating %s and %s\n", utf8_path.c_str(), shift_jis_path.c_str());
  Random random;
  int depth = 0;
  std::string page = "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head><meta charset=\"utf-8\"><title>" +
                     Words(random, 3) + "</title></head>\r\n<body>\r\n";
  page.reserve(kTargetBytes + 4096);
  while (page.size() < kTargetBytes) page += HtmlLine(random, depth) + "\r\n";
  page += "</body>\r\n</html>\r\n";
  std::string shift_jis;
  return ToShiftJis(page, shift_jis) && WriteFile(utf8_path, page) && WriteFile(shift_jis_path, shift_jis);
}

inline fs::path DataFolder() { return fs::canonical("/proc/self/exe").parent_path().parent_path() / "data"; }

// Generates the pages when missing and runs benchmark(name, path, code page)
// on each; the number of failures (1 when the pages cannot be made).
template <typename Benchmark>
int RunOnPages(Benchmark benchmark) {
  const fs::path utf8 = DataFolder() / "page_utf8.html";
  const fs::path shift_jis = DataFolder() / "page_shift_jis.html";
  if (!GenerateOnce(utf8, shift_jis)) {
    std::fprintf(stderr, "could not generate the test files\n");
    return 1;
  }
  return benchmark("utf8", utf8, code_page::kUtf8) + benchmark("shift_jis", shift_jis, code_page::kShiftJis);
}


// Generates the pages when missing; false when they cannot be made.
inline bool PagesReady() {
  return RunOnPages([](const char*, const fs::path&, unsigned) { return 0; }) == 0;
}

}  // namespace bench
