// libFuzzer target: any bytes read as a project file into a document with a worksheet,
// then the document written back and read again. Nothing may crash, hang, read out of
// bounds or allocate beyond what the input justifies; what loads must save and load again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/evaluation_budget.h"
#include "engine/symbol_store.h"
#include "engine/user_names.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "project/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvella;
  SetEvaluationBudget(20000);
  platform::MemorySettingsStore settings;
  CSymbolStore symbols;
  InstallUserNames(&symbols);
  platform::MemoryTextEditor worksheet;
  {
    CMyDocument document(settings, symbols);
    document.ConnectWorksheet(&worksheet);
    document.OnNewDocument();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ProjectLoadResult loaded = ReadProjectBytes(document, bytes, "fuzz.ovp");
    if (loaded.status == ProjectLoad::kLoaded) {
      const std::string saved = WriteProjectBytes(document);
      document.DeleteContents();
      document.OnNewDocument();
      if (ReadProjectBytes(document, saved, "fuzz.ovp").status != ProjectLoad::kLoaded) {
        std::abort();
      }
    }
  }
  InstallUserNames(nullptr);
  return 0;
}
