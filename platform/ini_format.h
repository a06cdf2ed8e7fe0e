// The settings file's text: "[Section]" lines, then "Name=value" lines, names and values in
// their encoded form (platform/settings_encoding.h).
#pragma once

#include <string>
#include <string_view>

#include "platform/settings_table.h"

namespace orvella::platform {

// Lenient, because people edit this file by hand: blank lines, comments (';' or '#'), lines
// that are neither a section header nor a value, values before the first section and values
// under a broken header are skipped; blanks around names and values are trimmed; of a name
// given twice the last value counts. Text with a NUL byte is no settings file at all and
// reads as empty settings.
SettingsTable ParseIni(std::string_view content);

std::string FormatIni(const SettingsTable& table);

}  // namespace orvella::platform
