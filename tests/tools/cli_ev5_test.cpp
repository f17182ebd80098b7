// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli ev5 and sample-store.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "formats/ev5_vehicle.h"
#include "formats/file.h"
#include "tests/support/temp_dir_test.h"

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

const std::string kData = std::string(VELDER_TEST_DATA) + "/ev5/";
const std::string kVehicleCounts =
    "TEST\t1\nVEHICLE\t1\nBARRIER\t1\nOCCUPANT\t1\nRESTRAINT\t1\nINSTRUMENTATION\t1\n";

class CliEV5Test : public testsupport::TempDirTest {
protected:
    // Runs the CLI with its output beside (not in) the test directory.
    CliRun Run(const std::string& args) const
    {
        const std::string out = dir_.string() + ".out", err = dir_.string() + ".err";
        const int raw =
            std::system((std::string(VELDER_CLI) + " " + args + " >" + out + " 2>" + err).c_str());
        CliRun run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Text(out), Text(err)};
        std::filesystem::remove(out);
        std::filesystem::remove(err);
        return run;
    }
    static std::string Text(const std::string& path)
    {
        const auto bytes = testsupport::Bytes(path);
        return {bytes.begin(), bytes.end()};
    }
    // Failure: the message on stderr, status 1, nothing on stdout, no file written.
    void ExpectFailure(const std::string& args, const std::string& message) const
    {
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(run.err, message + "\n") << args;
        EXPECT_EQ(Entries(), 0u) << args;
    }
};

TEST_F(CliEV5Test, CountsTheRecordsOfEachSection)
{
    CliRun run = Run("ev5 " + kData + "vehicle.ev5 --db vehdb --test 101");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, kVehicleCounts);
    EXPECT_EQ(run.err, "");
    // The first line names the variant: an Extension file needs no option.
    run = Run("ev5 " + kData + "component.e5x --test 9 --db COMDB");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "TEST\t1\nVEHICLE\t1\nCOMPONENT\t1\nROLLOVER\t1\nCONFIGURATION\t1\nINSTRUMENTATION\t1\n");
    run = Run("ev5 " + kData + "biomechanics.ev5 --db biodb --test 9");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, 39), "TEST\t1\nBIO OCCUPANT\t1\nDUMMY OCCUPANT\t1\n");
}

TEST_F(CliEV5Test, WritesTheOtherVariantWithTheGivenNumber)
{
    const CliRun run = Run("ev5 " + kData + "vehicle.ev5 --db vehdb --test 4711 --to " + Path("out.E5X"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, kVehicleCounts);
    const std::string text = ko::ReadFileText(Path("out.E5X"));
    EXPECT_EQ(text.rfind("# Source: EV5 Extension\n", 0), 0u);
    EXPECT_NE(text.find("----- TEST -----\n4711|"), std::string::npos);
    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5VehExt(test, 4711).Read(text);
    EXPECT_EQ(test->GetInstrumentations().at(0)->GetTSTNO(), 4711);

    const CliRun back = Run("ev5 " + Path("out.E5X") + " --db v --test 12 --to " + Path("back.ev5"));
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.out, kVehicleCounts);
    EXPECT_EQ(ko::ReadFileText(Path("back.ev5")).rfind("# Source: EV5\n# Date: <", 0), 0u);
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(CliEV5Test, FailuresLeaveNoOutput)
{
    const std::string to = " --to " + Path("out.ev5");
    const std::string usage =
        "usage: velder-cli ev5 FILE --db vehdb|comdb|biodb --test N [--to OUT.ev5|OUT.e5x]";
    // The file is read by the reader of the database named, which refuses another kind's lines.
    ExpectFailure("ev5 " + kData + "component.ev5 --db vehdb --test 5" + to,
                  "Test pipe count is 10 and not 19.");
    ExpectFailure("ev5 " + kData + "vehicle.ev5 --db biodb --test 5" + to,
                  "Test pipe count is 19 and not 15.");
    ExpectFailure("ev5 " + Path("missing.ev5") + " --db vehdb --test 5" + to,
                  "Failure to open file: " + Path("missing.ev5") + " for reading.");
    ExpectFailure("ev5 " + kData + "vehicle.ev5 --db vehdb --test 0" + to,
                  "Test Number: 0 is out of range.  Range 1 to 99999");
    ExpectFailure("ev5 " + kData + "vehicle.ev5 --db vehdb --test 5x", "Invalid test number: 5x");
    ExpectFailure("ev5 " + kData + "vehicle.ev5 --db tcadb --test 5" + to,
                  "Invalid Database: Collision Warning");
    ExpectFailure("ev5 " + kData + "vehicle.ev5 --db vehdb --test 5 --to " + Path("out.txt"),
                  "The output file must end in .ev5 or .e5x: " + Path("out.txt"));
    ExpectFailure("ev5 " + kData + "vehicle.ev5 --test 5", usage);
    ExpectFailure("ev5 --db vehdb --test 5", usage);
    ExpectFailure("ev5 " + kData + "vehicle.ev5 --db vehdb --test", usage);
}

TEST_F(CliEV5Test, SampleStoreAndOneOfItsTests)
{
    const CliRun run = Run("sample-store " + Path("store"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("vehdb 101 FRONTAL IMPACT INTO A RIGID BARRIER AT 56 KM/H: 18 channels\n", 0),
              0u);
    EXPECT_NE(run.out.find("\nbiodb 302 "), std::string::npos);
    EXPECT_NE(run.out.find(" files below " + Path("store") + "\n"), std::string::npos);
    const CliRun test = Run("ev5 " + Path("store") +
                            "/evdata/vehdb/v00000/v00100/v00103/v00103_000.e5x --db vehdb --test 103");
    ASSERT_EQ(test.status, 0) << test.err;
    EXPECT_EQ(test.out, "TEST\t1\nVEHICLE\t2\nOCCUPANT\t2\nRESTRAINT\t4\nINSTRUMENTATION\t21\n");
    EXPECT_EQ(Run("sample-store").status, 1);
}

}  // namespace
