// Saving and loading a large project: 100 data tables of 10,000 rows, 50 graphs and a
// worksheet of about 1 MB. As a yardstick, writing the same bytes to a file without the
// project encoding (what the disk alone costs).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "engine/symbol_store.h"
#include "engine/user_names.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "platform/file_io.h"
#include "project/project_file.h"

namespace {

using namespace orvella;

constexpr int kTables = 100;
constexpr int kRows = 10000;
constexpr int kGraphs = 50;
constexpr std::size_t kWorksheetBytes = 1 << 20;

struct LargeProject {
  LargeProject() : document(settings, symbols) {
    InstallUserNames(&symbols);
    document.ConnectWorksheet(&worksheet);
    document.OnNewDocument();
    for (int t = 0; t < kTables; ++t) {
      auto table = std::make_unique<CDataTable>();
      table->SetName("Table" + std::to_string(t + 1));
      table->SetUpColumns(TableLayout::kXY, 2, kRows);
      for (int row = 0; row < kRows; ++row) {
        table->SetCell(0, row, row * 0.001);
        table->SetCell(1, row, row * 0.5 + t);
      }
      document.Tables().Append(std::move(table));
    }
    for (int g = 0; g < kGraphs; ++g) {
      auto graph = std::make_unique<CGraph2D>();
      graph->Set("sin(x)*" + std::to_string(g + 1) + "+x^2/3", "", GraphType2D::kRectangular, -5, 5);
      document.FunctionPlot().AddOrReplace(std::move(graph));
    }
    std::string text;
    while (text.size() < kWorksheetBytes) text += "rate = 0.125 * 2\n' a comment line of the sheet\n";
    worksheet.Type(text);
  }

  platform::MemorySettingsStore settings;
  CSymbolStore symbols;
  platform::MemoryTextEditor worksheet;
  CMyDocument document;
};

LargeProject& Project() {
  static LargeProject project;
  return project;
}

std::filesystem::path BenchFile() {
  return std::filesystem::temp_directory_path() /
         ("orvella_bench_" + std::to_string(::getpid()) + ".ovp");
}

void BM_EncodeProject(benchmark::State& state) {
  LargeProject& project = Project();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string encoded = WriteProjectBytes(project.document);
    bytes = encoded.size();
    benchmark::DoNotOptimize(encoded.data());
  }
  state.counters["MB"] = bytes / 1e6;
}
BENCHMARK(BM_EncodeProject)->Unit(benchmark::kMillisecond);

void BM_SaveProject(benchmark::State& state) {
  LargeProject& project = Project();
  const auto file = BenchFile();
  for (auto _ : state) {
    if (!SaveProject(project.document, file).empty()) state.SkipWithError("save failed");
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

// The disk's share of a save: the same number of bytes, written and flushed the same way.
void BM_WriteSameBytes(benchmark::State& state) {
  const std::string bytes = WriteProjectBytes(Project().document);
  const auto file = BenchFile();
  for (auto _ : state) {
    if (!platform::ReplaceFileAtomically(file, bytes)) state.SkipWithError("write failed");
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_WriteSameBytes)->Unit(benchmark::kMillisecond);

void BM_LoadProject(benchmark::State& state) {
  LargeProject& project = Project();
  const auto file = BenchFile();
  SaveProject(project.document, file);
  platform::MemorySettingsStore settings;
  platform::MemoryTextEditor worksheet;
  CMyDocument loaded(settings, project.symbols);
  loaded.ConnectWorksheet(&worksheet);
  for (auto _ : state) {
    if (OpenProject(loaded, file).status != ProjectLoad::kLoaded) state.SkipWithError("load failed");
  }
  state.counters["tables"] = loaded.Tables().Count();
  std::filesystem::remove(file);
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
