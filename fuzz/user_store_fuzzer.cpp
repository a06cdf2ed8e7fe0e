// libFuzzer target: any bytes read as the user store file. A file that reads is applied
// (functions and models are validated again) and written back; what was written must read
// again. Nothing may crash, hang or allocate beyond what the input justifies.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/evaluation_budget.h"
#include "engine/symbol_store.h"
#include "engine/user_names.h"
#include "library/unit_relations.h"
#include "platform/fake/memory_settings_store.h"
#include "project/my_document.h"
#include "project/user_store_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvella;
  SetEvaluationBudget(20000);
  platform::MemorySettingsStore settings;
  CSymbolStore symbols;
  InstallUserNames(&symbols);
  {
    CMyDocument document(settings, symbols);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto contents = ReadUserStoreBytes(bytes)) {
      ApplyUserStore(*contents, symbols, document);
      const std::string written = WriteUserStoreBytes(symbols, document);
      if (!ReadUserStoreBytes(written)) std::abort();
    }
  }
  ResetUnitRelations();
  InstallUserNames(nullptr);
  return 0;
}
