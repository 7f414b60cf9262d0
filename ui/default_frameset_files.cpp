#include "ui/default_frameset_files.h"

namespace tabulon {

void set_default_frameset_files(build_settings& settings, path_style style) {
  const std::wstring scripts = std::wstring(L"Scripts") + style.separator;
  const bool xhtml =
      settings.doctype == doctype_xhtml_transitional || settings.doctype == doctype_xhtml_strict;
  settings.frameset_file = scripts + (xhtml ? L"frameset_xhtml.txt" : L"frameset.txt");
  settings.left_frame_file = scripts + L"left_frame.txt";
  settings.right_frame_file = scripts + L"right_frame.txt";
}

}  // namespace tabulon
