// The data-analysis subcommands of orvella-calc, run on small files as a script would.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/item_limits.h"
#include "analysis/linear_fit.h"
#include "analysis/matrix_operation_model.h"
#include "cli/analysis_commands.h"
#include "cli/data_grid.h"
#include "cli/json_text.h"
#include "engine/calc_error.h"
#include "project/matrix_commands.h"

namespace orvella::cli {
namespace {

struct CommandRun {
  int status = 0;
  std::string out;
  std::string err;
};

class AnalysisCommandsTest : public ::testing::Test {
 protected:
  AnalysisCommandsTest() {
    folder_ = std::filesystem::temp_directory_path() /
              ("orvella_cli_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  ~AnalysisCommandsTest() override { std::filesystem::remove_all(folder_); }

  std::string File(const std::string& name, const std::string& text) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  static CommandRun Execute(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.status = RunAnalysisCommand(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
  }

  std::filesystem::path folder_;
};

TEST_F(AnalysisCommandsTest, AnalyzesAListOrATableByTheNumberOfColumns) {
  const std::string list = File("heights.csv", "Height\n1\n2\n3\n4\n10\n");
  // Mean 4, sample variance (9 + 4 + 1 + 0 + 36) / 4.
  CommandRun run = Execute({"analyze", list, "--stats=points,min,max,mean,variance"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "' List Analysis\n"
            "    List: Height\n"
            "    Data Points: 5\n"
            "    Minimum: 1\n"
            "    Maximum: 10\n"
            "    Average: 4\n"
            "    Variance: 12.5\n");

  const std::string table = File("growth.txt", "1 2\n2 4\n3 9\n");
  run = Execute({"analyze", table, "--stats=mean,sd", "--format=number", "--places=2"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "' Table Analysis\n"
            "Data Table: growth\n"
            "X\n"
            "    Average: 2.00\n"
            "    Std Deviation: 1.00\n"
            "Y\n"
            "    Average: 5.00\n"
            "    Std Deviation: 3.61\n");

  // The command's own message for too few values.
  run = Execute({"analyze", File("short.csv", "1\n2\n")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "orvella-calc analyze: There are too few data points.  Please enter more data.\n");
}

TEST_F(AnalysisCommandsTest, ComparesTwoListsInReportOrder) {
  const std::string a = File("a.csv", "1\n2\n3\n4\n");
  const std::string b = File("b.csv", "2\n4\n6\n8\n");
  // b = 2a: r = 1 and the variances differ by a factor of 4, whatever order is asked.
  CommandRun run = Execute({"compare", a, b, "--tests=correlation,f"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "' Comparing two lists\n"
            "    List 1 : a\n"
            "    List 2 : b\n"
            "    F-Test = 4\n"
            "    Correlation Coefficient = 1\n");

  // "all" leaves out the tests that pair values when the lengths differ; naming one fails.
  const std::string shorter = File("c.csv", "1\n2\n3\n");
  run = Execute({"compare", a, shorter, "--tests=all"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("Paired"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Chi Square"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("    KS = 0.25\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("    Unequal t-test = "), std::string::npos) << run.out;
  run = Execute({"compare", a, shorter, "--tests=paired"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "orvella-calc compare: " + ErrorText(kArgumentsNotMatching) + "\n");
}

TEST_F(AnalysisCommandsTest, LinearFitPrintsTheReportTheWorksheetLogs) {
  const std::string path = File("line.csv", "x,y\n1,3\n2,5\n3,7\n4,9\n");
  const CommandRun run =
      Execute({"fit", path, "--linear", "straight", "--format=number", "--places=4"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("Uncertainties")),
            "' Linear Fit of line\n"
            "Fit to equation: a+b*x\n"
            "Result: \n"
            "    a = 1.0000\n"
            "    b = 2.0000\n");

  // The rest is the engine's report of the same table, line for line.
  CDataTable table;
  table.SetUpColumns(TableLayout::kXY, 2, 4);
  for (int row = 0; row < 4; ++row) {
    table.SetCell(0, row, row + 1);
    table.SetCell(1, row, 2 * row + 3);
  }
  table.SetName("line");
  LinearFit fit(table);
  CResultReport report;
  const CNumberFormat format(NumberFormatType::Number, 4);
  ASSERT_EQ(fit.Run(report, format), kNoError);
  EXPECT_EQ(run.out, ReportText(report, format) + "\n");

  // A model by its full name; the result text the fitted graph carries is in the JSON.
  const CommandRun json = Execute({"fit", path, "--linear=Straight line", "--json"});
  EXPECT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"resultText\": \"Linear fit - Straight line of line\""),
            std::string::npos)
      << json.out;
}

TEST_F(AnalysisCommandsTest, NonlinearFitOfABuiltInModelWithAHeldParameter) {
  const std::string path = File("square.txt", "1 2\n2 8\n3 18\n4 32\n5 50\n");
  const CommandRun run =
      Execute({"fit", path, "--model", "power CURVE", "--start", "a=1,b=2", "--constant", "b",
               "--iterations=50", "--format=number", "--places=4"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("    a = ", run.out.find("Uncertainties"))),
            "' Nonlinear fit of square\n"
            "\n"
            "Data Table: square\n"
            "Fit Model: Power curve\n"
            "Fit Equation: y = a*x^b\n"
            "Fit Results: \n"
            "    a = 2.0000\n"
            "    b = 2.0000\n"
            "Uncertainties: \n");
  EXPECT_NE(run.out.find("Initial Values: \n"
                         "    a = 1.0000\n"
                         "    b (constant) = 2.0000\n"
                         "Chi Square: 0.0000\n"),
            std::string::npos)
      << run.out;

  // A typed equation, with the "y =" a user writes before it.
  const CommandRun typed =
      Execute({"fit", path, "--model=y = c*x^2", "--format=number", "--places=3"});
  EXPECT_EQ(typed.status, 0) << typed.err;
  EXPECT_NE(typed.out.find("Fit Model: User-defined\nFit Equation: y = c*x^2\n"
                           "Fit Results: \n    c = 2.000\n"),
            std::string::npos)
      << typed.out;

  // The engine's refusals are analysis failures with its message.
  const CommandRun notConverged = Execute({"fit", path, "--model=a*exp(b*x)", "--iterations=1"});
  EXPECT_EQ(notConverged.status, 1);
  EXPECT_EQ(notConverged.err, "orvella-calc fit: " + ErrorText(kMaxIterationsExceeded) + "\n");
}

TEST_F(AnalysisCommandsTest, MatrixCommands) {
  const std::string a = File("a.txt", "2 1\n1 3\n");
  const std::string b = File("b.txt", "1 2\n0 1\n");
  const std::string augmented = File("system.txt", "2,1,3\n1,3,5\n");
  const std::string diagonal = File("d.txt", "2 0\n0 3\n");
  struct Case {
    std::vector<std::string> arguments;
    std::string output;
  };
  const Case cases[] = {
      {{"matrix", "det", a}, "Determinant of matrix a = 5\n"},
      {{"matrix", "inverse", a}, "0.6\t-0.2\n-0.2\t0.4\n"},
      // 2x + y = 3, x + 3y = 5.
      {{"matrix", "solve", augmented}, "0.8\n1.4\n"},
      {{"matrix", "eigenvalues", diagonal}, "2\n3\n"},
      {{"matrix", "eigenvectors", diagonal}, "1\t0\n0\t1\n"},
      {{"matrix", "add", a, b}, "3\t3\n1\t4\n"},
      {{"matrix", "subtract", a, b}, "1\t-1\n1\t2\n"},
      {{"matrix", "multiply", a, b}, "2\t5\n1\t5\n"},
      {{"matrix", "multiply", a, b, "--json"},
       "{\"name\": \"Product of a and b\", \"rows\": [[2, 5], [1, 5]]}\n"},
      {{"matrix", "det", a, "--json"},
       "{\"name\": \"Determinant of matrix a\", \"rows\": [[5]]}\n"},
  };
  for (const Case& c : cases) {
    const CommandRun run = Execute(c.arguments);
    EXPECT_EQ(run.status, 0) << c.arguments[1] << ": " << run.err;
    EXPECT_EQ(run.out, c.output) << c.arguments[1];
  }

  // Shapes the commands refuse, in the program's words.
  const CommandRun notSquare = Execute({"matrix", "inverse", augmented});
  EXPECT_EQ(notSquare.status, 1);
  EXPECT_EQ(notSquare.err, "orvella-calc matrix: " + std::string(kInverseShapeMessage) + "\n");
  const CommandRun mismatched = Execute({"matrix", "add", a, augmented});
  EXPECT_EQ(mismatched.status, 1);
  EXPECT_EQ(mismatched.err, "orvella-calc matrix: " + std::string(kSameDimensionsMessage) + "\n");
}

TEST_F(AnalysisCommandsTest, JsonReportEscapesTextAndHasNullForNonFiniteValues) {
  // A header with a quote and a byte of another encoding; identical lists give a paired t
  // of 0/0.
  const std::string list = File("odd.csv", "\"na\"me\xE9\"\n1\n2\n3\n");
  CommandRun run = Execute({"analyze", list, "--stats=points,mean", "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      run.out,
      "{\"title\": \"List Analysis\", \"resultText\": \"\", \"rows\": [\n"
      "  {\"label\": \"List: \", \"kind\": \"text\", \"value\": null, "
      "\"text\": \"na\\\"me\\ufffd\"},\n"
      "  {\"label\": \"Data Points: \", \"kind\": \"integer\", \"value\": 3, "
      "\"text\": \"3\"},\n"
      "  {\"label\": \"Average: \", \"kind\": \"number\", \"value\": 2, \"text\": \"2\"}]}\n");

  run = Execute({"compare", list, list, "--tests=paired", "--json"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("{\"label\": \"Paired t-test = \", \"kind\": \"number\", "
                         "\"value\": null, "),
            std::string::npos)
      << run.out;
}

TEST(JsonTextTest, StringsAndNumbersAnyParserReads) {
  const std::pair<std::string, std::string> strings[] = {
      {"tab\tnew\nline\\", "\"tab\\tnew\\nline\\\\\""},
      {std::string("\x01", 1), "\"\\u0001\""},
      {"\xC3\xA9t\xC3\xA9", "\"\xC3\xA9t\xC3\xA9\""},  // é stays as it is
      {"\xC3(", "\"\\ufffd(\""},                       // a lead byte alone
      {"\xC0\xAF", "\"\\ufffd\\ufffd\""},              // an overlong '/'
      {"\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\""},   // a surrogate
      {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},    // four bytes
  };
  for (const auto& [text, json] : strings) EXPECT_EQ(JsonString(text), json) << json;

  EXPECT_EQ(JsonNumber(0.1), "0.1");
  EXPECT_EQ(JsonNumber(-2.5e-300), "-2.5e-300");
  EXPECT_EQ(JsonNumber(std::numeric_limits<double>::infinity()), "null");
  EXPECT_EQ(JsonNumber(std::nan("")), "null");
}

TEST(DataGridTest, HeaderSeparatorsAndSkippedLines) {
  struct Case {
    const char* what;
    std::string text;
    char decimalPoint;
    std::vector<std::string> names;
    std::vector<double> values;
    int columns;
  };
  const Case cases[] = {
      {"header of names", "X,Y\n1,2\n3,4\n", '.', {"X", "Y"}, {1, 2, 3, 4}, 2},
      {"no header", "1 2\n3 4\n", '.', {}, {1, 2, 3, 4}, 2},
      {"quoted header, tabs", "\"t\"\t\"v\"\n1\t\t2\n", '.', {"t", "v"}, {1, 2}, 2},
      {"comments, blanks, CRLF", "# a\n\n \n1;2\r\n # b\n3;4\r\n", '.', {}, {1, 2, 3, 4}, 2},
      {"byte-order mark", "\xEF\xBB\xBFHeight\n1.5\n", '.', {"Height"}, {1.5}, 1},
      {"decimal comma", "x;y\n1,5;-2,25\n", ',', {"x", "y"}, {1.5, -2.25}, 2},
      {"';' with decimal points", "1.5;2e3\n", '.', {}, {1.5, 2000}, 2},
  };
  for (const Case& c : cases) {
    const ParsedDataGrid parsed = ParseDataGrid(c.text, c.decimalPoint);
    ASSERT_TRUE(parsed.grid) << c.what << ": " << parsed.error.message;
    EXPECT_EQ(parsed.grid->columnNames, c.names) << c.what;
    EXPECT_EQ(parsed.grid->values, c.values) << c.what;
    EXPECT_EQ(parsed.grid->columns, c.columns) << c.what;
  }
}

TEST(DataGridTest, BadDataIsReportedWithItsLine) {
  struct Case {
    std::string text;
    int line;
    std::string message;
  };
  const Case cases[] = {
      // A first line with a number in it is data, so a typo there is not a header.
      {"1,x\n", 1, "bad number 'x'"},
      {"X\n1\n2,3\n", 3, "expected 1 values, found 2"},
      {"1,,2\n", 1, "missing value"},
      {"# c\n1\n1e999\n", 3, "bad number '1e999'"},
      {"1\nnan\n", 2, "bad number 'nan'"},
      {"1;2\n2,5;3\n", 2, "bad number '2,5' (with ',' as decimal point use --decimal-comma)"},
      {"X,Y\n# nothing else\n", 0, "no data"},
      {"", 0, "no data"},
  };
  for (const Case& c : cases) {
    const ParsedDataGrid parsed = ParseDataGrid(c.text, '.');
    EXPECT_FALSE(parsed.grid) << c.text;
    EXPECT_EQ(parsed.error.line, c.line) << c.text;
    EXPECT_EQ(parsed.error.message, c.message) << c.text;
  }

  std::string tooLong;
  for (int i = 0; i <= kMaxItemRows; ++i) tooLong += "1\n";
  const ParsedDataGrid parsed = ParseDataGrid(tooLong, '.');
  EXPECT_FALSE(parsed.grid);
  EXPECT_EQ(parsed.error.line, kMaxItemRows + 1);
  EXPECT_EQ(parsed.error.message, "more values than a data item holds");
}

TEST_F(AnalysisCommandsTest, FileErrorsAndBadUsageExitWithStatus2) {
  const std::string table = File("t.csv", "1,2\n2,4\n3,7\n");
  const std::string list = File("l.csv", "1\n2\n3\n");
  const std::string bad = File("bad.csv", "x,y\n1,2\n3,oops\n");
  struct Case {
    std::vector<std::string> arguments;
    std::string message;  // what the error says, after "orvella-calc <subcommand>: "
  };
  const Case cases[] = {
      {{"analyze", bad}, bad + ":3: bad number 'oops'"},
      {{"analyze", (folder_ / "missing.csv").string()},
       (folder_ / "missing.csv").string() + ": cannot read the file"},
      {{"analyze"}, "analyze takes 1 file, not 0"},
      {{"analyze", list, "--stats=median"}, "unknown statistic: median"},
      {{"analyze", list, "--frobnicate"}, "unknown option: --frobnicate"},
      {{"analyze", list, "--format=fancy"}, "unknown number format: fancy"},
      {{"analyze", list, "--places=17"}, "decimal places must be 0 to 16: 17"},
      {{"analyze", list, "--decimal-comma", "--decimal-point"},
       "--decimal-comma and --decimal-point exclude each other"},
      {{"compare", list, list}, "compare needs --tests"},
      {{"compare", list, list, "--tests=chi,z"}, "unknown test: z"},
      {{"compare", list, table, "--tests=f"}, table + ": 2 columns, but a list has 1"},
      {{"fit", table}, "fit needs either --linear or --model"},
      {{"fit", table, "--linear=straight", "--model=a*x"}, "fit needs either --linear or --model"},
      {{"fit", table, "--linear=straight", "--start=a=1"}, "--start needs --model"},
      {{"fit", table, "--linear=wavy"},
       "unknown linear model: wavy (one of straight, "
       "logarithmic, exponential, power, quadratic, cubic, "
       "quartic)"},
      {{"fit", list, "--linear=straight"}, list + ": 1 columns, but a table has 2"},
      {{"fit", table, "--model=a*x", "--start=q=1"}, "the model has no parameter q"},
      {{"fit", table, "--model=a*x", "--start=a=one"}, "bad start value for a: one"},
      {{"fit", table, "--model=a*x", "--constant=b"}, "the model has no parameter b"},
      {{"fit", table, "--model=a*x", "--iterations=0"}, "--iterations must be 1 to 10000"},
      {{"fit", table, "--model", ""}, "--model needs an equation or a model name"},
      {{"fit", table, "--model"}, "--model needs a value"},
      {{"matrix", "transpose", table}, "unknown matrix operation: transpose"},
      {{"matrix", "det", table, table}, "matrix det takes 1 file, not 2"},
      {{"matrix", "add", table}, "matrix add takes 2 files, not 1"},
  };
  for (const Case& c : cases) {
    const CommandRun run = Execute(c.arguments);
    const std::string prefix = "orvella-calc " + c.arguments[0] + ": ";
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.err.substr(0, prefix.size() + c.message.size()), prefix + c.message) << run.err;
    EXPECT_EQ(run.out, "") << c.message;
  }
}

TEST_F(AnalysisCommandsTest, DecimalCommaInFilesOptionsAndResults) {
  const std::string path = File("fr.csv", "x;y\n0,5;2\n1,5;4\n2,5;6\n3,5;8\n");
  const CommandRun run = Execute({"fit", path, "--model=a*x+b", "--start=a=1,5;b=0,5",
                                  "--decimal-comma", "--format=number", "--places=2"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Fit Results: \n    a = 2,00\n    b = 1,00\n"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Initial Values: \n    a = 1,50\n    b = 0,50\n"), std::string::npos)
      << run.out;
}

TEST(AnalysisDispatchTest, OnlySubcommandNamesAreTakenFromTheCalculator) {
  for (const char* name : {"analyze", "compare", "fit", "matrix"}) {
    EXPECT_TRUE(IsAnalysisCommand(name)) << name;
  }
  for (const char* argument : {"--batch", "2+3", "Analyze", ""}) {
    EXPECT_FALSE(IsAnalysisCommand(argument)) << argument;
  }
}

}  // namespace
}  // namespace orvella::cli
