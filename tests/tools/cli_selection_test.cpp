// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli tests, titles, channel and summary on the sample store.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/signal.h"
#include "document/signal_output.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"
#include "samples/sample_store.h"

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Text(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
    return cells;
}

// The sample store, written once per process; a fresh output directory per test.
class CliSelectionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = fs::temp_directory_path() / ("velder_selection_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        ko::WriteSampleStore((root_ / "store").string());
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    void SetUp() override
    {
        out_ = root_ / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(out_);
    }

    CliRun Run(const std::string& args) const
    {
        const auto out = out_ / "stdout", err = out_ / "stderr";
        const int raw = std::system(
            (std::string(VELDER_CLI) + " " + args + " >" + out.string() + " 2>" + err.string()).c_str());
        CliRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Text(out), Text(err)};
        fs::remove(out);
        fs::remove(err);
        return run;
    }

    static std::string Store() { return (root_ / "store").string(); }
    static std::string Vehicles() { return "--store " + Store() + " --tests 101,102,103,104 --db vehdb"; }
    static std::string TestDir(const char* area, const char* number)
    {
        return Store() + "/" + area + "/vehdb/v00000/v00100/" + number;
    }

    static fs::path root_;
    fs::path out_;
};

fs::path CliSelectionTest::root_;

TEST_F(CliSelectionTest, TestsListsTheStoreInNumberOrder)
{
    const auto run = Run("tests --store " + Store() + " --db vehdb");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "101\tFRONTAL IMPACT INTO A RIGID BARRIER AT 56 KM/H");
    EXPECT_EQ(Cells(lines[3])[0], "104");
    EXPECT_EQ(Lines(Run("tests --store " + Store() + " --db comdb").out).size(), 2u);
    EXPECT_EQ(Run("tests --store " + Store()).status, 1);
}

TEST_F(CliSelectionTest, TitlesAreDistinctSortedAndCountEveryRow)
{
    const auto run = Run("titles " + Vehicles());
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines[0], "#\tVEHNO\tSENLOC\tSENATT\tSENTYP\tYUNITS\tAXIS\tCHSTAT\tDASTAT\tXUNITS");
    std::size_t rows = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        auto cells = Cells(lines[i]);
        ASSERT_EQ(cells.size(), 10u) << lines[i];
        rows += std::stoul(cells[0]);
        if (i > 1) {
            auto before = Cells(lines[i - 1]);
            // Sorted by VEHNO numerically, then by the text fields; never twice the same title.
            before.erase(before.begin());
            cells.erase(cells.begin());
            const auto key = [](const std::vector<std::string>& c) {
                return std::make_pair(std::stoi(c[0]), std::vector<std::string>(c.begin() + 1, c.end()));
            };
            EXPECT_LT(key(before), key(cells)) << lines[i];
        }
    }
    // Every row of the four tests, as the summary counts them.
    std::size_t total = 0;
    for (const auto& line : Lines(Run("summary " + Vehicles()).out)) {
        if (line.rfind("TEST NUMBER", 0) != 0) total += std::stoul(Cells(line)[1]);
    }
    EXPECT_EQ(rows, total);
}

TEST_F(CliSelectionTest, ChannelFiltersAtCfc60AndSavesXYText)
{
    const auto run =
        Run("channel " + Vehicles() + " --title 0 --cfc 60 --out " + out_.string() + " --format txt");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    const auto first = Cells(lines[0]);
    ASSERT_EQ(first.size(), 5u);
    EXPECT_EQ(first[0], "101");
    EXPECT_EQ(Cells(lines[3])[0], "104");
    EXPECT_EQ(first[4].rfind("Ymin ", 0), 0u);

    // The saved text is the store's curve filtered by the library.
    ko::CUDSFile file;
    file.Read(TestDir("uds", "v00101") + "/" + first[2]);
    ko::CNSignal signal;
    SetFromUDSFile(signal, file);
    signal.FilterClass(60);
    EXPECT_EQ(first[3], std::to_string(signal.GetY().size()));
    EXPECT_EQ(first[4], ko::PeakSubtitle(signal));
    signal.SetFileName(first[2]);
    EXPECT_EQ(Text(out_ / ko::ProposedTextName(signal)), ko::XYFileText(signal));
}

TEST_F(CliSelectionTest, ChannelSavesUDSFilesUnderTheirNames)
{
    const auto run = Run("channel " + Vehicles() + " --title 0 --out " + out_.string());
    ASSERT_EQ(run.status, 0) << run.err;
    const auto name = Cells(Lines(run.out)[0])[2];
    ko::CUDSFile saved, original;
    saved.Read((out_ / name).string());
    original.Read(TestDir("uds", "v00101") + "/" + name);
    EXPECT_EQ(saved.GetY(), original.GetY());
    EXPECT_EQ(saved.GetSENATT(), original.GetSENATT());
}

TEST_F(CliSelectionTest, ChannelReplacesFilesOnlyWithForceAndNeverItsInputs)
{
    ASSERT_EQ(Run("channel " + Vehicles() + " --title 0 --out " + out_.string()).status, 0);
    const auto name = Cells(Lines(Run("channel " + Vehicles() + " --title 0").out)[0])[2];
    std::ofstream(out_ / name, std::ios::binary) << "keep";
    auto run = Run("channel " + Vehicles() + " --title 0 --out " + out_.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("File exists: " + (out_ / name).string() + " (--force replaces it)"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Text(out_ / name), "keep");
    ASSERT_EQ(Run("channel " + Vehicles() + " --title 0 --force --out " + out_.string()).status, 0);
    EXPECT_NE(Text(out_ / name), "keep");

    const std::string source = TestDir("uds", "v00101");
    const std::string before = Text(fs::path(source) / name);
    run = Run("channel " + Vehicles() + " --title 0 --cfc 60 --force --out " + source);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Not written over the input file: " + source + "/" + name), std::string::npos)
        << run.err;
    EXPECT_EQ(Text(fs::path(source) / name), before);
    EXPECT_EQ(Run("channel " + Vehicles() + " --title 0 --force").status, 1);
}

TEST_F(CliSelectionTest, AFailingOperationStopsWithItsMessageAndWritesNothing)
{
    const auto run = Run("channel " + Vehicles() + " --title 0 --truncate 5 1 --out " + out_.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Stop time (1) is before or equals Start Time (5)\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(out_), {}), 0);
}

TEST_F(CliSelectionTest, FailedTestsAndCurvesGoToStderrAndTheRestLoads)
{
    auto run = Run("titles --store " + Store() + " --tests 101,999 --db vehdb");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("Failure to load test number: 999"), std::string::npos) << run.err;
    run = Run("titles --store " + Store() + " --tests 998,999 --db vehdb");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");

    // The title whose only row has DASTAT "NO": nothing to read.
    const auto titles = Lines(Run("titles " + Vehicles()).out);
    std::size_t row = 0;
    while (row + 1 < titles.size() && Cells(titles[row + 1])[8] != "NO") ++row;
    ASSERT_LT(row + 1, titles.size());
    run = Run("channel " + Vehicles() + " --title " + std::to_string(row));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("No UDS file - Curve Number: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(" Datstat: NO"), std::string::npos) << run.err;
}

TEST_F(CliSelectionTest, SummaryComparesTheTests)
{
    const auto run = Run("summary " + Vehicles());
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0],
              "TEST NUMBER\tTOTAL SIGNALS\tAM STATUS\tOTHER STATUS\tUNIQUE SIGNALS\tCOMMON SIGNALS\tSHARED "
              "SIGNALS");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto cells = Cells(lines[i]);
        ASSERT_EQ(cells.size(), 7u);
        EXPECT_EQ(std::stoul(cells[1]), std::stoul(cells[2]) + std::stoul(cells[3]));
        EXPECT_EQ(cells[5], Cells(lines[1])[5]);
        EXPECT_LE(std::stoul(cells[5]), std::stoul(cells[6]));
    }
}

TEST_F(CliSelectionTest, ADirectoryHoldsOneTest)
{
    const auto run = Run("channel --dir " + TestDir("evdata", "v00104") + " --db vehdb --title 0");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(Cells(lines[0])[0], "104");
    EXPECT_EQ(Run("titles --dir " + Store() + " --db vehdb").status, 1);
    EXPECT_EQ(
        Run("titles --dir " + TestDir("evdata", "v00104") + " --store " + Store() + " --db vehdb").status, 1);
}

}  // namespace
