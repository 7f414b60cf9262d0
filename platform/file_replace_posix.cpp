#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "base/wide_string.h"
#include "platform/file_replace.h"

namespace tabulon {

namespace {

// The bits a file made by open(..., 0666) would get under the process's
// umask. The mask can only be read by setting it, so that is done once;
// nothing else in the program creates files while it is briefly zero.
mode_t creation_mode() {
  static const mode_t mask = [] {
    const mode_t old = ::umask(0);
    ::umask(old);
    return old;
  }();
  return 0666 & ~mask;
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

// Whether the regular file open as `fd`, `size` bytes long, holds exactly
// `chunks`. Read in blocks, so a large page is never held twice.
bool holds_same(int fd, std::span<const std::string> chunks) {
  std::vector<char> block(1 << 16);
  size_t chunk = 0, at = 0;  // the next byte to compare
  for (;;) {
    const ssize_t n = read_fully(fd, block.data(), block.size());
    if (n < 0) return false;
    size_t used = 0;
    while (used < static_cast<size_t>(n)) {
      while (chunk < chunks.size() && at == chunks[chunk].size()) {
        ++chunk;
        at = 0;
      }
      if (chunk == chunks.size()) return false;  // the file is longer
      const size_t step = std::min(static_cast<size_t>(n) - used, chunks[chunk].size() - at);
      if (std::memcmp(block.data() + used, chunks[chunk].data() + at, step) != 0) return false;
      used += step;
      at += step;
    }
    if (static_cast<size_t>(n) < block.size()) break;  // end of file
  }
  while (chunk < chunks.size() && at == chunks[chunk].size()) {
    ++chunk;
    at = 0;
  }
  return chunk == chunks.size();
}

bool write_fully(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
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

replace_result replace_file(const std::wstring& path, std::span<const std::string> chunks) {
  replace_result out;
  std::string target = to_native(path);
  auto failed = [&](const wchar_t* action, const wchar_t* purpose, int error) {
    out.result = status::from_errno(action, path, purpose, error);
    return out;
  };

  // The file that is there: equal bytes leave it alone; its bits are kept.
  bool existing = false;
  struct stat old {};
  constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  int old_fd = ::open(target.c_str(), kFlags | O_NOFOLLOW);
  if (old_fd < 0 && errno == ELOOP) {
    // A link: the file it points to is compared and replaced.
    target = link_target(target);
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
        same = holds_same(old_fd, chunks);
    }
    ::close(old_fd);
    if (same) {
      out.unchanged = true;
      return out;
    }
  } else if (open_error != ENOENT && ::stat(target.c_str(), &old) == 0) {
    existing = true;  // there but unreadable: replaced all the same
  }
  if (existing && !S_ISREG(old.st_mode)) existing = false;  // a device or pipe: no bits to keep

  // A temporary file beside it, hidden from listings by its leading dot.
  const size_t slash = target.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  std::string temp = folder + "." + name + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return failed(L"open", L"for writing", errno);

  auto abandon = [&](const wchar_t* action, int error) {
    ::close(fd);
    ::unlink(temp.c_str());
    return failed(action, L"", error);
  };
  for (const std::string& chunk : chunks) {
    if (!write_fully(fd, chunk.data(), chunk.size())) return abandon(L"write", errno);
  }
  if (existing) {
    // Owner and group as before where the system allows it (it does when
    // they are already ours); then the bits, which a change of owner may clear.
    static const uid_t uid = ::geteuid();
    static const gid_t gid = ::getegid();
    if ((old.st_uid != uid || old.st_gid != gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // Neither is allowed: the new file stays ours, with the old bits.
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) return abandon(L"write", errno);
  } else if (::fchmod(fd, creation_mode()) != 0) {
    return abandon(L"write", errno);
  }
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return failed(L"write", L"", error);
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return failed(L"replace", L"", error);
  }
  return out;
}

}  // namespace tabulon
