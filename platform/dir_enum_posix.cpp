#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

#include "base/wide_string.h"
#include "platform/dir_enum.h"
#include "platform/file_time.h"

namespace tabulon {

namespace {

folder_identity identity_of(const struct stat& st) {
  return folder_identity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

// Opens the folder `native` relative to the folder open as `dir_fd`
// (AT_FDCWD: the current directory) and gives its identity; -1 when it cannot
// be opened or examined, errno then holding the reason.
int open_examined(int dir_fd, const std::string& native, folder_identity& identity) {
  const int fd = ::openat(dir_fd, native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return -1;
  }
  identity = identity_of(st);
  return fd;
}

// `name` as wide text in `out`. Most names are ASCII, which needs no decoding.
void name_of(const char* name, std::wstring& out) {
  const size_t length = std::strlen(name);
  for (size_t i = 0; i < length; ++i) {
    if (static_cast<unsigned char>(name[i]) >= 0x80) {
      out = from_native(std::string_view(name, length));
      return;
    }
  }
  out.assign(name, name + length);
}

// Calls `visit` with every name of the folder open as `fd`, from its start.
// Stops quietly when the folder cannot be read further.
template <class Visit>
void list_names(int fd, Visit visit) {
#ifdef __linux__
  // The names straight from the system, without a directory stream (its
  // allocation and a second descriptor) for every folder.
  if (::lseek(fd, 0, SEEK_SET) < 0) return;
  alignas(8) char buffer[32768];
  for (;;) {
    const ssize_t count = ::getdents64(fd, buffer, sizeof buffer);
    if (count <= 0) return;
    for (ssize_t at = 0; at < count;) {
      const auto* ent = reinterpret_cast<const struct dirent64*>(buffer + at);
      visit(ent->d_name);
      at += ent->d_reclen;
    }
  }
#else
  // fdopendir takes over the descriptor it is given, so it gets a duplicate;
  // the folder itself stays open for fstatat and for opening subfolders.
  int dir_fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (dir_fd < 0) return;
  DIR* dir = ::fdopendir(dir_fd);
  if (!dir) {
    ::close(dir_fd);
    return;
  }
  ::rewinddir(dir);  // the duplicate shares the position of an earlier reading
  while (struct dirent* ent = ::readdir(dir)) visit(ent->d_name);
  ::closedir(dir);
#endif
}

}  // namespace

open_folder::~open_folder() {
  close();
}

open_folder::open_folder(open_folder&& other) noexcept
    : fd_(other.fd_), identity_(other.identity_) {
  other.fd_ = -1;
  other.identity_ = {};
}

open_folder& open_folder::operator=(open_folder&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = other.fd_;
    identity_ = other.identity_;
    other.fd_ = -1;
    other.identity_ = {};
  }
  return *this;
}

void open_folder::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  identity_ = {};
}

bool open_folder::is_open() const {
  return fd_ >= 0;
}

int open_folder::descriptor() const {
  return fd_;
}

bool open_folder::open(const std::wstring& path) {
  close();
  fd_ = open_examined(AT_FDCWD, to_native(path), identity_);
  return is_open();
}

bool open_folder::open_child(const open_folder& parent, std::wstring_view name,
                             const std::wstring& /*full_path*/) {
  close();
  if (!parent.is_open()) return false;
  // Relative to the parent's descriptor, so a deep tree never builds long
  // paths for the system and a renamed ancestor does not misdirect the scan.
  fd_ = open_examined(parent.fd_, to_native(name), identity_);
  return is_open();
}

dir_listing open_folder::read_entries() const {
  dir_listing listing;
  if (fd_ < 0) return listing;
  // The names first, then each entry examined: a large folder shares the
  // examining between threads, which is most of the time it takes.
  std::vector<char> names;
  std::vector<size_t> starts;
  list_names(fd_, [&](const char* native) {
    if (native[0] == '.' && (native[1] == 0 || (native[1] == '.' && native[2] == 0))) return;
    starts.push_back(names.size());
    names.insert(names.end(), native, native + std::strlen(native) + 1);
  });
  struct examined {
    bool ok = false;
    dir_item item;
  };
  std::vector<examined> items(starts.size());
  auto examine = [&](size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
      struct stat st;
      // Follows links: a link reads as its target, and a dangling one fails
      // here and is passed over like any entry that vanished meanwhile.
      if (::fstatat(fd_, names.data() + starts[i], &st, 0) != 0) continue;
      dir_item& item = items[i].item;
      item.is_folder = S_ISDIR(st.st_mode);
      if (!item.is_folder) {
        item.size = static_cast<int64_t>(st.st_size);
        item.modified_time = file_time_from_unix(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
        item.accessed_time = file_time_from_unix(st.st_atim.tv_sec, st.st_atim.tv_nsec);
      }
      items[i].ok = true;
    }
  };
  constexpr size_t kSharedFrom = 16384;  // below this, threads cost more than they save
  const size_t helpers =
      starts.size() < kSharedFrom ? 0 : std::clamp(std::thread::hardware_concurrency(), 1u, 3u) - 1;
  if (helpers == 0) {
    examine(0, starts.size());
  } else {
    const size_t part = starts.size() / (helpers + 1);
    std::vector<std::thread> threads;
    for (size_t h = 0; h < helpers; ++h) {
      const size_t begin = part * (h + 1);
      const size_t end = h + 1 == helpers ? starts.size() : part * (h + 2);
      try {
        threads.emplace_back(examine, begin, end);
      } catch (const std::system_error&) {
        examine(begin, end);  // no thread to be had: done here
      }
    }
    examine(0, part);
    for (std::thread& t : threads) t.join();
  }
  std::wstring name;  // reused for every entry
  for (size_t i = 0; i < starts.size(); ++i) {
    if (!items[i].ok) continue;
    name_of(names.data() + starts[i], name);
    listing.add(name, items[i].item);
  }
  listing.sort_by_name();
  return listing;
}

}  // namespace tabulon
