// The matrix commands on a project document, the "Perform matrix operation" dialog model,
// and the matrix algebra beneath them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "analysis/matrix_operation_model.h"
#include "analysis/matrix_operations.h"
#include "engine/symbol_store.h"
#include "platform/fake/memory_settings_store.h"
#include "platform/fake/memory_text_editor.h"
#include "project/document_fixture.h"
#include "project/matrix_commands.h"
#include "project/my_document.h"

namespace orvella {
namespace {

using Rows = std::vector<std::vector<double>>;

std::unique_ptr<CDataMatrix> MatrixOf(std::string_view name, int rows, int columns,
                                      const std::vector<double>& rowMajor = {}) {
  auto matrix = std::make_unique<CDataMatrix>();
  matrix->SetName(std::string(name));
  EXPECT_EQ(matrix->Resize(rows, columns, false), kNoError);
  for (std::size_t k = 0; k < rowMajor.size(); ++k) {
    matrix->SetCell(static_cast<int>(k) / columns + 1, static_cast<int>(k) % columns + 1,
                    rowMajor[k]);
  }
  return matrix;
}

void ExpectCells(const CDataMatrix& matrix, const Rows& expected, double tolerance = 1e-12) {
  ASSERT_EQ(matrix.Rows(), static_cast<int>(expected.size()));
  for (int i = 1; i <= matrix.Rows(); ++i) {
    ASSERT_EQ(matrix.Columns(), static_cast<int>(expected[i - 1].size()));
    for (int j = 1; j <= matrix.Columns(); ++j) {
      EXPECT_NEAR(matrix.Cell(i, j), expected[i - 1][j - 1], tolerance)
          << matrix.Name() << " cell " << i << "," << j;
    }
  }
}

class MatrixCommandsTest : public test::ConnectedDocumentTest {
 protected:
  // Adds M and selects it (adding an item selects it).
  void SelectNew(int rows, int columns, const std::vector<double>& rowMajor = {}) {
    ASSERT_TRUE(document.AddMatrix(MatrixOf("M", rows, columns, rowMajor)));
    ASSERT_TRUE(MatrixCommandsEnabled(document));
  }
  const CDataMatrix* Find(std::string_view name) {
    return document.Matrices().Find(document.Matrices().IndexOf(name));
  }
};

TEST_F(MatrixCommandsTest, DeterminantIsWrittenOnALineOfItsOwnAtTheCaret) {
  worksheet.SetText("x=1");
  worksheet.SetCaret(3);
  SelectNew(2, 2, {1, 2, 3, 4});
  EXPECT_EQ(FindDeterminant(document, prompter), kNoError);
  EXPECT_EQ(worksheet.Text(), "x=1\nDeterminant of matrix M = -2\n");
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(document.Matrices().Count(), 1);
}

TEST_F(MatrixCommandsTest, SingularDeterminantIsTinyAndAZeroRowWritesNothing) {
  SelectNew(2, 2, {1, 2, 2, 4});
  ASSERT_EQ(FindDeterminant(document, prompter), kNoError);
  EXPECT_EQ(worksheet.Text(), "Determinant of matrix M = -2e-20\n");

  worksheet.SetText("");
  ASSERT_TRUE(document.AddMatrix(MatrixOf("Z", 2, 2, {1, 2, 0, 0})));
  EXPECT_EQ(FindDeterminant(document, prompter), kInvalidData);
  EXPECT_EQ(FindInverseMatrix(document, prompter), kInvalidData);
  EXPECT_EQ(worksheet.Text(), "");
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(document.Matrices().Count(), 2);
}

TEST_F(MatrixCommandsTest, InverseAndSolutionAreNewMatricesAndTheSourceStays) {
  SelectNew(2, 2, {2, 0, 0, 4});
  ASSERT_EQ(FindInverseMatrix(document, prompter), kNoError);
  ASSERT_NE(Find("Inverse of M"), nullptr);
  ExpectCells(*Find("Inverse of M"), {{0.5, 0}, {0, 0.25}});
  ExpectCells(*Find("M"), {{2, 0}, {0, 4}});

  ASSERT_TRUE(document.AddMatrix(MatrixOf("A", 2, 3, {2, 1, 5, 1, 3, 10})));
  ASSERT_EQ(SolveMatrix(document, prompter), kNoError);
  ASSERT_NE(Find("Solution of A"), nullptr);
  ExpectCells(*Find("Solution of A"), {{1}, {3}});

  ASSERT_TRUE(document.AddMatrix(MatrixOf("B", 1, 2, {4, 8})));
  ASSERT_EQ(SolveMatrix(document, prompter), kNoError);
  ExpectCells(*Find("Solution of B"), {{2}});
}

TEST_F(MatrixCommandsTest, EigenvaluesKeepTheMethodsOrderAndVectorsHaveUnitLength) {
  SelectNew(2, 2, {2, 1, 1, 2});
  ASSERT_EQ(GetEigenvalues(document, prompter), kNoError);
  ASSERT_NE(Find("EigenValues of M"), nullptr);
  ExpectCells(*Find("EigenValues of M"), {{1}, {3}});

  explorer.SelectNode(explorer.FindItemNode(ItemKind::Matrix, "M"));
  ASSERT_EQ(GetEigenvectors(document, prompter), kNoError);
  const CDataMatrix* vectors = Find("EigenVectors of M");
  ASSERT_NE(vectors, nullptr);
  ASSERT_EQ(vectors->Rows(), 2);
  ASSERT_EQ(vectors->Columns(), 2);
  for (int k = 1; k <= 2; ++k) {
    EXPECT_NEAR(std::hypot(vectors->Cell(1, k), vectors->Cell(2, k)), 1.0, 1e-14);
  }
  // Column 1 belongs to 1: (1, -1)/sqrt(2) up to sign.
  EXPECT_NEAR(vectors->Cell(1, 1) + vectors->Cell(2, 1), 0.0, 1e-14);

  // Only the upper triangle is read: [[2,5],[0,2]] behaves as [[2,5],[5,2]].
  ASSERT_TRUE(document.AddMatrix(MatrixOf("U", 2, 2, {2, 5, 0, 2})));
  ASSERT_EQ(GetEigenvalues(document, prompter), kNoError);
  ExpectCells(*Find("EigenValues of U"), {{-3}, {7}}, 1e-13);
}

TEST_F(MatrixCommandsTest, UnconvergedEigenvaluesAreReportedNotAdded) {
  SelectNew(2, 2, {1, NAN, NAN, 1});
  EXPECT_EQ(GetEigenvalues(document, prompter), kMaxIterationsExceeded);
  EXPECT_EQ(GetEigenvectors(document, prompter), kMaxIterationsExceeded);
  EXPECT_EQ(prompter.messages,
            (std::vector<std::string>(2, std::string(kEigenNotConvergedMessage))));
  EXPECT_EQ(document.Matrices().Count(), 1);
}

// Every command refuses an unsuitable shape with its message, 0 x 0 included.
TEST_F(MatrixCommandsTest, UnsuitableShapesGetTheirMessageAndAddNothing) {
  using Command = CalcError (*)(CMyDocument&, platform::Prompter&);
  struct Case {
    Command command;
    int rows;
    int columns;
    std::string_view message;
  };
  const Case cases[] = {
      {FindDeterminant, 2, 3, kDeterminantShapeMessage},
      {FindDeterminant, 0, 0, kDeterminantShapeMessage},
      {FindInverseMatrix, 3, 2, kInverseShapeMessage},
      {FindInverseMatrix, 0, 0, kInverseShapeMessage},
      {SolveMatrix, 2, 2, kSolveShapeMessage},
      {SolveMatrix, 0, 1, kSolveShapeMessage},
      {SolveMatrix, 0, 0, kSolveShapeMessage},
      {GetEigenvalues, 3, 2, kEigenvaluesShapeMessage},
      {GetEigenvalues, 0, 0, kEigenvaluesShapeMessage},
      {GetEigenvectors, 2, 3, kEigenvectorsShapeMessage},
      {GetEigenvectors, 0, 0, kEigenvectorsShapeMessage},
  };
  SelectNew(1, 1, {1});
  document.Settings().confirmOverwrite = 0;  // each case replaces M without a question
  for (const Case& c : cases) {
    ASSERT_TRUE(document.AddMatrix(MatrixOf("M", c.rows, c.columns)));
    prompter.messages.clear();
    EXPECT_EQ(c.command(document, prompter), kInvalidParameter) << c.message;
    EXPECT_EQ(prompter.messages, std::vector<std::string>{std::string(c.message)});
    EXPECT_EQ(document.Matrices().Count(), 1);
  }
  EXPECT_EQ(worksheet.Text(), "");
}

TEST_F(MatrixCommandsTest, CommandsDispatchByIdAndIdleWithoutAMatrix) {
  EXPECT_FALSE(MatrixCommandsEnabled(document));
  EXPECT_TRUE(RunMatrixCommand(document, prompter, kFindInverseMatrixCommand));
  EXPECT_EQ(document.Matrices().Count(), 0);

  SelectNew(2, 2, {2, 0, 0, 4});
  EXPECT_FALSE(RunMatrixCommand(document, prompter, kMatrixOperationsCommand));
  EXPECT_TRUE(RunMatrixCommand(document, prompter, kFindInverseMatrixCommand));
  EXPECT_NE(Find("Inverse of M"), nullptr);
}

TEST(MatrixAlgebraTest, CombineChecksDimensionsAndMultipliesRowsByColumns) {
  auto a = MatrixOf("A", 2, 3, {1, 2, 3, 4, 5, 6});
  auto b = MatrixOf("B", 3, 2, {7, 8, 9, 10, 11, 12});
  CDataMatrix product;
  product.CopyFrom(*a);
  ASSERT_EQ(CombineMatrices(product, *b, MatrixOperation::kMultiply), kNoError);
  ExpectCells(product, {{58, 64}, {139, 154}});

  CDataMatrix unchanged;
  unchanged.CopyFrom(*a);
  EXPECT_EQ(CombineMatrices(unchanged, *a, MatrixOperation::kMultiply), kOperationNotSupported);
  EXPECT_EQ(CombineMatrices(unchanged, *b, MatrixOperation::kAdd), kOperationNotSupported);
  EXPECT_EQ(CombineMatrices(unchanged, *a, static_cast<MatrixOperation>(7)),
            kOperationNotSupported);
  ExpectCells(unchanged, {{1, 2, 3}, {4, 5, 6}});

  // The matrix with itself: the sum doubles, the difference is zero, the square is right.
  EXPECT_EQ(CombineMatrices(unchanged, unchanged, MatrixOperation::kAdd), kNoError);
  ExpectCells(unchanged, {{2, 4, 6}, {8, 10, 12}});
  EXPECT_EQ(CombineMatrices(unchanged, unchanged, MatrixOperation::kSubtract), kNoError);
  ExpectCells(unchanged, {{0, 0, 0}, {0, 0, 0}});
  auto square = MatrixOf("S", 2, 2, {1, 2, 3, 4});
  EXPECT_EQ(CombineMatrices(*square, *square, MatrixOperation::kMultiply), kNoError);
  ExpectCells(*square, {{7, 10}, {15, 22}});

  // A long column times a long row would exceed what a matrix may hold.
  auto column = MatrixOf("C", 1'000'000, 1);
  auto row = MatrixOf("R", 1, 1'000'000);
  EXPECT_EQ(CombineMatrices(*column, *row, MatrixOperation::kMultiply), kOutOfMemory);
  EXPECT_EQ(column->Rows(), 1'000'000);
  EXPECT_EQ(column->Columns(), 1);

  CDataMatrix empty;
  EXPECT_EQ(CombineMatrices(empty, CDataMatrix(), MatrixOperation::kAdd), kNoError);
}

TEST(MatrixAlgebraTest, InverseOfHilbertMatchesItsExactInverse) {
  auto hilbert = MatrixOf("H", 4, 4);
  for (int i = 1; i <= 4; ++i) {
    for (int j = 1; j <= 4; ++j) hilbert->SetCell(i, j, 1.0 / (i + j - 1));
  }
  double determinant = 0.0;
  ASSERT_EQ(MatrixDeterminant(*hilbert, determinant), kNoError);
  EXPECT_NEAR(determinant, 1.0 / 6048000.0, 1e-18);
  ASSERT_EQ(InvertMatrix(*hilbert), kNoError);
  ExpectCells(*hilbert,
              {{16, -120, 240, -140},
               {-120, 1200, -2700, 1680},
               {240, -2700, 6480, -4200},
               {-140, 1680, -4200, 2800}},
              1e-8);
}

class MatrixOperationModelTest : public ::testing::Test {
 protected:
  MatrixOperationModelTest() : document(store, symbols) { document.ConnectPrompter(&prompter); }

  void Add(std::string_view name, int rows, int columns, const std::vector<double>& values) {
    ASSERT_TRUE(document.AddMatrix(MatrixOf(name, rows, columns, values)));
  }

  platform::MemorySettingsStore store;
  CSymbolStore symbols;
  test::ScriptedPrompter prompter;
  CMyDocument document;
};

TEST_F(MatrixOperationModelTest, ChoicesProposeTheResultName) {
  Add("A", 2, 3, {1, 2, 3, 4, 5, 6});
  Add("B", 3, 2, {7, 8, 9, 10, 11, 12});
  MatrixOperationModel model(document.Matrices());
  EXPECT_EQ(model.Operation(), MatrixOperation::kAdd);
  EXPECT_EQ(model.MatrixNames(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(model.FirstMatrix(), 0);
  EXPECT_EQ(model.SecondMatrix(), 0);
  EXPECT_EQ(model.ResultName(), "");
  EXPECT_TRUE(model.HasOperands());

  model.SelectSecondMatrix(1);
  EXPECT_EQ(model.ResultName(), "Sum of A and B");
  model.SetOperation(MatrixOperation::kSubtract);
  EXPECT_EQ(model.ResultName(), "Difference of A and B");
  model.SetOperation(MatrixOperation::kMultiply);
  EXPECT_EQ(model.ResultName(), "Product of A and B");
  model.SelectFirstMatrix(5);  // no such matrix
  EXPECT_EQ(model.FirstMatrix(), 0);
}

TEST_F(MatrixOperationModelTest, ExecuteShowsEachRefusalAndKeepsTheDialogOpen) {
  Add("A", 2, 3, {1, 2, 3, 4, 5, 6});
  Add("B", 3, 2, {7, 8, 9, 10, 11, 12});
  MatrixOperationModel model(document.Matrices());
  model.SelectSecondMatrix(1);
  struct Case {
    MatrixOperation operation;
    int second;
    std::string_view name;
    std::string_view message;
  };
  const Case cases[] = {
      {MatrixOperation::kAdd, 1, "  ", kResultNameMissingMessage},
      {MatrixOperation::kAdd, 1, "R", kSameDimensionsMessage},
      {MatrixOperation::kSubtract, 1, "R", kSameDimensionsMessage},
      {MatrixOperation::kMultiply, 0, "R", kProductDimensionsMessage},
  };
  for (const Case& c : cases) {
    model.SetOperation(c.operation);
    model.SelectSecondMatrix(c.second);
    model.SetResultName(c.name);
    prompter.messages.clear();
    EXPECT_FALSE(ExecuteMatrixOperation(document, model, prompter)) << c.message;
    EXPECT_EQ(prompter.messages, std::vector<std::string>{std::string(c.message)});
  }
  EXPECT_EQ(document.Matrices().Count(), 2);
}

TEST_F(MatrixOperationModelTest, ExecuteAddsTheCombinedCopyUnderTheResultName) {
  Add("A", 2, 3, {1, 2, 3, 4, 5, 6});
  Add("B", 3, 2, {7, 8, 9, 10, 11, 12});
  MatrixOperationModel model(document.Matrices());
  model.SetOperation(MatrixOperation::kMultiply);
  model.SelectSecondMatrix(1);
  ASSERT_TRUE(ExecuteMatrixOperation(document, model, prompter));
  const int index = document.Matrices().IndexOf("Product of A and B");
  ASSERT_GE(index, 0);
  ExpectCells(document.Matrices().At(index), {{58, 64}, {139, 154}});
  ExpectCells(document.Matrices().At(0), {{1, 2, 3}, {4, 5, 6}});

  // Declining to overwrite the existing result keeps the dialog open.
  prompter.answers = {platform::ConfirmReply{false, false}};
  EXPECT_FALSE(ExecuteMatrixOperation(document, model, prompter));
  EXPECT_EQ(document.Matrices().Count(), 3);
}

TEST_F(MatrixOperationModelTest, AProjectWithoutMatricesOffersNothingAndNeverCrashes) {
  MatrixOperationModel model(document.Matrices());
  EXPECT_FALSE(model.HasOperands());
  EXPECT_EQ(model.FirstMatrix(), -1);
  model.SetOperation(MatrixOperation::kMultiply);
  model.SelectFirstMatrix(0);
  EXPECT_EQ(model.ResultName(), "");
  model.SetResultName("R");
  EXPECT_FALSE(ExecuteMatrixOperation(document, model, prompter));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(document.Matrices().Count(), 0);
}

}  // namespace
}  // namespace orvella
