#include "platform/user_locations.h"

#include <cstdlib>

namespace orvella::platform {
namespace {

constexpr std::string_view kProductFolder = "Orvella";

std::optional<std::string> NonEmpty(const EnvironmentLookup& environment,
                                    std::string_view variable) {
  std::optional<std::string> value = environment(variable);
  if (value && value->empty()) return std::nullopt;
  return value;
}

std::optional<std::filesystem::path> AbsolutePathIn(const EnvironmentLookup& environment,
                                                    std::string_view variable) {
  const std::optional<std::string> value = NonEmpty(environment, variable);
  if (!value) return std::nullopt;
  std::filesystem::path path(*value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

// ORVELLA_HOME, else the XDG folder the variable names, else the folder below HOME.
std::optional<std::filesystem::path> PerUserFolder(const EnvironmentLookup& environment,
                                                   std::string_view xdgVariable,
                                                   std::string_view belowHome) {
  // Taken as given, relative or not: a portable install may name a folder beside itself.
  if (const auto home = NonEmpty(environment, "ORVELLA_HOME")) return std::filesystem::path(*home);
  if (const auto xdg = AbsolutePathIn(environment, xdgVariable)) return *xdg / kProductFolder;
  if (const auto home = NonEmpty(environment, "HOME")) {
    return std::filesystem::path(*home) / belowHome / kProductFolder;
  }
  return std::nullopt;
}

}  // namespace

EnvironmentLookup ProcessEnvironment() {
  return [](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
  };
}

std::optional<std::filesystem::path> SettingsFolder(const EnvironmentLookup& environment) {
  return PerUserFolder(environment, "XDG_CONFIG_HOME", ".config");
}

std::optional<std::filesystem::path> UserDataFolder(const EnvironmentLookup& environment) {
  return PerUserFolder(environment, "XDG_DATA_HOME", ".local/share");
}

}  // namespace orvella::platform
