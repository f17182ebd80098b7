// SPDX-License-Identifier: GPL-3.0-or-later
// Reading EV5 texts: pipe counts, dates, sections in odd places, failures.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "formats/file.h"
#include "tests/formats/ev5_test_records.h"

namespace {

using ev5test::ReadFailure;

// A record line of pipes pipes, value at field position (from 0).
std::string Line(std::size_t pipes, std::size_t position = 0, const std::string& value = "")
{
    std::string line;
    for (std::size_t i = 0; i <= pipes; ++i) {
        if (i > 0) line += '|';
        if (i == position) line += value;
    }
    return line + "\n";
}

const std::string kTest = "----- TEST -----\n" + Line(19);

// For every section of a reader: a line of two pipes gives its pipe-count text.
template <class File, class Test>
std::vector<std::string> TwoPipeTexts()
{
    File file(std::make_shared<Test>(), 5);
    std::vector<std::string> texts;
    for (const auto& [name, count] : file.RecordCounts()) {
        static_cast<void>(count);
        texts.push_back(ReadFailure(file, ko::CEV5::Marker(name) + "\n||\n----- END -----\n"));
    }
    return texts;
}

TEST(EV5Read, PipeCountTextsNameTheCountFound)
{
    using Texts = std::vector<std::string>;
    const auto end = [](const std::string& word, const std::string& counts) {
        return word + " pipe count is 2 and not " + counts + ".";
    };
    EXPECT_EQ((TwoPipeTexts<ko::CEV5Veh, ko::CVehicleTest>()),
              (Texts{end("Test", "19"), end("Vehicle", "79 or 80"), end("Barrier", "4"),
                     end("Occupant", "43"), end("Restraint", "6"), end("Instrumentation", "19")}));
    EXPECT_EQ((TwoPipeTexts<ko::CEV5VehExt, ko::CVehicleTest>()),
              (Texts{end("Test", "31"), end("Vehicle", "90 or 91"), end("Barrier", "6"),
                     end("Occupant", "63"), end("Restraint", "10"), end("Instrumentation", "44")}));
    EXPECT_EQ((TwoPipeTexts<ko::CEV5Com, ko::CComTest>()),
              (Texts{end("Test", "10"), end("Vehicle", "8 or 15"), end("Component", "10"),
                     end("Rollover", "55"), end("Configuration", "12"), end("Instrumentation", "20")}));
    EXPECT_EQ((TwoPipeTexts<ko::CEV5ComExt, ko::CComTest>()),
              (Texts{end("Test", "13"), end("Vehicle", "12"), end("Component", "15"), end("Rollover", "55"),
                     end("Configuration", "14"), end("Instrumentation", "44")}));
    EXPECT_EQ((TwoPipeTexts<ko::CEV5Bio, ko::CBioTest>()),
              (Texts{end("Test", "15"), end("Biological Occupant", "23"), end("Dummy Occupant", "24"),
                     end("Restraint", "4"), end("Anthropometric", "37"), end("Rib Bending", "9"),
                     end("Occupant Injury", "7"), end("Instrumentation", "18"),
                     end("Chest Band Occupant", "11"), end("Chest Band Gauge", "4")}));
    EXPECT_EQ((TwoPipeTexts<ko::CEV5BioExt, ko::CBioTest>()),
              (Texts{end("Test", "21"), end("Biological Occupant", "26"), end("Dummy Occupant", "41"),
                     end("Restraint", "7"), end("Anthropometric", "37"), end("RibBending", "10"),
                     end("Occupant Injury", "12"), end("Instrumentation", "43"),
                     end("Chest Band Occupant", "11"), end("Chest Band Gauge", "4")}));
}

TEST(EV5Read, VehicleLineOf79Or80Pipes)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh file(test, 12);
    file.Read(kTest + "----- VEHICLE -----\n" + Line(79, 11, "1450") + Line(80, 11, "1390"));
    ASSERT_EQ(test->GetVehicles().size(), 2u);
    EXPECT_EQ(test->GetVehicles()[0]->GetCURBWT(), 0);
    EXPECT_EQ(test->GetVehicles()[0]->GetWHLBAS(), 1450);  // the twelfth field without CURBWT
    EXPECT_EQ(test->GetVehicles()[1]->GetCURBWT(), 1390);
    EXPECT_EQ(ReadFailure(file, kTest + "----- VEHICLE -----\n" + Line(81)),
              "Vehicle pipe count is 81 and not 79 or 80.");
}

TEST(EV5Read, DateForms)
{
    const auto calibration = [](const std::string& date) {
        auto test = std::make_shared<ko::CVehicleTest>();
        ko::CEV5Veh file(test, 12);
        file.Read(kTest + "----- INSTRUMENTATION -----\n1|7|AC|01|HDCG|XL|SEC|G'S|0|M|" + date +
                  "|0|0|0|0|1|100|AM|P|\n");
        return ko::FormatDate(test->GetInstrumentations().at(0)->GetCALDAT());
    };
    const std::vector<std::pair<std::string, std::string>> rows{{"05/MAR/2004", "05/Mar/2004"},
                                                                {"05/mar/04", "05/Mar/2004"},
                                                                {"05/MAR/75", "05/Mar/1975"},
                                                                {"05/MAR/59", "05/Mar/2059"},
                                                                {"05/MAR/60", "05/Mar/1960"},
                                                                {"17/JLY/1999", "17/Jul/1999"},
                                                                {"", ""}};
    for (const auto& [stored, read] : rows) EXPECT_EQ(calibration(stored), read) << stored;
    EXPECT_EQ(testsupport::MessageOf([&] { calibration("5/MAR/2004"); }),
              "Vehicle: Instrumentation Table: Curve Number: 7 Invalid Date: 5/MAR/2004 Valid EV5 Date "
              "Format is \"DD/MMM/CCYY\"");
}

TEST(EV5Read, RecordFailureTexts)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh file(test, 12);
    // Sections without a key: the table prefix and the failure.
    EXPECT_EQ(ReadFailure(file, "----- TEST -----\n" + Line(19, 11, "warm")),
              "Vehicle: Test Table: Invalid Integer: warm");
    EXPECT_EQ(ReadFailure(file, kTest + "----- RESTRAINT -----\n1|01|4|BELT|B|x|\n"), "no failure");
    EXPECT_EQ(ReadFailure(file, kTest + "----- RESTRAINT -----\n1|01| 4 |BELT|B|x|\n1|01|9x|BELT|B|x|\n"),
              "Vehicle: Restraint Table: Restraint Number: 9x Invalid Integer: 9x");
    EXPECT_EQ(test->GetRestraints().size(), 2u);  // kept from before the failure
    EXPECT_EQ(ReadFailure(file, kTest + "----- INSTRUMENTATION -----\n" + Line(19, 1, "1000")),
              "Vehicle: Instrumentation Table: Curve Number: 1000 Curve Number: 1000 is out of range.");

    auto component = std::make_shared<ko::CComTest>();
    ko::CEV5Com com(component, 3);
    EXPECT_EQ(ReadFailure(com, "----- TEST -----\n" + Line(10) +
                                   "----- CONFIGURATION -----\n1|2|3|SLED|fast|" + "|||||||\n"),
              "Component: Configuration Table: Configuration Number: 3 Invalid Number: fast");
    auto bio = std::make_shared<ko::CBioTest>();
    ko::CEV5BioExt ext(bio, 3);
    EXPECT_EQ(ReadFailure(ext, "----- CHEST BAND GAUGE -----\n2|x|||\n"),
              "Biomechanics: Chest Band Gauge Table: Chest Band Number: 2 Invalid Integer: x");
    EXPECT_EQ(ReadFailure(ext, "----- CHEST BAND -----\n4|||||||||||x\n----- ANTHROPOMETRY -----\n" +
                                   Line(37, 3, "tall")),
              "Biomechanics: Anthropometric Table: Invalid Integer: tall");
}

TEST(EV5Read, SectionsInOddPlaces)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh file(test, 12);
    // Text before the first marker and other kinds' sections are ignored;
    // consecutive markers give an empty first section.
    file.Read(
        "any text | with | pipes\n----- COMPONENT -----\n1|2\n----- BARRIER -----\n"
        "----- TEST -----\n" +
        Line(19, 1, "FRONTAL") + "----- NOTHING -----\n" + Line(2) + "----- RESTRAINT -----\n" +
        Line(6, 2, "3") + "----- END -----\n" + "----- RESTRAINT -----\n" + Line(6, 2, "4"));
    ASSERT_TRUE(test->GetTest());
    EXPECT_EQ(test->GetTest()->GetTITLE(), "FRONTAL");
    EXPECT_EQ(test->GetTest()->GetTSTNO(), 12);
    EXPECT_FALSE(test->GetBarrier());
    ASSERT_EQ(test->GetRestraints().size(), 1u);
    EXPECT_EQ(test->GetRestraints()[0]->GetRSTNO(), 3);

    // A TEST section after the others still counts; a second one replaces the first.
    auto late = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh lateFile(late, 12);
    lateFile.Read("----- BARRIER -----\nR|FLAT|0|0|\n----- TEST -----\n" + Line(19, 1, "A") +
                  Line(19, 1, "B"));
    EXPECT_EQ(late->GetTest()->GetTITLE(), "B");
    EXPECT_EQ(late->GetBarrier()->GetBARRIG(), "R");
}

TEST(EV5Read, WholeFileFailures)
{
    ko::CEV5Veh none;
    EXPECT_EQ(ReadFailure(none, "----- TEST -----\n"), "Invalid Vehicle Test");
    ko::CEV5ComExt noComponent;
    EXPECT_EQ(ReadFailure(noComponent, ""), "Invalid Component Test");
    ko::CEV5Bio noBio;
    EXPECT_EQ(ReadFailure(noBio, ""), "Invalid Biomechanics Test");

    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh file(test, 12);
    EXPECT_EQ(ReadFailure(file, ""), "Source is empty");
    EXPECT_EQ(ReadFailure(file, "# Source: EV5\n# Date: <01/02/2003>\n----- EV5 -----\n----- END -----\n"),
              "The EV5 file has an invalid TEST section.");
    EXPECT_EQ(ReadFailure(file, "----- END -----\n----- TEST -----\n" + Line(19)),
              "The EV5 file has an invalid TEST section.");
    // A blank line inside a section is a record line without pipes.
    EXPECT_EQ(ReadFailure(file, kTest + "\n"), "Test pipe count is 0 and not 19.");
    EXPECT_EQ(ReadFailure(file, kTest + std::string("1|\0|", 4)), "EV5 line 3 is not text.");
}

TEST(EV5Read, TestNumberAndLineEnds)
{
    // CR LF line ends read as LF; an out-of-range test number leaves TSTNO unset.
    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh file(test, 100000);
    std::string line = Line(19, 19, "LAST");
    line.insert(line.size() - 1, "\r");
    file.Read("----- TEST -----\r\n" + line + "----- END -----\r\n");
    EXPECT_EQ(test->GetTest()->GetTSTCOM(), "LAST");
    EXPECT_EQ(test->GetTest()->GetTSTNO(), 0);
    EXPECT_EQ(file.GetTestNumber(), 0);
}

}  // namespace
