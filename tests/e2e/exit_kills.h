#pragma once
// Kills at moments spread around the writes a program makes at exit, for
// the scenarios that check a file is replaced whole or not at all; and the
// names such kills may leave beside the program.
#include <functional>
#include <string>
#include <vector>

#include "e2e/installed_program.h"

namespace e2e {

// Puts `old_file` into the scratch folder as `name` and runs the program
// over it: once undisturbed (with a screenshot), then `steps + 1` times
// killed at moments spread evenly from the close request to 1.5 times the
// undisturbed replacement.  Every file left must be the old one or the new
// one; `check` looks further at each one that is not the old one.  At the
// end only temporary files of the program's own exit writes may stray, at
// most one per kill.  The new file must differ from the old in size.  What
// the kills met is printed: the sweep is only worth its time when some land
// before the replacement and some after.
// With `link_folder`, the file has a second name there (a hard link), so
// that the program writes it in place: a kill during the writes may then
// leave it cut short, but only with the old file whole in its copy.
void SweepKillsAtExit(const InstalledProgram& installed, const std::wstring& name, const std::string& old_file,
                      int steps, const std::function<void(const std::string& left)>& check,
                      const std::wstring& link_folder = L"");

// Names in a folder other than the installed program, its language module,
// its settings file and its tag libraries.
std::vector<std::wstring> StrayFiles(const std::wstring& folder);
std::string Narrow(const std::vector<std::wstring>& names);

}  // namespace e2e
