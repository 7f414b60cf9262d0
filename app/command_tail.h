#pragma once
// The command tail: the text after the program's name, which in batch mode is
// the path of a configuration file. It has no length limit.

#include <string>
#include <string_view>

namespace tabulon {

// The command tail of a POSIX command line. The shell has already split the
// line into arguments, so they are joined again by single blanks: a path with
// blanks typed without quotes keeps its blanks (collapsed to one), and a single
// argument, the usual case, is used exactly as it stands. Arguments are bytes
// and become wide text with the surrogate escape, so any file name survives.
std::wstring command_tail_from_arguments(int argc, const char* const* argv);

// The configuration path named by a batch-mode command tail: the whole tail,
// neither split nor trimmed; when its first and its last character are both
// double quotes, both are removed (a tail of one quote alone gives an empty
// path). A tail with only one of the two quotes is used unchanged.
std::wstring config_path_from_tail(std::wstring_view tail);

}  // namespace tabulon
