#include "engine/scan.h"

#include <filesystem>
#include <iterator>
#include <memory>
#include <type_traits>
#include <vector>

#include "base/wide_string.h"
#include "engine/build_progress.h"
#include "engine/folder_skip.h"
#include "engine/link_title.h"
#include "engine/pattern_list.h"
#include "engine/read_ahead.h"
#include "engine/text_convert.h"
#include "engine/wildcard.h"
#include "platform/current_dir.h"
#include "platform/dir_enum.h"
#include "platform/file_time.h"
#include "platform/native_path.h"
#include "platform/path_rules.h"

namespace tabulon {

namespace {

// `folder` followed by one separator and `name`.
std::wstring join(const std::wstring& folder, std::wstring_view name) {
  // An empty folder reads as the root.
  return join_path(folder.empty() ? std::wstring_view(&kPathSeparator, 1) : folder, name);
}

// Upper-cases every item and drops the empty ones: an empty item carries no
// pattern, and wrapped in stars it would match every name.
std::vector<std::wstring> usable_patterns(const std::vector<std::wstring>& items, bool exclude) {
  std::vector<std::wstring> patterns;
  for (const std::wstring& item : items) {
    if (item.empty()) continue;
    patterns.push_back(exclude ? prepare_exclude_pattern(item) : upper_ascii(item));
  }
  return patterns;
}

bool matches_any(const std::vector<std::wstring>& patterns, std::wstring_view upper_text) {
  for (const std::wstring& pattern : patterns) {
    if (wildcard_match(pattern, upper_text)) return true;
  }
  return false;
}

class scanner {
 public:
  // Entries are made in the store of `list`, which receives them.
  scanner(scan_context& context, std::wstring_view spec_list, entry_list& list)
      : context_(context), settings_(*context.settings), list_(list) {
    for (const std::wstring& item : split_pattern_list(spec_list)) {
      if (!item.empty()) spec_items_.push_back(upper_ascii(item));
    }
    exclude_ = usable_patterns(context.exclude_patterns, true);
    include_ = usable_patterns(context.include_patterns, false);
    included_folders_ = usable_patterns(context.included_folder_patterns, false);
    if (!context.root_folder.empty())
      root_folder_ = scan_folder_path(
          give_drive_of_program_folder(context.root_folder, settings_.program_folder));
    date_filter_on_ = !settings_.date_modified.empty();
  }

  bool has_spec() const { return !spec_items_.empty(); }
  const std::vector<std::wstring>& included_folders() const { return included_folders_; }

  // `listing`, when given, is the top folder's listing, already read.
  void run(const open_folder& top, const std::wstring& path, int32_t& depth, dir_listing* listing) {
    on_path_.push_back(top.identity());
    scan(top, path, depth, listing);
    on_path_.pop_back();
  }

  bool cancelled() const { return cancelled_; }

  // Entries in the order they were found.
  std::vector<entry_ptr> found;
  known_order order{true, true};  // of `found`

 private:
  // The depth counter goes back on every way out of a folder.
  struct depth_guard {
    int32_t& depth;
    explicit depth_guard(int32_t& d) : depth(d) { ++depth; }
    ~depth_guard() { --depth; }
  };

  void scan(const open_folder& dir, const std::wstring& path, int32_t& depth,
            dir_listing* listing = nullptr) {
    depth_guard guard(depth);
    if (folder_is_skipped(settings_, path)) return;

    const bool root_files_excluded = !settings_.process_root_with_included_folders &&
                                     !included_folders_.empty() && path == root_folder_;
    if (context_.all_in_one && context_.base_folder.empty()) context_.base_folder = path;

    if (build_progress* progress = context_.progress) {
      if (progress->cancelled || notify(*progress)) {
        cancelled_ = true;
        return;
      }
    }

    const dir_listing items =
        listing ? std::move(*listing) : read_listing(context_.reader, dir, path);
    entry_folder_ref folder;  // made when the folder's first file is taken
    if (!root_files_excluded) {
      // Upper-cased names of the candidate files, made once for all spec
      // items, side by side in one buffer that every folder reuses (a
      // folder's files are all taken before its subfolders are scanned).
      upper_text_.clear();
      upper_at_.assign(items.size(), kNotCandidate);
      for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].is_folder || starts_with(items[i].name, L".")) continue;
        const std::wstring_view name = items[i].name;
        upper_at_[i] = upper_text_.size();
        upper_text_.resize(upper_text_.size() + name.size());
        wchar_t* out = upper_text_.data() + upper_at_[i];
        for (const wchar_t c : name) *out++ = upper_ascii(c);
      }
      for (const std::wstring& spec : spec_items_) {
        for (size_t i = 0; i < items.size(); ++i) {
          if (upper_at_[i] == kNotCandidate) continue;
          const std::wstring_view upper_name(upper_text_.data() + upper_at_[i],
                                             items[i].name.size());
          if (!file_spec_matches(spec, upper_name)) continue;
          if (!passes_filters(items[i], upper_name)) continue;
          if (!folder) folder = make_entry_folder(entry_folder_path(path));
          take(items[i], upper_name, path, folder);
        }
      }
    }

    if (!context_.all_in_one) return;
    for (const dir_item& item : items) {
      if (!item.is_folder || starts_with(item.name, L".")) continue;
      const std::wstring child_path = join(path, item.name);
      if (!included_folders_.empty() && !matches_any(included_folders_, upper_ascii(child_path)))
        continue;
      open_folder child;
      if (!child.open_child(dir, item.name, child_path)) continue;
      if (is_on_path(child.identity())) continue;  // a link back up the branch
      if (build_progress* progress = context_.progress) {
        progress->current_folder = child_path;
        if (notify(*progress)) {
          cancelled_ = true;
          return;
        }
        ++progress->pages;
      }
      if (settings_.max_search_depth2 == 0 || depth <= settings_.max_search_depth2) {
        on_path_.push_back(child.identity());
        scan(child, child_path, depth);
        on_path_.pop_back();
      }
      if (cancelled_) return;
    }
  }

  bool passes_filters(const dir_item& item, std::wstring_view upper_name) const {
    if (settings_.size_filter_on) {
      const size_range& sizes = settings_.sizes;
      if (!sizes.accept_all &&
          !(item.size >= sizes.min && (sizes.max == -99 || item.size <= sizes.max)))
        return false;
    }
    if (date_filter_on_) {
      const date_range& dates = settings_.dates;
      if (dates.valid && !dates.start.invalid && !dates.end.invalid && dates.start.time &&
          dates.end.time) {
        const int64_t seconds = filter_seconds(item.modified_time);
        if (seconds < *dates.start.time || seconds > *dates.end.time) return false;
      }
    }
    if (matches_any(exclude_, upper_name)) return false;
    if (!include_.empty() && !matches_any(include_, upper_name)) return false;
    return true;
  }

  // Follows whether the entries come in ascending key order, comparing
  // each with the one found before it while both are fresh in memory.
  void note_order(const file_entry& entry) {
    if (found.empty()) return;
    const file_entry& last = *found.back();
    const int names = last.name_key.compare(entry.name_key);
    if (names >= 0) order.by_name = false;
    if (order.by_folder_then_name) {
      const int folders =
          last.folder == entry.folder ? 0 : last.folder_key().compare(entry.folder_key());
      if (folders > 0 || (folders == 0 && names >= 0)) order.by_folder_then_name = false;
    }
  }

  void take(const dir_item& item, std::wstring_view upper_name, const std::wstring& path,
            const entry_folder_ref& folder) {
    if (context_.progress) ++context_.progress->rows_total;
    entry_ptr entry = list_.make_entry(item.name, upper_name, folder);
    entry->size = item.size;
    entry->modified_time = item.modified_time;
    entry->accessed_time = item.accessed_time;
    if (settings_.sort_kind == sort_by_extension)
      entry->extension = std::make_unique<std::wstring>(extension_of(entry->name));
    if (settings_.use_html_titles_for_links) {
      std::wstring title = read_link_title(settings_, path, entry->name);
      if (settings_.sort_kind == sort_by_name && !title.empty())
        entry->name_key = list_.store.keep(upper_ascii(title));
      if (starts_with(title, L"/")) title.erase(0, 1);
      if (settings_.max_file_chars2 != 0) title = shorten_middle(title, settings_.max_file_chars2);
      entry->link_title = std::make_unique<std::wstring>(std::move(title));
    }
    note_order(*entry);
    found.push_back(std::move(entry));
  }

  // The folder as entries name it: with a trailing separator, relative to the
  // base folder of a one-page build ("/" for the base itself), every
  // separator written as "/".
  std::wstring entry_folder_path(const std::wstring& path) const {
    std::wstring result = path;
    if (result.empty() || result.back() != kPathSeparator) result += kPathSeparator;
    // Only a leading base folder is removed: the same text further on is part
    // of a deeper folder's own name.
    std::wstring base = context_.base_folder;
    while (!base.empty() && base.back() == kPathSeparator) base.pop_back();
    if (!base.empty() && starts_with(result, base) && result.size() > base.size() &&
        result[base.size()] == kPathSeparator)
      result.erase(0, base.size());
    if (kPathSeparator != L'/') replace_all(result, std::wstring(1, kPathSeparator), L"/");
    return result;
  }

  bool is_on_path(const folder_identity& id) const {
    for (const folder_identity& on_path : on_path_) {
      if (on_path == id) return true;
    }
    return false;
  }

  scan_context& context_;
  const build_settings& settings_;
  entry_list& list_;
  std::vector<std::wstring> spec_items_;
  std::vector<std::wstring> exclude_;
  std::vector<std::wstring> include_;
  std::vector<std::wstring> included_folders_;
  std::wstring root_folder_;
  bool date_filter_on_ = false;
  std::vector<folder_identity> on_path_;
  bool cancelled_ = false;
  static constexpr size_t kNotCandidate = static_cast<size_t>(-1);
  std::wstring upper_text_;       // upper-cased names of the folder being scanned
  std::vector<size_t> upper_at_;  // per item: where its name starts there, or kNotCandidate
};

}  // namespace

std::wstring scan_folder_path(std::wstring_view path) {
  std::wstring full(path);
  if (!is_absolute_path(full, native_path_style()))
    full = current_directory() + kPathSeparator + full;
  // Resolve "." and ".." and doubled separators by the text alone, keeping
  // the root part (a drive or the leading separator) in place.
  size_t root_length = 0;
  if (!full.empty() && full[0] == kPathSeparator) root_length = 1;
  if (native_path_style().has_drives && full.size() >= 2 && full[1] == L':')
    root_length = (full.size() >= 3 && full[2] == kPathSeparator) ? 3 : 2;
  std::vector<std::wstring> parts;
  size_t begin = root_length;
  while (begin <= full.size()) {
    size_t end = full.find(kPathSeparator, begin);
    if (end == std::wstring::npos) end = full.size();
    std::wstring part = full.substr(begin, end - begin);
    if (part == L"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != L".") {
      parts.push_back(std::move(part));
    }
    begin = end + 1;
  }
  std::wstring result = full.substr(0, root_length);
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) result += kPathSeparator;
    result += parts[i];
  }
  if (result.empty()) result = std::wstring(1, kPathSeparator);
  return result;
}

int64_t filter_seconds(int64_t file_time) {
  // Through local calendar fields and back, as the filter's endpoints were
  // made from local calendar dates.
  const std::optional<local_fields> fields = local_fields_of_file_time(file_time);
  if (!fields || fields->year < 1900) return 0;
  const std::optional<int64_t> seconds = seconds_from_local(*fields);
  return seconds ? *seconds : unix_seconds_from_file_time(file_time);
}

bool scan_folder(scan_context& context, std::wstring_view folder, std::wstring_view spec_list,
                 int32_t& depth, entry_list& list, known_order* order) {
  if (order) *order = known_order{};
  scanner scan(context, spec_list, list);
  if (!scan.has_spec()) return true;
  const std::wstring path = scan_folder_path(folder);
  dir_listing listing;
  const bool listed = !context.listed_folder.empty() && context.listed_folder == folder;
  if (listed) listing = std::move(context.listed_items);
  context.listed_folder.clear();
  context.listed_items.clear();
  open_folder top;
  // A listing already read needs the open folder only to enter subfolders.
  if (!(listed && !context.all_in_one) && !top.open(path)) return true;
  // A branch scan reads its folders ahead on worker threads, unless the
  // build already does.
  std::unique_ptr<folder_reader_pool> own_reader;
  if (context.all_in_one && context.read_ahead && !context.reader) {
    own_reader = start_read_ahead(*context.settings, path, listed ? &listing : nullptr, depth,
                                  scan.included_folders());
    context.reader = own_reader.get();
  }
  scan.run(top, path, depth, listed ? &listing : nullptr);
  if (own_reader) context.reader = nullptr;
  if (order && list.empty()) *order = scan.order;
  // The list is head first: the most recently found entry leads.
  list.items.insert(list.items.begin(), std::make_move_iterator(scan.found.rbegin()),
                    std::make_move_iterator(scan.found.rend()));
  return !scan.cancelled();
}

}  // namespace tabulon
