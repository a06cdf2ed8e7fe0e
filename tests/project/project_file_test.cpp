// The project file: its exact layout, round trips of every record, the load fix-ups, the
// decimal translation, damaged and foreign files, and safe saving.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <unistd.h>
#include <string>

#include "engine/locale_chars.h"
#include "engine/symbol_store.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "project/project_file.h"
#include "table_fixture.h"

namespace orvella {
namespace {

std::int32_t IntAt(const std::string& bytes, std::size_t offset) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= std::uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
  return static_cast<std::int32_t>(bits);
}

class ProjectFileTest : public ::testing::Test {
 protected:
  ProjectFileTest() { reopen(); }

  void reopen() {
    document.reset();
    document.emplace(store, symbols);
    document->ConnectWorksheet(&worksheet);
    document->OnNewDocument();
  }

  CMyDocument& doc() { return *document; }

  // One of every record, each with values that are not its defaults.
  void FillEveryRecord() {
    doc().Tables().Append(test::NewXYTable("Data", {1, 2, 3}, {2, 4.5, 9}));
    auto errors = std::make_unique<CDataTable>();
    errors->SetName("Errors");
    errors->SetUpColumns(TableLayout::kXYError, 3, 2);
    errors->SetCell(2, 1, 0.25);
    errors->SetEditable(false);
    doc().Tables().Append(std::move(errors));

    auto fit = std::make_unique<CGraph2D>();
    fit->SetName("fit of Data");
    fit->Set("2*x", "", GraphType2D::kRectangular, 1, 3);
    fit->SetEditable(false);
    fit->AttachTable(&doc().Tables().At(0));
    auto results = std::make_unique<CResultReport>();
    results->title = "Linear fit";
    results->columnWidths[0] = 200;
    results->AddNumber("a", 2.5);
    results->AddText("Model: ", "y = a*x", true);
    fit->SetResults(std::move(results));
    doc().DataPlot().AddOrReplace(std::move(fit));

    auto polar = std::make_unique<CGraph2D>();
    polar->Set("1+cos(t)", "", GraphType2D::kPolar, 0, 6.5);
    polar->SetColour(0x123456);
    polar->SetStyle(kPenDashDot);
    polar->SetWidth(3);
    doc().FunctionPlot().AddOrReplace(std::move(polar));
    auto parametric = std::make_unique<CGraph2D>();
    parametric->Set("cos(t)", "sin(2*t)", GraphType2D::kParametric, -1, 1);
    doc().FunctionPlot().AddOrReplace(std::move(parametric));
    CPlot2D& plot = doc().FunctionPlot();
    plot.range = {-4, 5, -6, 7};
    plot.steps = 777;
    plot.zoomFactor = 3;
    plot.backColour = 0x00ff00;
    plot.axes.axisType = AxisType::kFrame;
    plot.axes.showGrid = false;
    plot.axes.xTickInterval = 0.5;
    plot.axes.arrowY = {9, 4};
    plot.axes.tickLabel.font.SetFaceName("Courier");
    plot.axes.gridPen.SetColour(0x0000ff);
    auto label = std::make_unique<CPlotLabel>();
    label->text = "note";
    label->position = {1.5, -2.5};
    plot.labels.push_back(std::move(label));

    auto surface = std::make_unique<CGraph3D>();
    surface->SetExpression("sin(x)*cos(y)");
    surface->SetXRange(-1, 2);
    surface->SetZRange(-5, 5);
    surface->SetFillStyle(2);
    surface->SetViewTheta(0.5);
    surface->SetLight(0.1, 0.2, 300);
    surface->SetResolution(30);
    surface->SetFillColour(0x00ffff);
    doc().Plot3D().AddOrReplace(std::move(surface));
    doc().Plot3D().views = 4;
    doc().Plot3D().ambientLight = 35;
    doc().Plot3D().windowRect = {1, 2, 640, 480};

    auto list = std::make_unique<CDataList>();
    list->SetName("Prices");
    for (const double value : {9.99, -1e300, 0.0}) list->Append(value);
    doc().Lists().Append(std::move(list));
    auto matrix = std::make_unique<CDataMatrix>();
    matrix->SetName("M");
    matrix->Resize(2, 2, false);
    matrix->SetCell(1, 2, 3.5);
    doc().Matrices().Append(std::move(matrix));

    doc().Engine().Variables().push_back({"rate", 0.125});
    doc().Engine().ExpressionVariables().push_back({"area", "rate*2.5", 0.0, false});
    worksheet.Type("rate = 0.125\n' a comment");
  }

  platform::MemorySettingsStore store;
  CSymbolStore symbols;
  platform::MemoryTextEditor worksheet;
  std::optional<CMyDocument> document;
};

TEST_F(ProjectFileTest, AnEmptyProjectHasTheDocumentedLayout) {
  const std::string bytes = WriteProjectBytes(doc());
  // Header, 0 tables, two plots of 666 bytes, a 3-D plot of 198, two empty counts and the
  // two variable blocks; the worksheet's rich text follows.
  constexpr std::size_t kPlot = 666;
  constexpr std::size_t kRecordsEnd = 144 + 4 + kPlot + kPlot + 198 + 8 + 16;
  ASSERT_GT(bytes.size(), kRecordsEnd);
  EXPECT_EQ(bytes.find("{\\rtf1"), kRecordsEnd);
  EXPECT_EQ(IntAt(bytes, 0), 144);
  EXPECT_EQ(IntAt(bytes, 144), 0);
  // Each plot ends with its graph count and its label count.
  EXPECT_EQ(IntAt(bytes, 148 + kPlot - 8), 0);
  EXPECT_EQ(IntAt(bytes, 148 + kPlot - 4), 0);
  EXPECT_EQ(IntAt(bytes, 148 + 2 * kPlot - 4), 0);
  EXPECT_EQ(IntAt(bytes, 148 + 2 * kPlot + 198 - 4), 0);  // 3-D graph count
  EXPECT_EQ(bytes.substr(kRecordsEnd, 6), "{\\rtf1");
  // The function plot's viewport share of a new project sits after its range, steps,
  // zoom factor and background.
  EXPECT_EQ(IntAt(bytes, 148 + kPlot + 32 + 4 + 8 + 4), 95);
}

TEST_F(ProjectFileTest, EveryRecordSurvivesARoundTrip) {
  FillEveryRecord();
  const std::string bytes = WriteProjectBytes(doc());
  reopen();
  ASSERT_EQ(ReadProjectBytes(doc(), bytes, "p.ovp").status, ProjectLoad::kLoaded);

  ASSERT_EQ(doc().Tables().Count(), 2);
  EXPECT_EQ(doc().Tables().At(0).Cell(1, 1), 4.5);
  EXPECT_EQ(doc().Tables().At(1).Layout(), TableLayout::kXYError);
  EXPECT_EQ(doc().Tables().At(1).Cell(2, 1), 0.25);
  EXPECT_FALSE(doc().Tables().At(1).IsEditable());

  ASSERT_EQ(doc().DataPlot().GraphCount(), 1);
  const CGraph2D& fit = doc().DataPlot().Graph(0);
  EXPECT_EQ(fit.Label(), "fit of Data");
  EXPECT_EQ(fit.DataTable(), &doc().Tables().At(0));
  EXPECT_FALSE(fit.IsEditable());
  ASSERT_NE(fit.Results(), nullptr);
  EXPECT_EQ(fit.Results()->title, "Linear fit");
  EXPECT_EQ(fit.Results()->columnWidths[0], 200);
  ASSERT_EQ(fit.Results()->entries.size(), 2u);
  EXPECT_EQ(fit.Results()->entries[1].text, "y = a*x");
  EXPECT_TRUE(fit.Results()->entries[1].indented);

  const CPlot2D& plot = doc().FunctionPlot();
  ASSERT_EQ(plot.GraphCount(), 2);
  EXPECT_EQ(plot.Graph(0).Type(), GraphType2D::kPolar);
  EXPECT_EQ(plot.Graph(0).DomainMax(), 6.5);
  EXPECT_EQ(plot.Graph(0).Colour(), 0x123456);
  EXPECT_EQ(plot.Graph(0).Style(), kPenDashDot);
  EXPECT_EQ(plot.Graph(0).Width(), 3);
  EXPECT_EQ(plot.Graph(1).Expr2(), "sin(2*t)");
  EXPECT_EQ(plot.range, (WorldRect{-4, 5, -6, 7}));
  EXPECT_EQ(plot.steps, 777);
  EXPECT_EQ(plot.zoomFactor, 3);
  EXPECT_EQ(plot.backColour, 0x00ff00);
  EXPECT_EQ(plot.axes.axisType, AxisType::kFrame);
  EXPECT_FALSE(plot.axes.showGrid);
  EXPECT_EQ(plot.axes.xTickInterval, 0.5);
  EXPECT_EQ(plot.axes.arrowY.length, 9);
  EXPECT_EQ(plot.axes.arrowY.halfWidth, 4);
  EXPECT_EQ(plot.axes.tickLabel.font.FaceName(), "Courier");
  EXPECT_EQ(plot.axes.gridPen.Colour(), 0x0000ff);
  ASSERT_EQ(plot.labels.size(), 1u);
  EXPECT_EQ(plot.labels[0]->text, "note");
  EXPECT_EQ(plot.labels[0]->position.y, -2.5);

  ASSERT_EQ(doc().Plot3D().GraphCount(), 1);
  const CGraph3D& surface = doc().Plot3D().Graph(0);
  EXPECT_EQ(surface.Expression(), "sin(x)*cos(y)");
  EXPECT_EQ(surface.XMin(), -1);
  EXPECT_EQ(surface.ZMax(), 5);
  EXPECT_EQ(surface.FillStyle(), 2);
  EXPECT_EQ(surface.ViewTheta(), 0.5);
  EXPECT_EQ(surface.LightMu(), 300);
  EXPECT_EQ(surface.Resolution(), 30);
  EXPECT_EQ(surface.Rows(), 16);
  EXPECT_EQ(surface.FillColour(), 0x00ffff);
  EXPECT_EQ(doc().Plot3D().views, 4);
  EXPECT_EQ(doc().Plot3D().ambientLight, 35);
  EXPECT_EQ(doc().Plot3D().windowRect, (PixelRect{1, 2, 640, 480}));

  ASSERT_EQ(doc().Lists().Count(), 1);
  EXPECT_EQ(doc().Lists().At(0).Value(2), -1e300);
  EXPECT_EQ(doc().Matrices().At(0).Cell(1, 2), 3.5);
  ASSERT_EQ(doc().Engine().Variables().size(), 1u);
  EXPECT_EQ(doc().Engine().Variables()[0].value, 0.125);
  ASSERT_EQ(doc().Engine().ExpressionVariables().size(), 1u);
  EXPECT_EQ(doc().Engine().ExpressionVariables()[0].formula, "rate*2.5");
  EXPECT_EQ(worksheet.Text(), "rate = 0.125\n' a comment");
  EXPECT_FALSE(doc().IsModified());

  // Writing what was read gives the same bytes.
  EXPECT_EQ(WriteProjectBytes(doc()), bytes);
}

TEST_F(ProjectFileTest, FormulasAreTranslatedToTheReadersConvention) {
  std::string bytes;
  {
    const ScopedConvention french(kFrenchConvention);
    auto graph = std::make_unique<CGraph2D>();
    graph->Set("1,5*MOD(x;2)", "", GraphType2D::kRectangular, -3, 3);
    doc().FunctionPlot().AddOrReplace(std::move(graph));
    auto surface = std::make_unique<CGraph3D>();
    surface->SetExpression("x*0,5");
    doc().Plot3D().AddOrReplace(std::move(surface));
    doc().Engine().Variables().push_back({"v", 2.5});
    doc().Engine().ExpressionVariables().push_back({"e", "MAX(v;0,25)", 0.0, false});
    bytes = WriteProjectBytes(doc());
  }
  reopen();
  ASSERT_EQ(ReadProjectBytes(doc(), bytes, "p.ovp").status, ProjectLoad::kLoaded);
  EXPECT_EQ(doc().FunctionPlot().Graph(0).Expr1(), "1.5*MOD(x,2)");
  EXPECT_EQ(doc().Plot3D().Graph(0).Expression(), "x*0.5");
  EXPECT_EQ(doc().Engine().ExpressionVariables()[0].formula, "MAX(v,0.25)");
  EXPECT_EQ(doc().Engine().Variables()[0].value, 2.5);
}

TEST_F(ProjectFileTest, StoredNonsenseLoadsAsUsableValues) {
  doc().Tables().Append(test::NewXYTable("Data", {1}, {1}));
  auto graph = std::make_unique<CGraph2D>();
  graph->SetName("g");
  graph->AttachTable(&doc().Tables().At(0));
  doc().DataPlot().AddOrReplace(std::move(graph));
  auto orphan = std::make_unique<CGraph2D>();
  orphan->SetName("orphan");
  doc().DataPlot().AddOrReplace(std::move(orphan));
  std::string bytes = WriteProjectBytes(doc());

  // The data plot follows the one table: its item part ("Data", type, editable), layout,
  // column count and two one-row columns ("X" and "Y" with their reserved slots).
  constexpr std::size_t kTable = 13 + 4 + 4 + 2 * (2 + 4 + 4 + 2 + 16);
  constexpr std::size_t kDataPlot = 144 + 4 + kTable;
  // Its range becomes 5 .. 5 on x and its viewport share 0.
  const double five = 5.0;
  std::memcpy(bytes.data() + kDataPlot, &five, 8);
  std::memcpy(bytes.data() + kDataPlot + 8, &five, 8);
  const std::int32_t zero = 0;
  std::memcpy(bytes.data() + kDataPlot + 32 + 4 + 8 + 4, &zero, 4);

  reopen();
  ASSERT_EQ(ReadProjectBytes(doc(), bytes, "p.ovp").status, ProjectLoad::kLoaded);
  EXPECT_EQ(doc().DataPlot().range.xMin, -3);
  EXPECT_EQ(doc().DataPlot().range.xMax, 3);
  EXPECT_EQ(doc().DataPlot().viewportPercent, 100);
  // The graph whose table is gone is dropped.
  ASSERT_EQ(doc().DataPlot().GraphCount(), 1);
  EXPECT_EQ(doc().DataPlot().Graph(0).Label(), "g");
}

TEST_F(ProjectFileTest, ADecreasingDomainLoadsAsTheDefault) {
  auto graph = std::make_unique<CGraph2D>();
  graph->Set("x", "", GraphType2D::kRectangular, 1, 5);
  doc().FunctionPlot().AddOrReplace(std::move(graph));
  std::string bytes = WriteProjectBytes(doc());
  // The domain is stored after the expressions; put 5 .. 1 there.
  const std::size_t expression = bytes.find(std::string("\x01x", 2));
  ASSERT_NE(expression, std::string::npos);
  const std::size_t domain = expression + 2 + 1 + 4;
  const double lo = 5.0;
  const double hi = 1.0;
  std::memcpy(bytes.data() + domain, &lo, 8);
  std::memcpy(bytes.data() + domain + 8, &hi, 8);
  reopen();
  ASSERT_EQ(ReadProjectBytes(doc(), bytes, "p.ovp").status, ProjectLoad::kLoaded);
  EXPECT_EQ(doc().FunctionPlot().Graph(0).DomainMin(), -3);
  EXPECT_EQ(doc().FunctionPlot().Graph(0).DomainMax(), 3);
}

TEST_F(ProjectFileTest, TheHeaderIsCheckedByItsTexts) {
  std::string bytes = WriteProjectBytes(doc());
  bytes[4] = 'o';  // "orvella": the product word in another case still loads
  EXPECT_EQ(ReadProjectBytes(doc(), bytes, "p.ovp").status, ProjectLoad::kLoaded);

  bytes[0x54] = 'X';
  const ProjectLoadResult foreign = ReadProjectBytes(doc(), bytes, "/home/u/p.ovp");
  EXPECT_EQ(foreign.status, ProjectLoad::kNotAProject);
  EXPECT_EQ(foreign.message, "/home/u/p.ovp is not a valid project file.");
  EXPECT_TRUE(IsProjectHeader(doc().Header()));
}

TEST_F(ProjectFileTest, EveryPrefixOfAProjectLoadsCleanly) {
  FillEveryRecord();
  const std::string bytes = WriteProjectBytes(doc());
  const std::size_t recordsEnd = bytes.find("{\\rtf1");
  ASSERT_NE(recordsEnd, std::string::npos);
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    reopen();
    const ProjectLoadResult result = ReadProjectBytes(doc(), std::string_view(bytes).substr(0, length), "p");
    if (length < recordsEnd) {
      ASSERT_EQ(result.status, ProjectLoad::kDamaged) << length;
      EXPECT_EQ(result.message, "Unexpected file format.");
      EXPECT_EQ(doc().Tables().Count(), 0) << length;
      EXPECT_EQ(doc().DataPlot().GraphCount(), 0) << length;
      EXPECT_EQ(doc().Plot3D().GraphCount(), 0) << length;
      EXPECT_TRUE(doc().Engine().Variables().empty()) << length;
    } else {
      // A cut inside the worksheet's rich text loses only the text after the cut.
      EXPECT_EQ(result.status, ProjectLoad::kLoaded) << length;
    }
  }
}

TEST_F(ProjectFileTest, SavingReplacesTheFileOnlyWhenComplete) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("orvella_project_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto file = folder / "p.ovp";
  FillEveryRecord();
  EXPECT_EQ(SaveProject(doc(), file), "");
  EXPECT_FALSE(doc().IsModified());
  EXPECT_FALSE(doc().Tables().At(0).IsModified());
  EXPECT_EQ(doc().PathName(), file.string());

  reopen();
  EXPECT_EQ(OpenProject(doc(), file).status, ProjectLoad::kLoaded);
  EXPECT_EQ(doc().Tables().Count(), 2);
  EXPECT_EQ(std::filesystem::remove_all(folder / "missing"), 0u);
  EXPECT_EQ(OpenProject(doc(), folder / "missing.ovp").message,
            (folder / "missing.ovp").string() + " was not found.");
  EXPECT_EQ(doc().Tables().Count(), 0);

  // A target that cannot be replaced (a folder of that name) fails and stays as it was.
  const auto blocked = folder / "blocked.ovp";
  std::filesystem::create_directories(blocked / "inside");
  EXPECT_EQ(SaveProject(doc(), blocked), "Failed to save document.");
  EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));
  // Nothing is left behind but the two names.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
  EXPECT_EQ(entries, 2);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace orvella
