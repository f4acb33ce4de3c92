#include "frame/document_host.h"

#include <windows.h>

#include <algorithm>

#include "editor/control/edit_control.h"
#include "frame/error_box.h"
#include "frame/frame_state.h"
#include "frame/language_module.h"
#include "frame/string_ids.h"
#include "platform/text_measurer.h"
#include "settings/editor_options.h"
#include "settings/settings.h"

static_assert(sizeof(wchar_t) == 2, "UTF-16 wchar_t expected");

namespace document_host {
namespace {

HWND MainWindow() { return static_cast<HWND>(Frame().main_window); }

void SetTitle(Document& document, HWND window) {
  WideString title;
  const WideString& path = document.Path();
  if (path.Empty()) {
    language_module::String(string_ids::kUntitled, title);
  } else {
    title.Assign(path.View());
  }
  SetWindowTextW(window, title.Empty() ? L"" : reinterpret_cast<const wchar_t*>(title.Text()));
}

class WindowHost final : public document_opening::Host {
 public:
  explicit WindowHost(DocumentSet& set) : set_(set) {}

  Document* CreateDocument() override {
    RECT client{};
    GetClientRect(MainWindow(), &client);
    return edit_control::Create(set_, MainWindow(), 0, client.right, client.bottom);
  }
  void DestroyDocument(Document* document) override { edit_control::Destroy(set_, document); }
  void Show(Document* document) override {
    HWND window = edit_control::WindowOf(*document);
    SetTitle(*document, window);
    Document* previous = set_.Active();
    ShowWindow(window, SW_SHOW);
    if (previous && previous != document) ShowWindow(edit_control::WindowOf(*previous), SW_HIDE);
    set_.SetActive(document);
    SetFocus(window);
  }

 private:
  DocumentSet& set_;
};

}  // namespace

bool CreateSet() {
  auto measurer = platform::CreateScreenTextMeasurer();
  if (!measurer) return false;
  auto set = std::make_unique<DocumentSet>(std::move(measurer));
  if (!editor_options::Apply(ProcessSettings(), set->Settings(), set->Metrics())) return false;
  Frame().documents = std::move(set);
  return edit_control::RegisterWindowClass(static_cast<HINSTANCE>(Frame().program_module));
}

bool NewDocument() {
  DocumentSet& set = *Frame().documents;
  WindowHost host(set);
  Document* document = host.CreateDocument();
  if (!document) {
    error_box::Show(string_ids::kCannotMakeDocument);
    return false;
  }
  const Settings& settings = ProcessSettings();
  document->encoding = static_cast<EncodingId>(settings.default_encoding);
  document->line_break_style = static_cast<LineBreakStyle>(settings.default_line_break);
  host.Show(document);
  return true;
}

document_opening::Result Open(std::u16string_view path) {
  WindowHost host(*Frame().documents);
  return document_opening::Open(*Frame().documents, host, path, kAutoDetect);
}

int Count() { return Frame().documents ? Frame().documents->Count() : 0; }

void ActivateTab(int index) {
  if (index < 0 || index >= Count()) return;
  DocumentSet& set = *Frame().documents;
  WindowHost host(set);
  host.Show(set.At(set.Count() - 1 - index));
}

void GoToLine(int line) {
  Document* active = Frame().documents ? Frame().documents->Active() : nullptr;
  if (!active) return;
  line = std::clamp(line, 0, static_cast<int>(active->Store().LineCount()) - 1);
  active->Navigator().GoTo(active->Editor().At(line, 0), SelectionMode::Collapse);
}

void Resize(int width, int height) {
  if (Frame().documents) edit_control::MoveAll(*Frame().documents, 0, width, height);
}

void FocusActive() {
  Document* active = Frame().documents ? Frame().documents->Active() : nullptr;
  if (active) SetFocus(edit_control::WindowOf(*active));
}

void DestroyAll() {
  if (Frame().documents) edit_control::DestroyAll(*Frame().documents);
}

}  // namespace document_host
