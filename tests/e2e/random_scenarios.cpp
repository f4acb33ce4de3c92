// A seeded run of random user actions against the real program: typing,
// keys, clicks, tab switches, commands, opens handed over from a second
// start, saves and closes with every answer to the prompts.  After each
// action the program must answer; at the end it must close, no prompt
// left, and every file it saved must hold the text it showed when saved.
// VORNDEL_RANDOM_SEED repeats a run; VORNDEL_RANDOM_SECONDS makes it
// longer (a minute by default).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "e2e/document_area.h"
#include "e2e/driver.h"
#include "e2e/installed_program.h"
#include "e2e/settings_file.h"

namespace e2e {
namespace {

constexpr WORD kNew = 5010;
constexpr WORD kSave = 5050;
constexpr WORD kClose = 5080;
constexpr WORD kUndo = 5110;
constexpr WORD kSelectAll = 5124;
constexpr int kFiles = 4;

unsigned long EnvironmentNumber(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoul(value, nullptr, 10) : fallback;
}

// Line ends as the program's copy gives them and as any saved style.
std::string Normalised(const std::string& bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      out += '\n';
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      out += bytes[i];
    }
  }
  return out;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class RandomRun {
 public:
  RandomRun(unsigned long seed, InstalledProgram& installed) : random_(seed), installed_(installed) {}

  void Start() {
    program_ = std::make_unique<Program>(installed_.exe, std::vector<std::wstring>{File(0)});
    window_ = program_->WaitMainWindow();
    ASSERT_NE(window_, nullptr);
  }

  // One action; false when the program stopped answering.
  bool Step() {
    switch (Pick(10)) {
      case 0:
      case 1:
        SendCharacters(ActiveEditor(window_), RandomText());
        break;
      case 2: {
        const UINT keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_BACK, VK_DELETE, VK_RETURN};
        SendKey(ActiveEditor(window_), keys[Pick(9)]);
        break;
      }
      case 3: {
        HWND editor = ActiveEditor(window_);
        const LPARAM at = MAKELPARAM(Pick(400), Pick(300));
        PostMessageW(editor, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(editor, WM_LBUTTONUP, 0, at);
        break;
      }
      case 4: {
        const int tabs = static_cast<int>(TabTexts(window_).size());
        if (tabs > 1) {
          // The press alone: the release would open the context menu.
          const POINT box = CloseBoxCentre(window_, Pick(tabs));
          PostMessageW(TabStrip(window_), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(box.x - 20, box.y));
        }
        break;
      }
      case 5: {
        const WORD commands[] = {kNew, kUndo, kSelectAll};
        SendCommand(window_, commands[Pick(3)]);
        break;
      }
      case 6: {
        const std::wstring names = PackNames({File(Pick(kFiles))});
        SendCopyData(window_, 1, names.c_str(), static_cast<DWORD>(names.size() * sizeof(wchar_t)));
        break;
      }
      case 7:
        Save();
        break;
      default:
        Close();
        break;
    }
    AnswerStrayBoxes();
    DWORD_PTR result = 0;
    return program_->Running() && SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
  }

  // Closes without saving; false when the program did not end.
  bool Finish() { return CloseDiscarding(*program_, window_); }

  void CheckSavedFiles() const {
    for (const auto& [path, text] : saved_)
      EXPECT_EQ(Normalised(ReadWholeFile(path)), Normalised(text)) << Narrow(path);
  }
  std::size_t SavedCount() const { return saved_.size(); }

 private:
  int Pick(int bound) { return static_cast<int>(random_() % static_cast<unsigned>(bound)); }
  std::wstring File(int index) const { return installed_.scratch.File(L"f" + std::to_wstring(index) + L".html"); }
  std::wstring RandomText() {
    const wchar_t pieces[] = L"abc <p>x</p>\r";
    std::wstring text;
    for (int i = 1 + Pick(6); i > 0; --i) text += pieces[Pick(static_cast<int>(std::size(pieces)) - 1)];
    return text;
  }
  // The active document's path; empty when it is untitled.
  std::wstring ActivePath() const {
    for (const EditorWindow& editor : Editors(window_))
      if (editor.visible && editor.title.find(L'\\') != std::wstring::npos) return editor.title;
    return {};
  }

  void Save() {
    const std::wstring path = ActivePath();
    if (path.empty()) return;  // Save As would open its dialog
    const std::string text = Narrow(DocumentText(window_));
    SendCommand(window_, kSave);
    saved_[path] = text;
  }

  void Close() {
    const std::wstring path = ActivePath();
    const std::string text = Narrow(DocumentText(window_));
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(kClose, 0), 0);
    MessageBoxSeen prompt;
    if (!WaitMessageBox(program_->Id(), 500, prompt)) return;
    // Yes on an untitled document would open the save dialog.
    const int answers[] = {IDNO, IDCANCEL, IDYES};
    const int answer = answers[Pick(path.empty() ? 2 : 3)];
    Answer(prompt.box, answer);
    WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(prompt.box); });
    if (answer == IDYES) saved_[path] = text;
  }

  void AnswerStrayBoxes() {
    MessageBoxSeen seen;
    while (WaitMessageBox(program_->Id(), 100, seen)) {
      Answer(seen.box, IDCANCEL);
      WaitUntil(kStartTimeoutMs, [&] { return !IsWindow(seen.box); });
    }
  }

  std::mt19937 random_;
  InstalledProgram& installed_;
  std::unique_ptr<Program> program_;
  HWND window_ = nullptr;
  std::map<std::wstring, std::string> saved_;
};

TEST(RandomActions, TheProgramStaysAliveLeavesNoPromptAndSavesWhatItShows) {
  ASSERT_TRUE(MainWindows().empty()) << "a main window was left over";
  InstalledProgram installed(ScenarioName());
  ASSERT_TRUE(installed.scratch.Write(L"Vorndel.ini", ""));
  for (int i = 0; i < kFiles; ++i)
    ASSERT_TRUE(installed.scratch.Write(L"f" + std::to_wstring(i) + L".html", "<p>start</p>\r\n"));
  const unsigned long seed = EnvironmentNumber("VORNDEL_RANDOM_SEED", GetTickCount());
  const ULONGLONG seconds = EnvironmentNumber("VORNDEL_RANDOM_SECONDS", 60);
  std::printf("random actions: VORNDEL_RANDOM_SEED=%lu\n", seed);
  RandomRun run(seed, installed);
  run.Start();
  const ULONGLONG end = GetTickCount64() + seconds * 1000;
  int steps = 0;
  for (; GetTickCount64() < end; ++steps) ASSERT_TRUE(run.Step()) << "no answer after step " << steps << ", seed " << seed;
  ASSERT_TRUE(run.Finish()) << "seed " << seed;
  run.CheckSavedFiles();
  std::printf("random actions: %d steps, %zu files saved\n", steps, run.SavedCount());
}

}  // namespace
}  // namespace e2e
