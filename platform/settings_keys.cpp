#include "platform/settings_keys.h"

namespace orvella::platform {
namespace {

constexpr std::string_view kNumberMark = "%d";

constexpr int CountMarks(std::string_view text) {
  int marks = 0;
  for (std::size_t at = text.find(kNumberMark); at != std::string_view::npos;
       at = text.find(kNumberMark, at + kNumberMark.size())) {
    ++marks;
  }
  return marks;
}

// Mistakes in the table that would otherwise show only when a value is read.
constexpr bool TableIsConsistent() {
  for (std::size_t i = 0; i < std::size(kSettingKeys); ++i) {
    const SettingKey& key = kSettingKeys[i];
    const int marks = CountMarks(key.section) + CountMarks(key.name);
    if (marks != (key.numbered() ? 1 : 0)) return false;
    if ((key.kind == SettingKind::kRecord) != (key.recordSize > 0)) return false;
    if (key.rule != RangeRule::kAny) {
      if (key.kind != SettingKind::kInt || key.lo > key.hi) return false;
      if (ApplyRangeRule(key, key.intDefault) != key.intDefault) return false;
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (kSettingKeys[j].section == key.section && kSettingKeys[j].name == key.name) {
        return false;
      }
    }
  }
  return true;
}
static_assert(TableIsConsistent());

std::string Expand(std::string_view text, int index) {
  std::string out(text);
  if (const std::size_t at = out.find(kNumberMark); at != std::string::npos) {
    out.replace(at, kNumberMark.size(), std::to_string(index));
  }
  return out;
}

struct Location {
  std::string section;
  std::string name;
};

Location Locate(const SettingKey& key, SettingKind kind, std::optional<int> index) {
  if (key.kind != kind) throw std::invalid_argument("setting read or written as another kind");
  if (!key.numbered()) {
    if (index) throw std::invalid_argument("setting is not numbered");
    return {std::string(key.section), std::string(key.name)};
  }
  if (!index || *index < key.first || *index >= key.first + key.count) {
    throw std::invalid_argument("setting number out of range");
  }
  return {Expand(key.section, *index), Expand(key.name, *index)};
}

}  // namespace

std::int32_t ReadIntSetting(const SettingsStore& store, const SettingKey& key,
                            std::optional<int> index) {
  const Location at = Locate(key, SettingKind::kInt, index);
  return ApplyRangeRule(key, store.ReadInt(at.section, at.name, key.intDefault));
}

std::string ReadTextSetting(const SettingsStore& store, const SettingKey& key,
                            std::optional<int> index) {
  const Location at = Locate(key, SettingKind::kText, index);
  return store.ReadText(at.section, at.name, key.textDefault);
}

double ReadDoubleSetting(const SettingsStore& store, const SettingKey& key,
                         std::optional<int> index) {
  const Location at = Locate(key, SettingKind::kDouble, index);
  return store.ReadDouble(at.section, at.name, key.doubleDefault);
}

std::optional<Bytes> ReadRecordSetting(const SettingsStore& store, const SettingKey& key,
                                       std::optional<int> index) {
  const Location at = Locate(key, SettingKind::kRecord, index);
  return store.ReadBinary(at.section, at.name, key.recordSize);
}

void WriteIntSetting(SettingsStore& store, const SettingKey& key, std::int32_t value,
                     std::optional<int> index) {
  const Location at = Locate(key, SettingKind::kInt, index);
  store.WriteInt(at.section, at.name, value);
}

void WriteTextSetting(SettingsStore& store, const SettingKey& key, std::string_view value,
                      std::optional<int> index) {
  const Location at = Locate(key, SettingKind::kText, index);
  store.WriteText(at.section, at.name, value);
}

void WriteDoubleSetting(SettingsStore& store, const SettingKey& key, double value,
                        std::optional<int> index) {
  const Location at = Locate(key, SettingKind::kDouble, index);
  store.WriteDouble(at.section, at.name, value);
}

void WriteRecordSetting(SettingsStore& store, const SettingKey& key, const Bytes& value,
                        std::optional<int> index) {
  const Location at = Locate(key, SettingKind::kRecord, index);
  // A record of another size would read back as absent, so refuse it here.
  if (value.size() != key.recordSize) throw std::invalid_argument("record of the wrong size");
  store.WriteBinary(at.section, at.name, value);
}

}  // namespace orvella::platform
