// The project file: the header, the data tables, the data plot, the function plot, the 3-D
// plot, the lists, the matrices, the two variable blocks and the worksheet text as RTF, in
// that order, written and read in one pass.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "project/my_document.h"

namespace orvella {

inline constexpr std::string_view kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr std::string_view kNotAProjectFile = " is not a valid project file.";

enum class ProjectLoad {
  kLoaded,
  kNotAProject,  // the header names another format: the project stays empty
  kDamaged,      // ended early or held impossible lengths: the project is emptied again
};

struct ProjectLoadResult {
  ProjectLoad status = ProjectLoad::kLoaded;
  std::string message;  // what the user is told; empty when loaded
};

// The whole file.
std::string WriteProjectBytes(CMyDocument& document);

// Reads into a document that DeleteContents has emptied. `fileName` is named in the
// message for a file of another format.
ProjectLoadResult ReadProjectBytes(CMyDocument& document, std::string_view bytes,
                                   std::string_view fileName);

// Open: empties the document, reads the file and takes its path; a file that cannot be
// read or is not a sound project leaves an empty project and says why.
ProjectLoadResult OpenProject(CMyDocument& document, const std::filesystem::path& file);

// Save: the file is replaced only by a complete, flushed copy, so a failure leaves the old
// file as it was. The message for the user; empty on success, when the project and every
// record in it are no longer modified and the project takes the path.
std::string SaveProject(CMyDocument& document, const std::filesystem::path& file);

}  // namespace orvella
