// The 144-byte record at the start of every project file: who wrote it and with which
// decimal character.
#pragma once

#include <array>
#include <cstdint>

namespace orvella {

using ProjectHeader = std::array<std::uint8_t, 144>;

// The header this program writes; the decimal flag is taken from the expression syntax
// in force when it is built.
ProjectHeader BuiltInProjectHeader();

// Whether a header read from a file names this program's project format (the three
// identifying texts, compared without regard to case).
bool IsProjectHeader(const ProjectHeader& header);

// The writer's decimal character was '.' (stored at 0x88).
bool HeaderDecimalIsPoint(const ProjectHeader& header);

}  // namespace orvella
