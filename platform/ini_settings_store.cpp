#include "platform/ini_settings_store.h"

#include "platform/file_io.h"
#include "platform/ini_format.h"
#include "platform/user_locations.h"

namespace orvella::platform {
namespace {

// Far beyond any real settings file; a larger one is not ours and is not read into memory.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

SettingsTable ReadSettingsFile(const std::filesystem::path& file) {
  const std::optional<std::string> content = ReadFileUpTo(file, kMaxFileBytes);
  return content ? ParseIni(*content) : SettingsTable();
}

}  // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path file)
    : TableSettingsStore(ReadSettingsFile(file)), file_(std::move(file)) {}

std::unique_ptr<IniSettingsStore> IniSettingsStore::OpenForUser() {
  const std::optional<std::filesystem::path> folder = SettingsFolder(ProcessEnvironment());
  if (!folder) return nullptr;
  return std::make_unique<IniSettingsStore>(*folder / kSettingsFileName);
}

void IniSettingsStore::OnWrite(std::string_view section, std::string_view name,
                               const std::string& stored) {
  unsaved_.Set(section, name, stored);
}

bool IniSettingsStore::Save() {
  SettingsTable merged = ReadSettingsFile(file_);
  merged.Merge(unsaved_);
  if (!ReplaceFileAtomically(file_, FormatIni(merged))) return false;
  values_ = std::move(merged);
  unsaved_ = SettingsTable();
  return true;
}

}  // namespace orvella::platform
