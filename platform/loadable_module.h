#pragma once
// Loading a part of the program that lives in a shared module of its own,
// and finding a function in it by name.

#include <string>

namespace tabulon {

// Loads the module at `path` and finds the function `symbol` in it. Null,
// with `error` set to the system's reason, when either fails. A loaded module
// stays loaded until the process ends.
void* load_module_function(const std::wstring& path, const char* symbol, std::wstring& error);

// The file name of the module called `base` ("base.so", "base.dll").
std::wstring module_file_name(const std::wstring& base);

}  // namespace tabulon
