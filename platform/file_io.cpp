#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace orvella::platform {
namespace {

bool WriteAll(int descriptor, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(descriptor, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool WriteFlushAndClose(int descriptor, std::string_view content) {
  const bool written = WriteAll(descriptor, content) && ::fsync(descriptor) == 0;
  return ::close(descriptor) == 0 && written;
}

// So that the rename itself survives a power failure; where the folder cannot be synced the
// file is still complete, so this is not a failure.
void SyncFolder(const std::filesystem::path& folder) {
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

FileError ErrorOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileError::kNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileError::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
      return FileError::kDiskFull;
    default:
      return FileError::kOther;
  }
}

// mkstemp creates files readable by their owner only; a document should get the mode any
// other new file of the user gets, and a replaced one should keep its own.
mode_t ModeFor(const std::filesystem::path& file) {
  struct stat existing {};
  if (::stat(file.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

}  // namespace

std::optional<std::string> ReadFileUpTo(const std::filesystem::path& file, std::size_t maxBytes) {
  std::string content;
  if (ReadWholeFile(file, maxBytes, content) != FileError::kNone) return std::nullopt;
  return content;
}

FileError ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                        std::string& content) {
  content.clear();
  const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return ErrorOf(errno);
  char buffer[64 * 1024];
  FileError result = FileError::kNone;
  for (;;) {
    const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      result = ErrorOf(errno);
      break;
    }
    if (count == 0) break;
    if (content.size() + static_cast<std::size_t>(count) > maxBytes) {
      result = FileError::kTooLarge;
      break;
    }
    content.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(descriptor);
  if (result != FileError::kNone) content.clear();
  return result;
}

bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content) {
  return ReplaceFile(file, content) == FileError::kNone;
}

FileError ReplaceFile(const std::filesystem::path& file, std::string_view content) {
  const std::filesystem::path folder = FolderOf(file);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  // mkstemp gives each writer its own temporary file, so two copies saving at once never
  // write into the same one.
  std::string temporary = (folder / (file.filename().string() + ".XXXXXX")).string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return ErrorOf(errno);
  ::fchmod(descriptor, ModeFor(file));
  errno = 0;
  if (!WriteFlushAndClose(descriptor, content) ||
      ::rename(temporary.c_str(), file.c_str()) != 0) {
    const int failure = errno;
    ::unlink(temporary.c_str());
    return failure != 0 ? ErrorOf(failure) : FileError::kOther;
  }
  SyncFolder(folder);
  return FileError::kNone;
}

}  // namespace orvella::platform
