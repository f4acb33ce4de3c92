#include "frame/startup/single_instance_win32.h"

#include "frame/startup/handover_names.h"
#include "frame/startup/open_from_outside.h"

namespace single_instance {

void HandOver(HWND running, const char16_t* const* args, int count) {
  if (IsIconic(running)) ShowWindowAsync(running, SW_RESTORE);
  SetForegroundWindow(running);

  WideString block;
  std::uint32_t names = 0;
  if (!handover_names::Pack(args, count, block, names)) return;
  COPYDATASTRUCT data = {};
  data.dwData = names;
  data.cbData = block.Length() * sizeof(char16_t);
  data.lpData = data.cbData ? block.Data() : nullptr;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                      kHandOverTimeoutMs, &result);
}

bool TakeNames(const COPYDATASTRUCT* data, WideString& units) {
  return data && handover_names::Receive(data->lpData, data->cbData, units);
}

void OpenNames(const WideString& units) {
  // dwData is the sender's claim; only the names actually found count.
  std::size_t offset = 0;
  std::u16string_view name;
  while (handover_names::NextName(units.View(), offset, name)) open_from_outside::OpenName(name);
  open_from_outside::Finish();
}

void Receive(const COPYDATASTRUCT* data) {
  WideString units;
  if (TakeNames(data, units)) OpenNames(units);
}

}  // namespace single_instance
