#pragma once
// Opening a file by its wide name: the one place where a file name of a text
// file becomes the operating system's form (UTF-8 bytes with the surrogate
// escape on POSIX, UTF-16 on Windows).

#include <cstdio>
#include <string_view>

namespace tabulon {

// Like fopen with `mode` ("rb", "wb", "ab"); nullptr when it fails.
// The handle is unbuffered: the text readers and writers buffer themselves.
std::FILE* open_file(std::wstring_view path, const char* mode);

}  // namespace tabulon
