#include "platform/folder_reader_pool.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "platform/path_rules.h"

namespace tabulon {

namespace {

constexpr wchar_t kSeparator = native_path_style().separator;
// How far past the next expected subfolder take() looks for one that the
// walk asks for out of turn.
constexpr size_t kLookAhead = 64;

std::wstring join(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty()) return name;
  std::wstring path = folder;
  if (path.back() != kSeparator) path += kSeparator;
  path += name;
  return path;
}

// Compares the position `parent` followed by `index` with `other`, in walk
// order (a folder comes before everything below it).
int compare_child(const std::vector<uint32_t>& parent, uint32_t index,
                  const std::vector<uint32_t>& other) {
  const size_t n = parent.size() + 1;
  for (size_t i = 0; i < n; ++i) {
    if (i == other.size()) return 1;  // `other` is an ancestor
    const uint32_t mine = i < parent.size() ? parent[i] : index;
    if (mine != other[i]) return mine < other[i] ? -1 : 1;
  }
  return n == other.size() ? 0 : -1;
}

}  // namespace

struct folder_reader_pool::job {
  key_t key;
  std::wstring path;
  int level = 0;
  uint64_t epoch = 0;  // changes up to this one were on disk when the read began
  bool done = false;
  bool tried = false;    // the folder's opening was tried (under the lock)
  bool opened = false;   // and it opened
  bool stale = false;    // the folder changed after it was read
  bool dropped = false;  // the walk went past it before it was read
  folder_identity identity;
  dir_listing listing;
  open_folder folder;                    // kept open for the walk
  std::vector<std::wstring> subfolders;  // the ones the walk enters, in order
  std::vector<char> subfolder_opened;    // with probe_subfolders: each one opened
};

// The subfolders of one folder that are still to be read, in walk order.
struct folder_reader_pool::expander {
  key_t key;  // of the folder they are in
  std::wstring path;
  int level = 0;  // of the subfolders
  std::vector<std::wstring> names;
  size_t next = 0;
};

namespace {

std::vector<std::wstring> entered_subfolders(const std::wstring& path, const dir_listing& listing,
                                             int level,
                                             const folder_reader_pool::enter_rule& rule) {
  std::vector<std::wstring> names;
  for (const dir_item& item : listing) {
    if (!item.is_folder || item.name.empty() || item.name[0] == L'.') continue;
    std::wstring name(item.name);
    if (!rule || rule(join(path, name), level)) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace

bool folder_reader_pool::enabled_by_environment() {
  const char* value = std::getenv("TABULON_READ_AHEAD");
  return !(value && value[0] == '0' && value[1] == 0);
}

folder_reader_pool::folder_reader_pool(const std::wstring& top, const dir_listing* top_listing,
                                       enter_rule rule, options opts)
    : rule_(std::move(rule)), opts_(opts) {
  auto start = std::make_unique<expander>();
  if (top_listing) {
    start->key = {0};
    start->path = top;
    start->level = 1;
    start->names = entered_subfolders(top, *top_listing, 1, rule_);
  } else {
    start->names = {top};  // a parent of the top: its one entry is the top
  }
  expanders_.push_back(std::move(start));

  unsigned workers = opts_.workers;
  if (workers == 0) workers = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  if (opts_.folders_ahead == 0) opts_.folders_ahead = 1;
  for (unsigned i = 0; i < workers; ++i) workers_.emplace_back([this] { work(); });
}

folder_reader_pool::~folder_reader_pool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  work_ready_.notify_all();
  for (std::thread& t : workers_) t.join();
}

void folder_reader_pool::work() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_) {
    std::shared_ptr<job> next = pick_locked();
    if (!next) {
      work_ready_.wait(lock);
      continue;
    }
    lock.unlock();
    read(*next);
    lock.lock();
    finish_locked(next);
  }
}

std::shared_ptr<folder_reader_pool::job> folder_reader_pool::pick_locked() {
  if (stop_ || jobs_.size() >= opts_.folders_ahead || entries_waiting_ >= opts_.entries_ahead)
    return nullptr;
  // The first subfolder in walk order that nobody reads yet.
  expander* best = nullptr;
  for (size_t i = 0; i < expanders_.size();) {
    expander& e = *expanders_[i];
    if (e.next >= e.names.size()) {
      expanders_[i] = std::move(expanders_.back());
      expanders_.pop_back();
      continue;
    }
    if (!best) {
      best = &e;
    } else {
      key_t best_key = best->key;
      best_key.push_back(static_cast<uint32_t>(best->next));
      if (compare_child(e.key, static_cast<uint32_t>(e.next), best_key) < 0) best = &e;
    }
    ++i;
  }
  if (!best) return nullptr;
  auto j = std::make_shared<job>();
  j->key = best->key;
  j->key.push_back(static_cast<uint32_t>(best->next));
  j->path = join(best->path, best->names[best->next]);
  j->level = best->level;
  j->epoch = epoch_;
  ++best->next;
  jobs_[j->path] = j;
  return j;
}

void folder_reader_pool::read(job& j) {
  open_folder folder;
  const bool opened = folder.open(j.path);
  {
    // Told at once, so that could_open() need not wait for the listing.
    std::lock_guard<std::mutex> lock(mutex_);
    j.tried = true;
    j.opened = opened;
  }
  if (!opened) return;
  j.identity = folder.identity();
  j.listing = folder.read_entries();
  j.subfolders = entered_subfolders(j.path, j.listing, j.level + 1, rule_);
  if (opts_.probe_subfolders) {
    for (const std::wstring& name : j.subfolders) {
      open_folder probe;
      j.subfolder_opened.push_back(probe.open_child(folder, name, join(j.path, name)));
    }
  }
  j.folder = std::move(folder);
}

bool folder_reader_pool::changed_since_locked(const job& j) const {
  for (const auto& [epoch, id] : changes_)
    if (epoch > j.epoch && id == j.identity) return true;
  return false;
}

void folder_reader_pool::finish_locked(const std::shared_ptr<job>& j) {
  j->done = true;
  const bool had_subfolders = !j->subfolders.empty() && !j->dropped;
  if (!j->dropped) {
    if (j->opened && changed_since_locked(*j)) j->stale = true;
    // Answers for could_open(), within a bound: a walk that never asks
    // (or passes folders by) must not make them pile up.
    constexpr size_t kProbedAtMost = size_t{1} << 16;
    for (size_t i = 0; i < j->subfolder_opened.size() && probed_.size() < kProbedAtMost; ++i)
      probed_.emplace(join(j->path, j->subfolders[i]), j->subfolder_opened[i] != 0);
    if (!j->subfolders.empty()) {
      auto e = std::make_unique<expander>();
      e->key = j->key;
      e->path = j->path;
      e->level = j->level + 1;
      e->names = std::move(j->subfolders);
      expanders_.push_back(std::move(e));
    }
    entries_waiting_ += j->listing.size();
  } else {
    j->listing.clear();
    j->folder = open_folder();
  }
  // Changes older than every read still in progress matter no more.
  uint64_t oldest = epoch_;
  for (const auto& [path, other] : jobs_)
    if (!other->done) oldest = std::min(oldest, other->epoch);
  size_t keep = 0;
  while (keep < changes_.size() && changes_[keep].first <= oldest) ++keep;
  changes_.erase(changes_.begin(), changes_.begin() + static_cast<std::ptrdiff_t>(keep));
  if (walk_waits_) job_done_.notify_all();
  // New folders to read: the other workers may start on them, if there is room.
  if (had_subfolders && room_locked()) work_ready_.notify_all();
}

bool folder_reader_pool::room_locked() const {
  return jobs_.size() < opts_.folders_ahead && entries_waiting_ < opts_.entries_ahead;
}

void folder_reader_pool::drop_before_locked(const key_t& key) {
  for (const auto& e : expanders_) {
    while (e->next < e->names.size() &&
           compare_child(e->key, static_cast<uint32_t>(e->next), key) < 0)
      ++e->next;
  }
  for (auto it = jobs_.begin(); it != jobs_.end();) {
    job& j = *it->second;
    if (j.key < key) {
      if (j.done) {
        entries_waiting_ -= j.listing.size();
      } else {
        j.dropped = true;  // its worker sees this when it finishes
      }
      it = jobs_.erase(it);
    } else {
      ++it;
    }
  }
}

std::optional<folder_read> folder_reader_pool::take(const std::wstring& path) {
  std::unique_lock<std::mutex> lock(mutex_);
  std::shared_ptr<job> j;
  if (auto it = jobs_.find(path); it != jobs_.end()) {
    j = it->second;
  } else {
    // Not started yet: the walk may be ahead of the workers, or ask for a
    // folder past some the pool expected. Read it here and now.
    const size_t cut = path.rfind(kSeparator);
    if (cut == std::wstring::npos) return std::nullopt;
    const std::wstring parent = path.substr(0, cut == 0 ? 1 : cut);
    const std::wstring name = path.substr(cut + 1);
    for (const auto& e : expanders_) {
      if (e->path != parent && !(e->path.empty() && e->names.size() == 1 && e->names[0] == path))
        continue;
      const size_t end = std::min(e->names.size(), e->next + kLookAhead);
      for (size_t k = e->next; k < end; ++k) {
        if (e->path.empty() ? e->names[k] != path : e->names[k] != name) continue;
        j = std::make_shared<job>();
        j->key = e->key;
        j->key.push_back(static_cast<uint32_t>(k));
        j->path = path;
        j->level = e->level;
        j->epoch = epoch_;
        e->next = k + 1;
        break;
      }
      if (j) break;
    }
    if (!j) return std::nullopt;
    jobs_[path] = j;
    lock.unlock();
    read(*j);
    lock.lock();
    finish_locked(j);
  }
  drop_before_locked(j->key);
  if (!j->done) {
    walk_waits_ = true;
    job_done_.wait(lock, [&] { return j->done; });
    walk_waits_ = false;
  }
  jobs_.erase(path);
  entries_waiting_ -= j->listing.size();
  // Workers that stopped at the limit start again once the walk has taken
  // half of what waited: waking them for every folder taken would cost more
  // in switching threads than the reading they do.
  if (jobs_.size() <= opts_.folders_ahead / 2 && entries_waiting_ <= opts_.entries_ahead / 2)
    work_ready_.notify_all();
  if (!j->opened || j->stale) return std::nullopt;
  ++taken_;
  return folder_read{j->identity, std::move(j->listing), std::move(j->folder)};
}

std::optional<bool> folder_reader_pool::could_open(const std::wstring& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (const auto it = jobs_.find(path); it != jobs_.end() && it->second->tried)
    return it->second->opened;
  if (const auto it = probed_.find(path); it != probed_.end()) {
    const bool opened = it->second;
    probed_.erase(it);
    return opened;
  }
  return std::nullopt;
}

void folder_reader_pool::folder_changed(const folder_identity& id) {
  std::lock_guard<std::mutex> lock(mutex_);
  ++epoch_;
  bool reading = false;
  for (const auto& [path, j] : jobs_) {
    if (!j->done) {
      reading = true;
    } else if (j->opened && j->identity == id) {
      j->stale = true;
    }
  }
  if (reading) changes_.emplace_back(epoch_, id);
}

}  // namespace tabulon
