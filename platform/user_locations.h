// Where the per-user files live. ORVELLA_HOME, when set, overrides every per-user location,
// so that tests and portable installs never touch the real home directory.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvella::platform {

inline constexpr std::string_view kSettingsFileName = "settings.ini";
inline constexpr std::string_view kUserStoreFileName = "users.dat";

// The value of an environment variable, none when it is unset. An empty value counts as
// unset wherever it comes from.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

EnvironmentLookup ProcessEnvironment();

// $ORVELLA_HOME, else $XDG_CONFIG_HOME/Orvella, else $HOME/.config/Orvella. A relative
// XDG_CONFIG_HOME is ignored, as the XDG base directory rules require. None when not even
// HOME is known.
std::optional<std::filesystem::path> SettingsFolder(const EnvironmentLookup& environment);

// Where the user's own definitions are kept: $ORVELLA_HOME, else $XDG_DATA_HOME/Orvella,
// else $HOME/.local/share/Orvella; the same rules as for the settings.
std::optional<std::filesystem::path> UserDataFolder(const EnvironmentLookup& environment);

}  // namespace orvella::platform
