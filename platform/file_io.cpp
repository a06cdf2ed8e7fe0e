#include "platform/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
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

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

}  // namespace

std::optional<std::string> ReadFileUpTo(const std::filesystem::path& file, std::size_t maxBytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content;
  char buffer[64 * 1024];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    const auto count = static_cast<std::size_t>(in.gcount());
    if (content.size() + count > maxBytes) return std::nullopt;
    content.append(buffer, count);
  }
  if (in.bad()) return std::nullopt;
  return content;
}

bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view content) {
  const std::filesystem::path folder = FolderOf(file);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  // mkstemp gives each writer its own temporary file, so two copies saving at once never
  // write into the same one.
  std::string temporary = (folder / (file.filename().string() + ".XXXXXX")).string();
  const int descriptor = ::mkstemp(temporary.data());
  if (descriptor < 0) return false;
  if (!WriteFlushAndClose(descriptor, content) ||
      ::rename(temporary.c_str(), file.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace orvella::platform
