// SPDX-License-Identifier: GPL-3.0-or-later
// Writing EV5 texts: header lines, which sections are written, fields refused.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "tests/support/temp_dir_test.h"
#include "tests/support/test_date.h"

namespace {

std::string Text(ko::CEVBase& file)
{
    std::string text;
    EXPECT_TRUE(file.ToString(text));
    return text;
}

std::shared_ptr<ko::CBioTest> BioTest()
{
    auto test = std::make_shared<ko::CBioTest>();
    test->SetTest(std::make_shared<ko::bio::CTest>());
    test->GetTest()->SetTITLE("SLED");
    return test;
}

TEST(EV5Write, HeaderLines)
{
    ko::CEV5Bio plain(BioTest(), 8);
    plain.SetDate(velder_test::March5th2004());
    EXPECT_EQ(Text(plain),
              "# Source: EV5\n# Date: <03/05/2004>\n----- EV5 -----\n----- TEST -----\n"
              "|SLED|||||||0|||0|0|0||\n----- END -----\n");
    ko::CEV5BioExt extension(BioTest(), 8);
    extension.SetDate(velder_test::March5th2004());
    EXPECT_EQ(
        Text(extension).substr(0, 91),
        "# Source: EV5 Extension\n# Date: 05/March/2004\n----- EV5 Extension -----\n----- TEST -----\n8|");
    // Without a set date the header carries today's date.
    ko::CEV5Bio today(BioTest(), 8);
    EXPECT_TRUE(
        std::regex_search(Text(today), std::regex("^# Source: EV5\n# Date: <\\d\\d/\\d\\d/\\d{4}>\n")));
    ko::CEV5BioExt todayExt(BioTest(), 8);
    EXPECT_TRUE(std::regex_search(Text(todayExt), std::regex("\n# Date: \\d\\d/[A-Z][a-z]+/\\d{4}\n")));
}

TEST(EV5Write, NothingWithoutATestAndStreamEqualsText)
{
    ko::CEV5Veh none;
    std::string text = "kept";
    EXPECT_FALSE(none.ToString(text));
    EXPECT_EQ(text, "kept");
    std::ostringstream empty;
    none.Write(empty);
    EXPECT_EQ(empty.str(), "");

    ko::CEV5BioExt file(BioTest(), 0);  // unset test number: TSTNO written as 0
    file.SetDate(velder_test::March5th2004());
    std::ostringstream stream;
    file.Write(stream);
    EXPECT_EQ(stream.str(), Text(file));
    EXPECT_NE(stream.str().find("----- TEST -----\n0|"), std::string::npos);
}

TEST(EV5Write, RolloverOnlyForRolloverTests)
{
    auto test = std::make_shared<ko::CComTest>();
    test->SetTest(std::make_shared<ko::com::CTest>());
    test->SetRollover(std::make_shared<ko::com::CRollover>());
    ko::CEV5ComExt file(test, 30);
    for (const char* type : {"ROV ", "rov", ""}) {
        test->GetTest()->SetTSTTYP(type);
        EXPECT_EQ(Text(file).find("ROLLOVER"), std::string::npos) << type;
    }
    test->GetTest()->SetTSTTYP("ROV");
    EXPECT_NE(Text(file).find("----- ROLLOVER -----\n"), std::string::npos);
    test->SetRollover(nullptr);
    EXPECT_EQ(Text(file).find("ROLLOVER"), std::string::npos);
}

TEST(EV5Write, RefusesFieldsThatBreakTheLine)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    test->SetTest(std::make_shared<ko::veh::CTest>());
    auto row = std::make_shared<ko::veh::CInstrumentation>();
    row->SetCURNO(7);
    test->AddInstrumentation(row);
    ko::CEV5Veh file(test, 30);
    const auto failure = [&file]() {
        std::string text = "kept";
        const std::string message = testsupport::MessageOf([&] { file.ToString(text); });
        if (message != "no failure") {
            EXPECT_EQ(text, "kept");
        }
        return message;
    };
    row->SetINSCOM("LEFT|RIGHT");
    EXPECT_EQ(failure(),
              "Vehicle: Instrumentation Table: Curve Number: 7 INSCOM holds a \"|\" or a control "
              "character.");
    row->SetINSCOM("TWO\nLINES");
    EXPECT_EQ(failure(),
              "Vehicle: Instrumentation Table: Curve Number: 7 INSCOM holds a \"|\" or a control "
              "character.");
    row->SetINSCOM("TAB\tIS TEXT");
    EXPECT_EQ(failure(), "no failure");
    // A line beginning with "-" would end its section when read.
    row->SetVEHNO(-1);
    EXPECT_EQ(failure(),
              "Vehicle: Instrumentation Table: Curve Number: 7 VEHNO begins the record line with "
              "\"-\", which would end its section.");
    row->SetVEHNO(1);
    test->GetTest()->SetVERNO("-2");
    EXPECT_EQ(failure(),
              "Vehicle: Test Table: VERNO begins the record line with \"-\", which would end its "
              "section.");
}

TEST(EV5Write, SectionsWithoutRecordsAreLeftOut)
{
    auto test = BioTest();
    auto gauge = std::make_shared<ko::bio::CChestBandGauge>();
    gauge->SetBANDNO(1);
    gauge->SetGAGENO(2);
    gauge->SetCURNO(12);
    test->AddChestBandGauge(gauge);
    ko::CEV5Bio file(test, 31);
    file.SetDate(velder_test::March5th2004());
    const std::string text = Text(file);
    EXPECT_NE(text.find("----- TEST -----\n|SLED|"), std::string::npos);
    EXPECT_NE(text.find("\n----- CHEST BAND GAUGE -----\n1|2|0|12|\n----- END -----\n"), std::string::npos);
    EXPECT_EQ(text.find("----- CHEST BAND -----"), std::string::npos);
    EXPECT_EQ(text.find("INSTRUMENTATION"), std::string::npos);
    std::size_t counted = 0;
    for (const auto& [name, count] : file.RecordCounts()) counted += count;
    EXPECT_EQ(counted, 2u);
}

}  // namespace
