// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli op, average and sigma.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/signal.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"
#include "tests/support/temp_dir_test.h"

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::vector<double> Column(const std::string& text, int column)
{
    std::vector<double> values;
    std::istringstream in(text);
    for (double x, y; in >> x >> y;) values.push_back(column == 0 ? x : y);
    return values;
}

class CliOpTest : public testsupport::TempDirTest {
protected:
    CliRun Run(const std::string& args) const
    {
        const std::string out = dir_.string() + "/../" + dir_.filename().string() + ".out";
        const std::string err = out + ".err";
        const int raw =
            std::system((std::string(VELDER_CLI) + " " + args + " >" + out + " 2>" + err).c_str());
        CliRun r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Text(out), Text(err)};
        std::remove(out.c_str());
        std::remove(err.c_str());
        return r;
    }
    static std::string Text(const std::string& path)
    {
        const auto bytes = testsupport::Bytes(path);
        return {bytes.begin(), bytes.end()};
    }
    // A sampled signal written by the library; returns its path.
    std::string Signal(const std::string& name, std::vector<double> y, double del = 0.001, int nfp = 0,
                       const std::string& xunits = "SECONDS") const
    {
        ko::CNSignal s;
        s.SetDEL(del);
        s.SetNFP(nfp);
        s.SetNLP(nfp + static_cast<int>(y.size()) - 1);
        s.SetXUNITS(xunits);
        s.SetY(std::move(y));
        WriteUDS(s, Path(name));
        return Path(name);
    }
    void ExpectFails(const std::string& args, const std::string& err) const
    {
        const std::size_t before = Entries();
        const CliRun r = Run(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, err) << args;
        EXPECT_EQ(Entries(), before) << "files left behind by " << args;
    }
};

TEST_F(CliOpTest, OperationsRunInTheOrderGiven)
{
    const std::string in = Signal("in.uds", std::vector<double>(400, 2.0), 0.0001, -100);
    CliRun r = Run("op " + in + " " + Path("a.txt") + " --truncate-index 0 99 --resample 0.0002");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "wrote 50 points to " + Path("a.txt") + "\n");
    EXPECT_EQ(Column(Text(Path("a.txt")), 0).size(), 50u);
    r = Run("op " + in + " " + Path("b.txt") + " --resample 0.0002 --truncate-index 0 99");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Column(Text(Path("b.txt")), 0).size(), 100u);
}

TEST_F(CliOpTest, ResampleToPointsAndTruncateToAWindow)
{
    const std::string in = Signal("in.uds", {0, 1, 2, 3, 4}, 0.5);
    CliRun r = Run("resample " + in + " " + Path("p.txt") + " --points 9");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto x = Column(Text(Path("p.txt")), 0), y = Column(Text(Path("p.txt")), 1);
    ASSERT_EQ(y.size(), 9u);
    EXPECT_DOUBLE_EQ(x[1], 0.25);
    EXPECT_DOUBLE_EQ(y[1], 0.5);
    r = Run("resample " + in + " " + Path("s.txt") + " --step 1");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Column(Text(Path("s.txt")), 1), (std::vector<double>{0, 2, 4}));
    r = Run("truncate " + in + " " + Path("t.txt") + " 0.5 1.5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Column(Text(Path("t.txt")), 1), (std::vector<double>{1, 2}));
    ExpectFails("resample " + in + " " + Path("f.txt") + " --points 1",
                "--resample-points: Number of Points: 1 needs to be greater then one.\n");
    ExpectFails("resample " + in + " " + Path("f.txt") + " --step 0", "Requested Time step <= 0\n");
    ExpectFails("truncate " + in + " " + Path("f.txt") + " 7 9", "No X or Y Signal Data\n");
    ExpectFails("truncate " + in + " " + Path("f.txt") + " 1",
                "usage: velder-cli truncate IN OUT START STOP\n");
}

TEST_F(CliOpTest, TextOutputIsXTabY)
{
    const std::string in = Signal("in.uds", {1.0 / 3, -4, 1e-7, 8}, 0.5);
    const CliRun r = Run("op " + in + " " + Path("t.txt") + " --truncate-index 0 2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Text(Path("t.txt")), "0\t0.333333343\n0.5\t-4\n1\t1.00000001e-07\n");
}

TEST_F(CliOpTest, UdsOutputCarriesTheFilterRecord)
{
    const std::string in = Signal("in.uds", std::vector<double>(500, 1.5), 0.0001);
    const CliRun r = Run("op " + in + " " + Path("f.uds") + " --cfc 60 --integrate --derivative");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    ko::CUDSFile file;
    file.Read(Path("f.uds"));
    EXPECT_EQ(file.GetFCUT(), 100.0f);
    EXPECT_EQ(file.GetFSTP(), 250.0f);
    EXPECT_EQ(file.GetYUNITS(), " X SECONDS / SEC");  // texts are stored upper case
    // Single-precision x and DEL from the file differ by about 1e-5 relative.
    for (double v : file.GetY()) EXPECT_NEAR(v, 1.5, 1e-4);
}

TEST_F(CliOpTest, WarningsGoToStderr)
{
    const std::string in = Signal("in.uds", std::vector<double>(500, 1.0), 0.0001, 0, "MILLISECONDS");
    CliRun r = Run("op " + in + " " + Path("w.uds") + " --filter 100");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "warning: Time must be in seconds\n");
    r = Run("op " + in + " " + Path("w.uds") + " --filter 100 --filter 400");
    EXPECT_EQ(r.err,
              "warning: Time must be in seconds\nwarning: Time must be in seconds\n"
              "warning: WARNING - Filter causes overlap distortion with previous filtering\n");
}

TEST_F(CliOpTest, FailuresLeaveOutUntouched)
{
    const std::string in = Signal("in.uds", {1, 2, 3, 4, 5});
    const std::string out = Path("out.txt");
    std::ofstream(out) << "keep";
    ExpectFails("op " + in + " " + out + " --cfc 100",
                "BWfilt: Frequency Channel Class is not specified in SAE J211\n");
    ExpectFails("op " + in + " " + out + " --truncate 2 2",
                "Stop time (2) is before or equals Start Time (2)\n");
    ExpectFails("op " + in + " " + out + " --integrate --truncate-index 3 3",
                "Start Index (3)is >= Stop Index (3)\n");
    ExpectFails("op " + in + " " + out + " --resample", "--resample needs 1 value(s)\n");
    ExpectFails("op " + in + " " + out + " --filter 1e", "--filter: not a number: '1e'\n");
    ExpectFails("op " + in + " " + out + " --cfc 60.5", "--cfc: not a whole number: '60.5'\n");
    ExpectFails("op " + Path("none.uds") + " " + out + " --integrate",
                "Failure to open file: " + Path("none.uds") + " for reading.\n");
    EXPECT_EQ(Text(out), "keep");

    const CliRun r = Run("op " + in + " " + out + " --smooth");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("unknown operation: '--smooth'", 0), 0u) << r.err;
    ExpectFails("op " + in + " " + Path("no/dir/out.uds") + " --integrate",
                "Failure to open file for writing.\n");
}

TEST_F(CliOpTest, FailingOperationStillReportsEarlierWarnings)
{
    ko::CNSignal xy;  // explicit x values: DEL 0
    xy.SetXUNITS("MS");
    xy.SetNLP(2);
    xy.SetXY({0, 1, 2}, {1, 2, 3});
    WriteUDS(xy, Path("xy.uds"));
    ExpectFails("op " + Path("xy.uds") + " " + Path("o.uds") + " --filter 100",
                "warning: Time must be in seconds\nNonpositive time step\n");
}

TEST_F(CliOpTest, AverageOfThreeFiles)
{
    const std::string a = Signal("a.uds", {1, 2, 3}), b = Signal("b.uds", {3, 4, 5}),
                      c = Signal("c.uds", {5, 6, 7});
    CliRun r = Run("average " + Path("avg.txt") + " " + a + " " + b + " " + c);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Column(Text(Path("avg.txt")), 1), (std::vector<double>{3, 4, 5}));
    r = Run("average " + Path("avg.uds") + " " + a + " " + b);
    ASSERT_EQ(r.status, 0) << r.err;
    ko::CUDSFile file;
    file.Read(Path("avg.uds"));
    EXPECT_EQ(file.GetSTATUS(), "AVERAGE");

    const std::string shorter = Signal("s.uds", {1, 2});
    ExpectFails("average " + Path("x.txt") + " " + a + " " + shorter,
                "Signal lengths not the same.  Resample/Tuncate.\n");
    ExpectFails("average " + Path("x.txt"), "usage: velder-cli average OUT IN...\n");
}

TEST_F(CliOpTest, SigmaWritesBothBandsOrNeither)
{
    const std::string a = Signal("a.uds", {1, 5, 0}), b = Signal("b.uds", {3, 5, 4});
    const CliRun r = Run("sigma " + Path("p.txt") + " " + Path("m.txt") + " " + a + " " + b);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Column(Text(Path("p.txt")), 1), (std::vector<double>{3, 5, 4}));
    EXPECT_EQ(Column(Text(Path("m.txt")), 1), (std::vector<double>{1, 5, 0}));

    ko::CNSignal xy;  // DEL 0: cannot be aligned to a sampled signal
    xy.SetNLP(1);
    xy.SetXY({0, 1}, {1, 2});
    WriteUDS(xy, Path("xy.uds"));
    std::ofstream(Path("keep.txt")) << "keep";
    ExpectFails("sigma " + Path("keep.txt") + " " + Path("new.txt") + " " + a + " " + Path("xy.uds"),
                "Signal lengths not the same.  Resample/Tuncate.\n");
    EXPECT_EQ(Text(Path("keep.txt")), "keep");
    ExpectFails("sigma " + Path("q.txt") + " " + Path("q.txt") + " " + a,
                "sigma: PLUS and MINUS must be different files\n");
}

}  // namespace
