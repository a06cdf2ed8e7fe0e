// Writes the worksheet's coloured text as a Rich Text Format document that other rich-text
// editors open: code page 1252, one font, a colour table, one paragraph per line.
#pragma once

#include <string>

#include "project/archive/coloured_text.h"

namespace orvella {

// The worksheet font: the "Workspace" settings FontFaceName and FontSize (points).
struct RtfFont {
  std::string face = "Arial";
  int size = 14;
};

// Lines are separated by '\n'; '\r' and NUL are left out. Every line, the last one too,
// ends with \par, the paragraph mark word processors give every paragraph; the reader drops
// the document's final one. Colours outside 24 bits keep their low 24 bits, and any negative
// colour is automatic (\cf0).
std::string WriteRtf(const ColouredRuns& runs, const RtfFont& font = {});

}  // namespace orvella
