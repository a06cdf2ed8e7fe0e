// 3-D graph records: the mesh size that a resolution gives on a screen, which flags each
// setter raises (and when it raises none), the range and light rules, the label and the
// copy from the template.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "graphing/graph3d.h"
#include "platform/screen_metrics.h"

namespace orvella {
namespace {

// The common screen the sizes below are worked out for.
class Graph3DTest : public ::testing::Test {
 protected:
  platform::ScopedPrimaryScreen screen_{{.height = 768, .verticalDpi = 96}};
};

// A graph whose every flag has been consumed, so a test sees only what one call raises.
void Settle(CGraph3D& graph) {
  graph.ClearNeedMesh();
  graph.ClearNeedProjection();
  graph.ClearNeedScreenMap();
  graph.ClearNeedShading();
  graph.ClearAppearanceChanged();
  graph.SetModified(false);
}

struct Flags {
  bool mesh = false;
  bool projection = false;
  bool screenMap = false;
  bool shading = false;
  bool appearance = false;
  bool modified = false;

  friend bool operator==(const Flags&, const Flags&) = default;
};

Flags FlagsOf(const CGraph3D& graph) {
  return {graph.NeedMesh(),     graph.NeedProjection(),    graph.NeedScreenMap(),
          graph.NeedShading(),  graph.AppearanceChanged(), graph.IsModified()};
}

std::string Describe(const Flags& f) {
  return "mesh " + std::to_string(f.mesh) + " projection " + std::to_string(f.projection) +
         " screenMap " + std::to_string(f.screenMap) + " shading " + std::to_string(f.shading) +
         " appearance " + std::to_string(f.appearance) + " modified " +
         std::to_string(f.modified);
}

TEST_F(Graph3DTest, ResolutionGivesTheMeshSize) {
  struct Case {
    int requested;
    int stored;
    int size;
  };
  const Case cases[] = {
      {30, 30, 16}, {50, 50, 40}, {60, 60, 63}, {75, 75, 113}, {100, 100, 256},
      {0, 0, 10},   {120, 100, 256},  // above the slider's range
      {-5, 0, 10},
  };
  for (const Case& c : cases) {
    CGraph3D graph;
    graph.SetResolution(c.requested);
    EXPECT_EQ(graph.Resolution(), c.stored) << c.requested;
    EXPECT_EQ(graph.Rows(), c.size) << c.requested;
    EXPECT_EQ(graph.Columns(), c.size) << c.requested;
  }
}

TEST_F(Graph3DTest, MeshSizeFollowsTheScreenAndStaysBounded) {
  EXPECT_EQ(MeshSizeForResolution(100, 1080), 360);
  // Too small a screen for the formula still gets a mesh.
  EXPECT_EQ(MeshSizeForResolution(100, 0), 10);
  EXPECT_EQ(MeshSizeForResolution(100, 1000000), kMaxMeshSize);
}

TEST_F(Graph3DTest, NewGraphIsDrawableAndUnmodified) {
  const CGraph3D graph;
  EXPECT_EQ(graph.Expression(), "(2-y^2+x^2)*exp(1-x^2-y^2/4)");
  EXPECT_EQ(graph.Label(), "z = (2-y^2+x^2)*exp(1-x^2-y^2/4)");
  EXPECT_EQ(graph.Resolution(), 50);
  EXPECT_EQ(graph.Rows(), 40);
  EXPECT_EQ(graph.Columns(), 40);
  EXPECT_FALSE(graph.HasMesh());
  EXPECT_EQ(FlagsOf(graph), (Flags{true, true, true, true, false, false}));
  EXPECT_EQ(graph.FillStyle(), kFillLitWithoutGrid);
  EXPECT_TRUE(graph.AutoSize());
  EXPECT_EQ(graph.Rect(), (PixelRect{0, 0, 500, 300}));
}

TEST_F(Graph3DTest, ResolutionThatKeepsTheSizeKeepsTheMesh) {
  CGraph3D graph;
  graph.SetResolution(5);
  graph.AllocateMesh();
  Settle(graph);

  graph.SetResolution(10);  // still 10 x 10
  EXPECT_EQ(graph.Resolution(), 10);
  EXPECT_TRUE(graph.HasMesh());
  EXPECT_FALSE(graph.NeedMesh());
  EXPECT_TRUE(graph.IsModified());

  graph.SetResolution(30);
  EXPECT_FALSE(graph.HasMesh());
  EXPECT_TRUE(graph.NeedMesh());
  EXPECT_EQ(graph.Rows(), 16);
}

TEST_F(Graph3DTest, EachSetterRaisesItsFlags) {
  const double third = kThirdOfPi;
  struct Case {
    const char* what;
    std::function<void(CGraph3D&)> change;
    Flags raised;
  };
  const Flags mesh{.mesh = true, .modified = true};
  const Flags projection{.projection = true, .modified = true};
  const Flags shading{.shading = true, .modified = true};
  const Flags none{};
  const Case cases[] = {
      {"expression", [](CGraph3D& g) { g.SetExpression("x*y"); }, mesh},
      {"expression in other case",
       [](CGraph3D& g) { g.SetExpression("(2-Y^2+X^2)*EXP(1-X^2-Y^2/4)"); }, none},
      {"x range", [](CGraph3D& g) { g.SetXRange(-2, 2); }, mesh},
      {"y range", [](CGraph3D& g) { g.SetYRange(-3, 4); }, mesh},
      {"z range", [](CGraph3D& g) { g.SetZRange(-1, 1); }, mesh},
      {"x range within tolerance", [](CGraph3D& g) { g.SetXRange(-3 + 1e-9, 3); }, none},
      {"reversed range", [](CGraph3D& g) { g.SetYRange(3, -3); }, none},
      {"empty range", [](CGraph3D& g) { g.SetZRange(1, 1); }, none},
      {"range with NaN", [](CGraph3D& g) { g.SetXRange(NAN, 3); }, none},
      {"autosize off", [](CGraph3D& g) { g.SetAutoSize(false); }, mesh},
      {"autosize unchanged", [](CGraph3D& g) { g.SetAutoSize(true); }, none},
      {"resolution", [](CGraph3D& g) { g.SetResolution(75); }, mesh},
      {"resolution unchanged", [](CGraph3D& g) { g.SetResolution(50); }, none},
      // A style is a way of looking, not a change of the project.
      {"fill style", [](CGraph3D& g) { g.SetFillStyle(kFillWireframe); }, {.shading = true}},
      {"unknown fill style", [](CGraph3D& g) { g.SetFillStyle(6); }, none},
      {"view theta", [](CGraph3D& g) { g.SetViewTheta(1.0); }, projection},
      {"view phi", [](CGraph3D& g) { g.SetViewPhi(0.5); }, projection},
      {"view mu", [](CGraph3D& g) { g.SetViewMu(500); }, projection},
      {"view theta within tolerance",
       [third](CGraph3D& g) { g.SetViewTheta(third + 1e-9); }, none},
      {"view mu infinite", [](CGraph3D& g) { g.SetViewMu(INFINITY); }, none},
      {"light distance", [third](CGraph3D& g) { g.SetLight(third, third, 900); }, shading},
      {"light unchanged", [third](CGraph3D& g) { g.SetLight(third, third, 1000); }, none},
      {"light colour", [](CGraph3D& g) { g.SetLightColour(0x00ff00); }, shading},
      {"light colour unchanged", [](CGraph3D& g) { g.SetLightColour(0xffffff); }, none},
      // The view resizes it; nothing to save.
      {"rect", [](CGraph3D& g) { g.SetRect(0, 0, 640, 480); }, {.screenMap = true}},
      {"rect unchanged", [](CGraph3D& g) { g.SetRect(0, 0, 500, 300); }, none},
      {"line colour", [](CGraph3D& g) { g.SetColour(0x123456); },
       {.appearance = true, .modified = true}},
      {"fill colour", [](CGraph3D& g) { g.SetFillColour(0x00ffff); },
       {.appearance = true, .modified = true}},
  };
  for (const Case& c : cases) {
    CGraph3D graph;
    Settle(graph);
    c.change(graph);
    EXPECT_EQ(FlagsOf(graph), c.raised)
        << c.what << ": got " << Describe(FlagsOf(graph)) << ", want " << Describe(c.raised);
  }
}

TEST_F(Graph3DTest, RangesKeepTheirCentreAndRefuseDisorder) {
  CGraph3D graph;
  graph.SetXRange(-1, 5);
  graph.SetYRange(0, 10);
  graph.SetZRange(-4, -2);
  graph.SetXRange(5, -1);
  graph.SetYRange(7, 7);
  EXPECT_EQ(graph.XMin(), -1);
  EXPECT_EQ(graph.XMax(), 5);
  EXPECT_EQ(graph.XCentre(), 2);
  EXPECT_EQ(graph.YMin(), 0);
  EXPECT_EQ(graph.YMax(), 10);
  EXPECT_EQ(graph.YCentre(), 5);
  EXPECT_EQ(graph.ZCentre(), -3);
}

TEST_F(Graph3DTest, ToleranceIsRelativeSoTinyDomainsCanBeSet) {
  CGraph3D graph;
  graph.SetXRange(1e-10, 2e-10);
  graph.SetXRange(1e-10, 3e-10);
  EXPECT_EQ(graph.XMax(), 3e-10);
  // Large distances ignore noise far below their own size.
  graph.SetViewMu(1e6);
  Settle(graph);
  graph.SetViewMu(1e6 + 1e-3);
  EXPECT_FALSE(graph.NeedProjection());
  EXPECT_EQ(graph.ViewMu(), 1e6);
}

TEST_F(Graph3DTest, LightIsReplacedWhole) {
  CGraph3D graph;
  graph.SetLight(0.25, 0.5, 42);
  EXPECT_EQ(graph.LightTheta(), 0.25);
  EXPECT_EQ(graph.LightPhi(), 0.5);
  EXPECT_EQ(graph.LightMu(), 42);
  // Only one value moves: all three are written, the others with their given values.
  graph.SetLight(0.25, 0.75, 42);
  EXPECT_EQ(graph.LightPhi(), 0.75);
  graph.SetLight(0.25 + 1e-12, 0.75, 42);
  EXPECT_EQ(graph.LightTheta(), 0.25);
}

TEST_F(Graph3DTest, ClearingAStageStalesTheStagesAfterIt) {
  CGraph3D graph;
  Settle(graph);
  graph.ClearNeedMesh();
  EXPECT_EQ(FlagsOf(graph), (Flags{false, true, true, true, false, false}));
  Settle(graph);
  graph.ClearNeedProjection();
  EXPECT_EQ(FlagsOf(graph), (Flags{false, false, true, true, false, false}));
}

TEST_F(Graph3DTest, FittedZRangeMovesNoFlag) {
  CGraph3D graph;
  Settle(graph);
  graph.SetFittedZRange(2, 2);  // a constant surface
  EXPECT_EQ(graph.ZMin(), 2);
  EXPECT_EQ(graph.ZMax(), 2);
  EXPECT_EQ(graph.ZCentre(), 2);
  EXPECT_EQ(FlagsOf(graph), Flags{});
}

TEST_F(Graph3DTest, MeshHoldsOneSamplePerRowAndColumn) {
  CGraph3D graph;
  graph.SetResolution(0);
  graph.AllocateMesh();
  ASSERT_TRUE(graph.HasMesh());
  graph.Sample(9, 0).z = 1;
  graph.Sample(0, 9).z = 2;
  EXPECT_EQ(graph.Sample(9, 0).z, 1);
  EXPECT_EQ(graph.Sample(0, 9).z, 2);
  EXPECT_EQ(graph.Sample(9, 9).z, 0);
}

TEST_F(Graph3DTest, BoxDiagonal) {
  CGraph3D graph;
  graph.SetXRange(0, 3);
  graph.SetYRange(-2, 2);
  graph.SetZRange(10, 22);
  EXPECT_DOUBLE_EQ(graph.BoxDiagonal(), 13.0);
}

TEST_F(Graph3DTest, CopyFromTakesWhatTheUserChose) {
  CGraph3D source;
  source.SetExpression("x+y");
  source.SetXRange(-1, 1);
  source.SetYRange(-2, 2);
  source.SetZRange(0, 5);
  source.SetAutoSize(false);
  source.SetColour(0x111111);
  source.SetFillColour(0x222222);
  source.SetLightColour(0x333333);
  source.SetLight(0.1, 0.2, 300);
  source.SetViewTheta(0.4);
  source.SetViewPhi(0.5);
  source.SetViewMu(600);
  source.SetFillStyle(kFillSolidWithGrid);
  source.SetResolution(30);
  source.SetRect(1, 2, 3, 4);
  source.SetStyle(kPenDash);

  CGraph3D copy;
  copy.CopyFrom(source);
  EXPECT_EQ(copy.Label(), "z = x+y");
  EXPECT_EQ(copy.XMin(), -1);
  EXPECT_EQ(copy.YMax(), 2);
  EXPECT_EQ(copy.ZMax(), 5);
  EXPECT_EQ(copy.ZCentre(), 2.5);
  EXPECT_FALSE(copy.AutoSize());
  EXPECT_EQ(copy.Colour(), 0x111111);
  EXPECT_EQ(copy.FillColour(), 0x222222);
  EXPECT_EQ(copy.LightColour(), 0x333333);
  EXPECT_EQ(copy.LightMu(), 300);
  EXPECT_EQ(copy.ViewTheta(), 0.4);
  EXPECT_EQ(copy.ViewPhi(), 0.5);
  EXPECT_EQ(copy.ViewMu(), 600);
  EXPECT_EQ(copy.FillStyle(), kFillSolidWithGrid);
  EXPECT_EQ(copy.Resolution(), 30);
  EXPECT_EQ(copy.Rows(), 16);
  // The drawing rectangle belongs to the view and the pen style to no dialog.
  EXPECT_EQ(copy.Rect(), (PixelRect{0, 0, 500, 300}));
  EXPECT_EQ(copy.Style(), kPenSolid);
  EXPECT_TRUE(copy.NeedMesh());
}

TEST(FillStyleNamesTest, SixStylesInValueOrder) {
  ASSERT_EQ(std::size(kFillStyleNames), 6u);
  for (std::size_t i = 0; i < std::size(kFillStyleNames); ++i) {
    EXPECT_EQ(kFillStyleNames[i].value, static_cast<std::int32_t>(i));
  }
  EXPECT_EQ(kFillStyleNames[kFillHiddenLine].dialogName, "Wire frame without hidden line");
  EXPECT_EQ(kFillStyleNames[kFillHiddenLine].menuName, "Hidden Line");
}

}  // namespace
}  // namespace orvella
