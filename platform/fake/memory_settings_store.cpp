#include "platform/fake/memory_settings_store.h"

namespace orvella::platform {

bool MemorySettingsStore::Save() {
  ++saveCount_;
  writesSinceSave_ = 0;
  return true;
}

void MemorySettingsStore::OnWrite(std::string_view, std::string_view, const std::string&) {
  ++writesSinceSave_;
}

}  // namespace orvella::platform
