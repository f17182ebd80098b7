// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli criteria, align and outliers on UDS files built here and on the sample store.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "core/signal.h"
#include "formats/uds_signal.h"
#include "samples/sample_store.h"
#include "tests/support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;

constexpr double kStep = 1e-4;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::vector<std::vector<std::string>> Rows(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        rows.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) rows.back().push_back(cell);
    }
    return rows;
}

std::vector<double> Rectangle(std::size_t n, std::size_t first, std::size_t last, double height)
{
    std::vector<double> v(n, 0.0);
    for (std::size_t i = first; i <= last && i < n; ++i) v[i] = height;
    return v;
}

class CliCriteriaTest : public testsupport::TempDirTest {
protected:
    CliRun Run(const std::string& args) const
    {
        const std::string out = Path("stdout"), err = Path("stderr");
        const int raw =
            std::system((std::string(VELDER_CLI) + " " + args + " >" + out + " 2>" + err).c_str());
        CliRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Text(out), Text(err)};
        fs::remove(out);
        fs::remove(err);
        return run;
    }
    static std::string Text(const std::string& path)
    {
        const auto bytes = testsupport::Bytes(path);
        return {bytes.begin(), bytes.end()};
    }
    std::string Signal(const std::string& name, std::vector<double> y, const std::string& yunits = "G'S",
                       int nfp = 0) const
    {
        ko::CNSignal s;
        s.SetDEL(kStep);
        s.SetNFP(nfp);
        s.SetNLP(nfp + static_cast<int>(y.size()) - 1);
        s.SetXUNITS("SECONDS");
        s.SetYUNITS(yunits);
        s.SetY(std::move(y));
        WriteUDS(s, Path(name));
        return Path(name);
    }
};

TEST_F(CliCriteriaTest, HicAndClipOfFilesWithAFailingFileBetween)
{
    // 10 ms of 80 g from 20 ms: HIC15 = 0.010 * 80^2.5 over 20 .. 30 ms.
    const std::string pulse = Signal("pulse.uds", Rectangle(800, 200, 300, 80.0));
    const std::string shortOne = Signal("short.uds", Rectangle(100, 10, 20, 80.0));
    const std::string force = Signal("force.uds", Rectangle(800, 200, 300, 80.0), "NEWTONS");
    CliRun run = Run("criteria " + pulse + " " + shortOne + " " + force + " --criterion hic15");
    EXPECT_EQ(run.status, 1);
    auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 1u) << run.out;
    ASSERT_EQ(rows[0].size(), 5u);
    EXPECT_EQ(rows[0][0], pulse);
    EXPECT_NEAR(std::stod(rows[0][1]), 0.010 * std::pow(80.0, 2.5), 1e-5 * 572.4);
    EXPECT_EQ(rows[0][2], "20.000");
    EXPECT_EQ(rows[0][3], "30.000");
    EXPECT_EQ(rows[0][4], "-");
    EXPECT_NE(run.err.find(shortOne + ": HIC15: the signal lasts 9.900 ms, less than the 15.000 ms window"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(force + ": HIC15: acceleration must be in G'S or METERS/SEC**2, not 'NEWTONS'"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("no CFC filter applied"), std::string::npos);

    // Two 2 ms rectangles 10 ms apart on a 5 g floor: 40 g for 3 ms in all, never at once.
    auto twice = Rectangle(600, 100, 120, 35.0);
    for (std::size_t i = 0; i < twice.size(); ++i) twice[i] += 5.0 + (i >= 220 && i <= 240 ? 35.0 : 0.0);
    const std::string two = Signal("two.uds", twice);
    run = Run("criteria " + two + " --criterion clip3ms");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Rows(run.out), (std::vector<std::vector<std::string>>{{two, "40", "23.000", "G'S"}}));
    run = Run("criteria " + two + " --criterion clip3ms-continuous");
    EXPECT_EQ(Rows(run.out), (std::vector<std::vector<std::string>>{{two, "5", "0.000", "G'S"}}));
}

TEST_F(CliCriteriaTest, MultiChannelCriteriaReadTheirFilesInGroups)
{
    // Pure tension at the tension intercept, no moment: Nij 1 in tension-flexion.
    const std::string fz = Signal("fz.uds", Rectangle(200, 50, 60, 6.806), "KILONEWTONS");
    const std::string my = Signal("my.uds", std::vector<double>(200, 0.0), "NEWTON-METERS");
    CliRun run = Run("criteria " + fz + " " + my + " --criterion nij");
    ASSERT_EQ(run.status, 0) << run.err;
    auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_NEAR(std::stod(rows[0][1]), 1.0, 1e-6);
    EXPECT_EQ(rows[0][2], "5.000");
    EXPECT_EQ(rows[0][3], "NTF");
    run = Run("criteria " + fz + " --criterion nij");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "1 files are not groups of 2 channels\n");
    EXPECT_EQ(Run("criteria " + fz + " --criterion hic99").status, 1);
    EXPECT_EQ(Run("criteria " + fz + " " + my + " --criterion nij --resultant").status, 1);
}

TEST_F(CliCriteriaTest, AlignAndOutliersOfFiles)
{
    std::vector<std::string> files;
    for (int delay : {0, 7, -4}) {
        std::vector<double> y(400);
        for (std::size_t i = 0; i < y.size(); ++i) {
            const double t = (static_cast<double>(i) - 150.0 - delay) / 20.0;
            y[i] = 30.0 * std::exp(-t * t);
        }
        files.push_back(Signal("d" + std::to_string(files.size()) + ".uds", y));
    }
    const std::string all = files[0] + " " + files[1] + " " + files[2];
    for (const std::string rule : {"--threshold 10", "--correlate --max-lag 5"}) {
        SCOPED_TRACE(rule);
        const CliRun run = Run("align " + all + " " + rule);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Rows(run.out),
                  (std::vector<std::vector<std::string>>{
                      {files[0], "0.000", "0"}, {files[1], "-0.700", "-7"}, {files[2], "0.400", "4"}}));
    }
    CliRun run = Run("align " + all + " --threshold 10 --reference " + files[1]);
    EXPECT_EQ(Rows(run.out)[0], (std::vector<std::string>{files[0], "0.700", "7"}));
    EXPECT_EQ(Run("align " + all).status, 1);

    // Three equal signals and one 10 g above them from 10 ms: the corridor is
    // mean 2.5 g above the floor +- sigma sqrt(3)/4 * 10 g from there; only that test leaves it.
    std::vector<std::string> level;
    for (double top : {0.0, 0.0, 0.0, 10.0}) {
        std::vector<double> y(200, 1.0);
        for (std::size_t i = 100; i < y.size(); ++i) y[i] += top;
        level.push_back(Signal("l" + std::to_string(level.size()) + ".uds", y));
    }
    run = Run("outliers " + level[0] + " " + level[1] + " " + level[2] + " " + level[3]);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{level[0], "0.0000", "0", "0.000", "G'S"}));
    EXPECT_EQ(rows[3][1], "0.5000");
    EXPECT_NEAR(std::stod(rows[3][2]), 10.0 - 2.5 - std::sqrt(3.0) / 4.0 * 10.0, 1e-4);
    EXPECT_EQ(rows[3][3], "10.000");
}

// The sample store, written once per process.
class CliCriteriaStoreTest : public CliCriteriaTest {
protected:
    static void SetUpTestSuite()
    {
        store_ = fs::temp_directory_path() / ("velder_criteria_store_" + std::to_string(::getpid()));
        fs::remove_all(store_);
        ko::WriteSampleStore(store_.string());
    }
    static void TearDownTestSuite() { fs::remove_all(store_); }
    static std::string Vehicles()
    {
        return "--store " + store_.string() + " --tests 101,102,103,104 --db vehdb";
    }
    static fs::path store_;
};

fs::path CliCriteriaStoreTest::store_;

// Title rows of the vehicle tests: 5, 6, 7 head acceleration x, y, z.
TEST_F(CliCriteriaStoreTest, HeadInjuryOfEveryVehicleTest)
{
    const CliRun x = Run("criteria " + Vehicles() + " --title 5 --criterion hic15 --cfc 1000");
    ASSERT_EQ(x.status, 0) << x.err;
    EXPECT_EQ(x.err, "HIC15: CFC 1000 applied\n");
    const auto rows = Rows(x.out);
    ASSERT_EQ(rows.size(), 4u);
    const CliRun resultant =
        Run("criteria " + Vehicles() + " --title 5,6,7 --resultant --criterion hic15 --cfc 1000");
    ASSERT_EQ(resultant.status, 0) << resultant.err;
    const auto full = Rows(resultant.out);
    ASSERT_EQ(full.size(), 4u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i][0]);
        EXPECT_EQ(rows[i][0], std::to_string(101 + i));
        ASSERT_EQ(rows[i].size(), 5u);
        const double start = std::stod(rows[i][2]), end = std::stod(rows[i][3]);
        EXPECT_GT(end, start);
        EXPECT_LE(end - start, 15.0 + 1e-9);
        // The resultant is at least as large as one axis everywhere.
        EXPECT_GE(std::stod(full[i][1]), std::stod(rows[i][1]));
        EXPECT_GT(std::stod(rows[i][1]), 1.0);
    }
    // The same test's file given directly reads the same as through the store.
    const std::string file = store_.string() + "/uds/vehdb/v00000/v00100/v00101/v00101_004_a0.uds";
    const CliRun direct = Run("criteria " + file + " --criterion hic15 --cfc 1000");
    ASSERT_EQ(direct.status, 0) << direct.err;
    auto same = Rows(direct.out)[0];
    same[0] = "101";
    EXPECT_EQ(same, rows[0]);

    const CliRun wrong = Run("criteria " + Vehicles() + " --title 2 --criterion hic15");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.out, "");
    EXPECT_NE(wrong.err.find("101: HIC15: acceleration must be in"), std::string::npos) << wrong.err;
    EXPECT_EQ(Run("criteria " + Vehicles() + " --title 5,6 --criterion hic15").status, 1);
}

TEST_F(CliCriteriaStoreTest, AlignAndOutliersOfTheStore)
{
    const CliRun align = Run("align " + Vehicles() + " --title 5 --threshold -10 --reference 102");
    ASSERT_EQ(align.status, 0) << align.err;
    const auto shifts = Rows(align.out);
    ASSERT_EQ(shifts.size(), 4u);
    EXPECT_EQ(shifts[1], (std::vector<std::string>{"102", "0.000", "0"}));
    const CliRun outliers = Run("outliers " + Vehicles() + " --title 5 --k 1");
    ASSERT_EQ(outliers.status, 0) << outliers.err;
    for (const auto& row : Rows(outliers.out)) {
        ASSERT_EQ(row.size(), 5u);
        EXPECT_GE(std::stod(row[1]), 0.0);
        EXPECT_LE(std::stod(row[1]), 1.0);
        EXPECT_EQ(row[4], "G'S");
    }
}

}  // namespace
