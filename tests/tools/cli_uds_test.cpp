// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli header, dump and demo on library-written and hand-made UDS-1992 files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/signal.h"
#include "formats/uds_signal.h"
#include "tests/core/comma_locale.h"
#include "tests/support/temp_dir_test.h"

namespace {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

using testsupport::Bytes;

class CliUdsTest : public testsupport::TempDirTest {
protected:
    CliResult Run(const std::string& args) const
    {
        const std::string out = Path("stdout"), err = Path("stderr");
        const std::string command = std::string(VELDER_CLI) + " " + args + " >" + out + " 2>" + err;
        const int raw = std::system(command.c_str());
        CliResult r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        const auto o = Bytes(out), e = Bytes(err);
        r.out.assign(o.begin(), o.end());
        r.err.assign(e.begin(), e.end());
        return r;
    }
    static std::string Sample(const std::string& name)
    {
        return std::string(VELDER_TEST_DATA) + "/uds/" + name;
    }
};

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(CliUdsTest, HeaderOfHandMadeSunFile)
{
    const CliResult r = Run("header " + Sample("sun_xy.uds"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 94u);  // 93 fields and POINTS
    EXPECT_EQ(lines.front(), "FILEID=UDS-1992");
    EXPECT_EQ(lines[1], "VERNO=1");
    EXPECT_EQ(lines[92], "CD2=");
    EXPECT_EQ(lines.back(), "POINTS=3");
    for (const char* expected : {"NUMFORM=SUN",
                                 "TSTSRC=VEHICLE DB",
                                 "TSTNO=4711",
                                 "TITLE=FRONTAL BARRIER 56 KPH",
                                 "CLSSPD=56.2999992",
                                 "VEH1.Vehicle_Number=1",
                                 "VEH1.Make=VOLVO",
                                 "VEH1.Year=1997",
                                 "OCC1.Weight=77.6999969",
                                 "OCC1.1st_Restraint=BELT",
                                 "OCC1.2nd_Restraint=",
                                 "HIC=0",
                                 "VEH2.Vehicle_Number=2",
                                 "VEH2.Make=SAAB",
                                 "VEH2.Year=88",
                                 "OCC2.Type=",
                                 "CURNO=12",
                                 "SENATT=VEHICLE CG",
                                 "YUNITS=G'S",
                                 "STATUS=AM",
                                 "NFP=0",
                                 "NLP=2",
                                 "DEL=0",
                                 "PREFIL=1650"})
        EXPECT_TRUE(Contains(lines, expected)) << expected;
}

TEST_F(CliUdsTest, DumpOfHandMadeFiles)
{
    CliResult r = Run("dump " + Sample("sun_xy.uds"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\t1.5\n0.25\t-2\n0.75\t3.25\n");
    r = Run("dump " + Sample("vax_y.uds"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "-0.00200000009\t0\n-0.00100000005\t-1\n0\t-20.5\n0.00100000005\t-7.25\n0.00200000009\t0.5\n");
    r = Run("header " + Sample("vax_y.uds"));
    const auto lines = Lines(r.out);
    EXPECT_TRUE(Contains(lines, "NUMFORM=VAX"));
    EXPECT_TRUE(Contains(lines, "CLSSPD=56.2999992"));
    EXPECT_TRUE(Contains(lines, "DEL=0.00100000005"));
    EXPECT_TRUE(Contains(lines, "VEH2.Make="));
    EXPECT_TRUE(Contains(lines, "POINTS=5"));
}

TEST_F(CliUdsTest, LibraryWrittenSignal)
{
    ko::CNSignal s;
    s.SetTITLE("Sled run");
    s.SetType1("h3");
    s.SetHIC(512.5);
    s.SetStatus("am");
    s.SetXY({0.0, 0.5, 2.0}, {1.0 / 3.0, -4.0, 1e-7});
    s.SetNLP(2);
    WriteUDS(s, Path("lib.uds"));
    const CliResult h = Run("header " + Path("lib.uds"));
    ASSERT_EQ(h.status, 0) << h.err;
    const auto lines = Lines(h.out);
    for (const char* expected : {"FILEFORM=X-Y", "NUMFORM=IEEE", "TITLE=SLED RUN", "OCC1.Type=H3",
                                 "HIC=512.5", "STATUS=AS MEASURED", "NLP=2", "POINTS=3"})
        EXPECT_TRUE(Contains(lines, expected)) << expected;
    const CliResult d = Run("dump " + Path("lib.uds"));
    EXPECT_EQ(d.out, "0\t0.333333343\n0.5\t-4\n2\t1.00000001e-07\n");
}

TEST_F(CliUdsTest, NumbersKeepTheDecimalPointUnderACommaLocale)
{
    VELDER_UNDER_COMMA_LOCALE(comma);
    EXPECT_EQ(Run("dump " + Sample("sun_xy.uds")).out, "0\t1.5\n0.25\t-2\n0.75\t3.25\n");
    EXPECT_TRUE(Contains(Lines(Run("header " + Sample("sun_xy.uds")).out), "CLSSPD=56.2999992"));
    const CliResult op = Run("op " + Sample("sun_xy.uds") + " " + Path("out.txt") + " --resample 0.25");
    ASSERT_EQ(op.status, 0) << op.err;
    const auto text = Bytes(Path("out.txt"));
    EXPECT_EQ(std::string(text.begin(), text.end()).substr(0, 14), "0\t1.5\n0.25\t-2\n");
}

TEST_F(CliUdsTest, DemoWritesAPulseThatHeaderAndDumpShow)
{
    const CliResult demo = Run("demo " + Path("demo.uds"));
    ASSERT_EQ(demo.status, 0) << demo.err;
    const auto header = Lines(Run("header " + Path("demo.uds")).out);
    EXPECT_TRUE(Contains(header, "FILEFORM=Y"));
    EXPECT_TRUE(Contains(header, "YUNITS=G'S"));
    ASSERT_FALSE(header.empty());
    const int points = std::stoi(header.back().substr(std::string("POINTS=").size()));
    const auto dump = Lines(Run("dump " + Path("demo.uds")).out);
    ASSERT_EQ(static_cast<int>(dump.size()), points);
    double minimum = 0.0;
    for (const auto& line : dump) minimum = std::min(minimum, std::stod(line.substr(line.find('\t') + 1)));
    EXPECT_NEAR(minimum, -35.0, 1e-6);
}

TEST_F(CliUdsTest, FailuresGoToStderrWithStatusOne)
{
    const std::string missing = Path("missing.uds");
    CliResult r = Run("header " + missing);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Failure to open file: " + missing + " for reading.\n");
    r = Run("dump " + Put("text.uds", std::vector<unsigned char>(1024, 'A')));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Not a UDS-1992 Signal File\n");
    r = Run("header");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    r = Run("demo " + Path("no/such/dir/demo.uds"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Failure to open file for writing.\n");
}

}  // namespace
