#pragma once
// Link texts taken from the title element of HTML files (the option
// `use_html_titles_for_links`). The folder scan asks once per file it takes.

#include <string>
#include <string_view>

#include "base/build_settings.h"

namespace tabulon {

// The text of the first "<title>...</title>" element of the file `name` in
// `folder` (tag letters in any case, the tags written without attributes or
// blanks), with the typographic characters turned into entities when
// `settings.convert_typographic` is on.
//
// Only names that contain ".HTML", ".SHTML", ".HTM" or ".XHTML" (any case,
// anywhere in the name) are opened; any other name is returned unchanged.
// Never fails: a file that cannot be read, has no title element, an empty
// title or a title that is never closed gives the file name. The file is read
// once, as a stream; only the title text itself is kept in memory, and a title
// longer than `kMaxLinkTitleChars` characters is cut to that length.
std::wstring read_link_title(const build_settings& settings, std::wstring_view folder,
                             std::wstring_view name);

inline constexpr size_t kMaxLinkTitleChars = 65536;

}  // namespace tabulon
