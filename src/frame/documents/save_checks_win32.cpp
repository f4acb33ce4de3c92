#include <windows.h>

#include "docs/character_loss.h"
#include "frame/documents/save_checks.h"
#include "frame/documents/tab_area_win32.h"
#include "base/frame_state.h"
#include "base/language/language_module.h"
#include "base/language/string_ids.h"
#include "platform/file_replace.h"
#include "platform/file_source.h"
#include "platform/path_text.h"
#include "platform/system_error.h"

namespace save_checks {
namespace {

int AskText(std::u16string_view text, Document& document, UINT buttons) {
  const std::u16string terminated(text);
  WideString caption;
  tab_area::DisplayName(document, caption);
  return MessageBoxW(tab_area::MainWindow(), tab_area::Wide(terminated.c_str()), tab_area::Wide(caption.Text()),
                     buttons | MB_ICONQUESTION | MB_SETFOREGROUND);
}

bool ChangedOnDisk(Document& document, std::u16string_view path) {
  if (document.File().disk_time == 0 || !path_text::SameName(document.File().path.View(), path)) return false;
  const byte_file::FileStamp now = byte_file::StampOf(path);
  return now.time != 0 && !(now == byte_file::FileStamp{document.File().disk_time, document.File().disk_size});
}

}  // namespace

bool Confirm(Document& document, std::u16string_view path, int& encoding) {
  if (ChangedOnDisk(document, path) && tab_area::Ask(string_ids::kOverwriteChangedPrompt, document, MB_YESNO) != IDYES)
    return false;
  const CharacterLoss loss = character_loss::Find(document.Store(), encoding);
  if (loss.count == 0) return true;
  const std::u16string question =
      save_messages::LossQuestion(language_module::StringView(string_ids::kLostCharactersPrompt),
                                  language_module::StringView(string_ids::kEncodingNames + encoding), loss);
  switch (AskText(question, document, MB_YESNOCANCEL)) {
    case IDYES: encoding = kUtf8; return true;
    case IDNO: return true;
    default: return false;
  }
}

save_messages::FailedFile FailureOf(std::u16string_view path) {
  const byte_file::Failure& failure = byte_file::LastFailure();
  // The copy's name as the user would type it, without the long form.
  std::u16string kept = failure.kept_copy;
  if (kept.rfind(u"\\\\?\\UNC\\", 0) == 0) {
    kept.replace(0, 8, u"\\\\");
  } else if (kept.rfind(u"\\\\?\\", 0) == 0) {
    kept.erase(0, 4);
  }
  return {std::u16string(path), system_error::Text(failure.error), kept};
}

void ShowFailures(unsigned head_id, const std::vector<save_messages::FailedFile>& files) {
  const std::u16string text = save_messages::FailureText(language_module::StringView(head_id), files,
                                                         language_module::StringView(string_ids::kOldContentsKept));
  WideString caption;
  language_module::String(string_ids::kErrorCaption, caption);
  MessageBoxW(tab_area::MainWindow(), tab_area::Wide(text.c_str()), tab_area::Wide(caption.Text()),
              MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace save_checks
