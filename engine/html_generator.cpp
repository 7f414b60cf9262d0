#include "engine/html_generator.h"

#include <cerrno>

#include "base/wide_string.h"
#include "engine/folder_skip.h"
#include "engine/page_paths.h"
#include "engine/read_ahead.h"
#include "platform/dir_enum.h"
#include "platform/path_rules.h"

namespace tabulon {

html_generator::html_generator(build_settings& settings_record) : settings(&settings_record) {
  scan.settings = settings;
}

html_generator::~html_generator() = default;

bool html_generator::folder_is_skipped(const std::wstring& folder) const {
  return tabulon::folder_is_skipped(*settings, folder);
}

status html_generator::check_root() const {
  const std::wstring& root = settings->path;
  if (root.empty()) return status::error(L"build", L"", L"", L"no root folder is set");
  if (folder_is_skipped(root))
    return status::error(L"build", root, L"", L"the root folder is excluded by skip_folders");
  errno = 0;
  if (open_folder folder; !folder.open(root))
    return status::from_errno(L"open folder", root, L"", errno);
  return status();
}

int html_generator::build_from_root(build_progress* observer) {
  settings->recursion_root = settings->path;
  return build(observer);
}

int html_generator::build_with_frame_page(build_progress* observer) {
  assembly.framed_page = true;
  const int written = build(observer);
  assembly.framed_page = false;  // also when no page took it
  return written;
}

int html_generator::build(build_progress* observer) {
  build_settings& s = *settings;
  not_started = check_root();
  if (!not_started) return 0;

  pages_written = 0;
  progress = observer;
  if (progress) reset_for_build(*progress);
  scan.progress = progress;

  if (!s.custom_html_filename.empty())
    s.custom_html_filename = resolve_in_program_folder(s.custom_html_filename, s.program_folder);

  all_in_one = s.recursive_build && !s.recursive_build_single_file;
  one_per_folder = s.recursive_build && s.recursive_build_single_file;
  scan.all_in_one = all_in_one;
  scan.base_folder.clear();
  start_folder = s.path;
  if (scan.root_folder.empty()) scan.root_folder = s.path;

  if (!one_per_folder) {
    write_page(s.path);
    return pages_written;
  }

  const std::wstring kept_path = s.path;
  const int32_t kept_include_subfolders = s.include_subfolders;
  const int32_t kept_supress_parent_link = s.supress_parent_link;
  if (s.force_framed_settings) {
    s.include_subfolders = 1;
    s.supress_parent_link = 0;
  }
  const std::wstring kept_link_target = s.folder_link_target;
  folder_link_file = s.recurse_link_folders_to_default_filename ? s.output_filename : L"";
  if (s.multi_recurse_skip_root) assembly.skip_next_page = true;

  const std::wstring kept_title = s.title;
  const std::wstring root = s.path;
  set_walk_title(root, root);

  // The walk's folders are read ahead on worker threads.
  std::unique_ptr<folder_reader_pool> reader;
  if (scan.read_ahead && !scan.reader) {
    // Each page's folder table asks which of its subfolders can be entered.
    reader = start_read_ahead(s, root, nullptr, 0, {}, /*probe_subfolders=*/true);
    scan.reader = reader.get();
  }
  int depth = 0;
  walk_branch(depth);
  if (reader) scan.reader = nullptr;

  s.title = kept_title;
  s.folder_link_target = kept_link_target;
  s.include_subfolders = kept_include_subfolders;
  s.supress_parent_link = kept_supress_parent_link;
  folder_link_file.clear();
  assembly.skip_next_page = false;
  s.path = kept_path;
  return pages_written;
}

// The title of a folder's page in a one-file-per-folder build. "DEFAULT"
// leaves the configured title (and its placeholders) alone.
void html_generator::set_walk_title(const std::wstring& folder, const std::wstring& root) {
  build_settings& s = *settings;
  switch (s.multi_recurse_title) {
    case title_qualified:
      s.title = folder;
      break;
    case title_default:
      break;
    case title_folder:
      s.title = folder_own_name(folder);
      break;
    case title_relative:
      s.title = relative_to_root(folder, root);
      break;
    default:
      s.title.clear();
      break;
  }
}

// A page was written (or tried) for the walk's current folder `here`: a
// listing of the folder the page went to, read ahead before, is out of date.
void html_generator::note_page_folder_changed(const open_folder& here) {
  const wchar_t separator = native_path_style().separator;
  if (settings->output_filename.find(separator) == std::wstring::npos) {
    scan.reader->folder_changed(here.identity());
    return;
  }
  // A page name with a folder in it puts every page elsewhere.
  const std::wstring output =
      output_path_of(settings->path, settings->output_filename, settings->program_folder);
  const size_t cut = output.rfind(separator);
  if (cut == std::wstring::npos) return;
  if (open_folder other; other.open(output.substr(0, cut == 0 ? 1 : cut)))
    scan.reader->folder_changed(other.identity());
}

void html_generator::walk_branch(int& depth) {
  build_settings& s = *settings;
  const std::wstring folder = s.path;
  const std::wstring folder_title = s.title;
  if (progress && progress->cancelled) return;

  ++depth;
  if (progress) {
    progress->current_folder = folder;
    if (notify(*progress)) return;
  }
  // The folder as the readers ahead opened and listed it, or opened now.
  open_folder here;
  dir_listing listing;
  bool listed = false;
  if (scan.reader) {
    if (std::optional<folder_read> read = scan.reader->take(folder)) {
      here = std::move(read->folder);
      listing = std::move(read->listing);
      listed = true;
    }
  }
  if (!listed && !here.open(folder)) return;
  // A link back to a folder already on the path would loop for ever.
  for (const folder_identity& id : walk_path_)
    if (id == here.identity()) return;

  assembly.page_dir = &here;
  assembly.page_dir_path = folder;
  assembly.page_listing = listed ? &listing : nullptr;
  write_page(folder);
  listed = assembly.page_listing != nullptr;  // not taken by the folder table
  assembly.page_dir = nullptr;
  assembly.page_dir_path.clear();
  assembly.page_listing = nullptr;
  if (scan.reader) note_page_folder_changed(here);
  if (progress && progress->cancelled) return;
  walk_path_.push_back(here.identity());

  // The page's folder table has usually read this folder already.
  std::vector<std::wstring> children;
  if (assembly.subfolders_of == folder) {
    children.swap(assembly.subfolders);
  } else {
    if (!listed) listing = read_listing(scan.reader, here, folder);
    for (const dir_item& item : listing) {
      if (!item.is_folder || starts_with(item.name, L".")) continue;
      if (can_enter(scan.reader, here, item.name, join_path(folder, item.name)))
        children.emplace_back(item.name);
    }
  }
  assembly.subfolders_of.clear();

  const std::wstring root = start_folder;
  for (const std::wstring& name : children) {
    const std::wstring child = join_path(folder, name);
    set_walk_title(child, root);
    s.path = child;
    if (!folder_is_skipped(child) && (s.max_search_depth2 == 0 || s.max_search_depth2 >= depth)) {
      walk_branch(depth);
      --depth;
    }
    if (progress && progress->cancelled) break;
  }
  walk_path_.pop_back();
  s.path = folder;
  s.title = folder_title;
}

}  // namespace tabulon
