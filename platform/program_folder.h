#pragma once
// The folder of the running executable, where Scripts/, Translations/, help/
// and the program's own .init files live.

#include <string>

namespace tabulon {

// Full path of the executable's folder ending in the separator ("/opt/tabulon/";
// on Windows with the drive letter upper-cased). Empty when the system cannot
// tell (then relative names resolve against the current directory).
std::wstring program_folder();

}  // namespace tabulon
