#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/wide_string.h"
#include "platform/file_replace.h"

namespace tabulon {

namespace {

// The bits a file made by open(..., 0666) would get under the process's
// umask. The mask can only be read by setting it, so that is done once;
// nothing else in the program creates files while it is briefly zero.
mode_t umask_bits() {
  static const mode_t mask = [] {
    const mode_t old = ::umask(0);
    ::umask(old);
    return old;
  }();
  return mask;
}

mode_t creation_mode() {
  return 0666 & ~umask_bits();
}

size_t total_size(std::span<const std::string> chunks) {
  size_t n = 0;
  for (const std::string& chunk : chunks) n += chunk.size();
  return n;
}

// Reads up to `size` bytes, retrying after signals; the count read, or -1.
ssize_t read_fully(int fd, char* data, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

// Whether the regular file open as `fd`, `size` bytes long by its status,
// holds exactly `chunks` (as long together). Read in blocks, so a large page
// is never held twice, and no further than `size`: a page that fits one
// block costs one read.
bool holds_same(int fd, size_t size, std::span<const std::string> chunks) {
  std::vector<char> block(std::min<size_t>(size, 1 << 16));
  size_t chunk = 0, at = 0;  // the next byte to compare
  for (size_t done = 0; done < size;) {
    const size_t want = std::min(block.size(), size - done);
    const ssize_t n = read_fully(fd, block.data(), want);
    if (n < 0 || static_cast<size_t>(n) != want) return false;  // shorter than it said
    for (size_t used = 0; used < want;) {
      while (at == chunks[chunk].size()) {
        ++chunk;
        at = 0;
      }
      const size_t step = std::min(want - used, chunks[chunk].size() - at);
      if (std::memcmp(block.data() + used, chunks[chunk].data() + at, step) != 0) return false;
      used += step;
      at += step;
    }
    done += want;
  }
  return true;
}

// Writes `chunks` one after another to `fd`, in as few calls as the system allows.
bool write_chunks(int fd, std::span<const std::string> chunks) {
  std::vector<iovec> parts;
  for (const std::string& chunk : chunks)
    if (!chunk.empty()) parts.push_back(iovec{const_cast<char*>(chunk.data()), chunk.size()});
  size_t first = 0;
  while (first < parts.size()) {
    const int count = static_cast<int>(std::min<size_t>(parts.size() - first, IOV_MAX));
    const ssize_t n = ::writev(fd, parts.data() + first, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    // Past what was written, the last part reached perhaps only in part.
    size_t left = static_cast<size_t>(n);
    while (first < parts.size() && left >= parts[first].iov_len) left -= parts[first++].iov_len;
    if (left > 0) {
      parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + left;
      parts[first].iov_len -= left;
    }
  }
  return true;
}

// A new file beside `target` for its next contents, made with `mode` (less
// the umask). Its name begins with "." so no listing of the folder shows it,
// and holds the process id and a count, so two programs never pick the same.
// `target` is relative to the folder `at` (or absolute). The descriptor, or
// -1 with errno set.
int create_temporary(int at, const std::string& target, mode_t mode, std::string& temp) {
  const size_t slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  // Atomic, so that pages written from two threads never race on the count.
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    static const std::string pid = std::to_string(::getpid());
    temp = folder + "." + name + "." + pid + "-" + std::to_string(counter++);
    const int fd = ::openat(at, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The file a link at `native` points to, or `native` itself.
std::string link_target(const std::string& native) {
  char* resolved = ::realpath(native.c_str(), nullptr);
  if (!resolved) return native;  // a link to nothing is replaced by the file
  std::string target(resolved);
  std::free(resolved);
  return target;
}

}  // namespace

replace_result replace_file(const std::wstring& path, std::span<const std::string> chunks,
                            const open_folder* folder) {
  replace_result out;
  std::string target = to_native(path);
  // Every call below names `target` relative to `at`: the file's name in
  // the open folder that holds it, or the whole path.
  int at = AT_FDCWD;
  if (folder && folder->descriptor() >= 0) {
    const size_t slash = target.rfind('/');
    if (slash != std::string::npos && slash + 1 < target.size()) {
      at = folder->descriptor();
      target.erase(0, slash + 1);
    }
  }
  auto failed = [&](const wchar_t* action, const wchar_t* purpose, int error) {
    out.result = status::from_errno(action, path, purpose, error);
    return out;
  };

  // The file that is there: equal bytes leave it alone; its bits are kept.
  bool existing = false;
  struct stat old {};
  constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  int old_fd = ::openat(at, target.c_str(), kFlags | O_NOFOLLOW);
  if (old_fd < 0 && errno == ELOOP) {
    // A link: the file it points to is compared and replaced.
    at = AT_FDCWD;
    target = link_target(to_native(path));
    old_fd = ::open(target.c_str(), kFlags);
  }
  const int open_error = errno;
  if (old_fd >= 0) {
    bool same = false;
    if (::fstat(old_fd, &old) == 0) {
      existing = true;
      if (S_ISDIR(old.st_mode)) {
        ::close(old_fd);
        return failed(L"open", L"for writing", EISDIR);
      }
      if (S_ISREG(old.st_mode) && static_cast<uint64_t>(old.st_size) == total_size(chunks))
        same = holds_same(old_fd, total_size(chunks), chunks);
    }
    ::close(old_fd);
    if (same) {
      out.unchanged = true;
      return out;
    }
  } else if (open_error != ENOENT && ::fstatat(at, target.c_str(), &old, 0) == 0) {
    existing = true;  // there but unreadable: replaced all the same
  }
  if (existing && !S_ISREG(old.st_mode)) existing = false;  // a device or pipe: no bits to keep

  // A temporary file beside it, made with the bits the file has (or those a
  // plain create gives), so that mostly no change of mode is needed after.
  const mode_t wanted = existing ? (old.st_mode & 07777) : creation_mode();
  std::string temp;
  const int fd = create_temporary(at, target, wanted & 0777, temp);
  if (fd < 0) return failed(L"open", L"for writing", errno);

  auto abandon = [&](const wchar_t* action, int error) {
    ::close(fd);
    ::unlinkat(at, temp.c_str(), 0);
    return failed(action, L"", error);
  };
  if (!write_chunks(fd, chunks)) return abandon(L"write", errno);
  if (existing) {
    // Owner and group as before where the system allows it (it does when
    // they are already ours); then the bits, which a change of owner may clear.
    static const uid_t uid = ::geteuid();
    static const gid_t gid = ::getegid();
    const bool other_owner = old.st_uid != uid || old.st_gid != gid;
    if (other_owner && ::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // Neither is allowed: the new file stays ours, with the old bits.
    }
    const bool made_with_them = (wanted & 0777 & ~umask_bits()) == wanted;
    if ((other_owner || !made_with_them) && ::fchmod(fd, wanted) != 0)
      return abandon(L"write", errno);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlinkat(at, temp.c_str(), 0);
    return failed(L"write", L"", error);
  }
  if (::renameat(at, temp.c_str(), at, target.c_str()) != 0) {
    const int error = errno;
    ::unlinkat(at, temp.c_str(), 0);
    return failed(L"replace", L"", error);
  }
  return out;
}

}  // namespace tabulon
