#pragma once
// folder_reader_pool: reads the folders of a walk ahead of it, on worker
// threads, so that listing a folder (names, then the size and times of every
// entry) overlaps with the work the walk does on the folders before it.
//
// The walk is depth first, subfolders in the order of their listing, as the
// scan and the per-folder build walk. The pool follows the same order: each
// folder it reads tells it the next ones, and the workers always take the
// first folder in walk order that nobody is reading yet. The walk asks for
// each folder by its full path when it gets there (take); a listing it gets
// is exactly what reading the folder at that moment would have given, or it
// gets nothing and reads the folder itself. So results are used in the
// walk's order whatever order the workers finish in, and a folder the pool
// guessed wrong about costs only its read.
//
// Memory is bounded: at most `folders_ahead` folders are being read or wait
// to be taken, and no new folder is started while the waiting ones hold more
// than `entries_ahead` entries. Folders the walk passes by are dropped when
// it asks for a later one.
//
// Thread use: one walk thread calls take() and folder_changed(); the enter
// rule runs on the workers and must only read what it owns.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/dir_enum.h"

namespace tabulon {

struct folder_read {
  folder_identity identity;  // of the folder the listing was read from
  dir_listing listing;
  open_folder folder;  // the folder itself, still open, so the walk need not open it again
};

class folder_reader_pool {
 public:
  // Whether the walk enters the folder `path` (a full path), `level` folders
  // below the top (1 for the top's own subfolders). Names beginning with "."
  // are never entered and never reach the rule.
  using enter_rule = std::function<bool(const std::wstring& path, int level)>;

  struct options {
    unsigned workers = 0;       // 0: one per processor core, at most 8
    size_t folders_ahead = 64;  // folders being read or waiting to be taken
    size_t entries_ahead = size_t{1} << 18;
    // Whether the workers also try to open the subfolders of each folder they
    // read, for could_open(): worth it when the walk asks about every
    // subfolder (a page per folder lists the ones it can enter).
    bool probe_subfolders = false;
  };

  // Starts reading the branch below the folder `top` (a full path). When
  // `top_listing` is given, the walk already holds the top's listing and the
  // pool starts with its subfolders; otherwise it reads the top first.
  folder_reader_pool(const std::wstring& top, const dir_listing* top_listing, enter_rule rule,
                     options opts);
  folder_reader_pool(const std::wstring& top, const dir_listing* top_listing, enter_rule rule)
      : folder_reader_pool(top, top_listing, std::move(rule), options{}) {}
  // Stops the workers; a read in progress is finished first.
  ~folder_reader_pool();
  folder_reader_pool(const folder_reader_pool&) = delete;
  folder_reader_pool& operator=(const folder_reader_pool&) = delete;

  // The listing of the folder `path`, read ahead or read now (waiting for a
  // worker that is reading it). Nothing when the pool does not know the
  // folder, could not open it, or the folder changed since it was read; the
  // walk then reads it itself. Each folder can be taken once.
  std::optional<folder_read> take(const std::wstring& path);

  // Whether the folder `path` could be opened, when a worker has tried
  // already; nothing when the pool does not know yet. Lets the walk tell
  // which subfolders it can enter without opening each one itself. A
  // subfolder's answer from probe_subfolders is given once.
  std::optional<bool> could_open(const std::wstring& path);

  // Tells the pool that the folder `id` changed (the walk wrote a file into
  // it): a listing of it read before now is not handed out.
  void folder_changed(const folder_identity& id);

  // How many listings take() handed out (for tests and measurements).
  size_t taken() const { return taken_; }

  // The pool's own setting from the environment: false when the variable
  // TABULON_READ_AHEAD is "0", true otherwise.
  static bool enabled_by_environment();

 private:
  using key_t = std::vector<uint32_t>;  // position in walk order
  struct job;
  struct expander;

  void work();
  // The next folder to read, or null (the lock is held).
  std::shared_ptr<job> pick_locked();
  void read(job& j);
  void finish_locked(const std::shared_ptr<job>& j);
  void drop_before_locked(const key_t& key);
  bool changed_since_locked(const job& j) const;
  bool room_locked() const;  // a new folder may start

  enter_rule rule_;
  options opts_;
  std::mutex mutex_;
  std::condition_variable work_ready_;  // a folder can be started, or stop
  std::condition_variable job_done_;
  bool stop_ = false;
  bool walk_waits_ = false;  // take() waits for a read to finish
  std::vector<std::unique_ptr<expander>> expanders_;
  std::unordered_map<std::wstring, std::shared_ptr<job>> jobs_;  // not yet taken
  std::unordered_map<std::wstring, bool> probed_;  // subfolders tried, not yet asked about
  size_t entries_waiting_ = 0;
  uint64_t epoch_ = 0;
  std::vector<std::pair<uint64_t, folder_identity>> changes_;
  size_t taken_ = 0;
  std::vector<std::thread> workers_;
};

}  // namespace tabulon
