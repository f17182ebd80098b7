// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ip5_file.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

#include "formats/file.h"
#include "tests/support/temp_dir_test.h"

namespace {

using ko::CIP5File;

std::string ReadMessage(CIP5File& file, const std::string& text)
{
    return testsupport::MessageOf([&] { file.Read(text); });
}

TEST(IP5Read, NinePipeLines)
{
    CIP5File file(101);
    file.Read(ko::ReadFileText(VELDER_TEST_DATA "/ip5/v00101.ip5"));
    ASSERT_EQ(file.GetIntrusions().size(), 3u);
    const auto& first = *file.GetIntrusions()[0];
    EXPECT_EQ(first.GetTSTNO(), 101);
    EXPECT_EQ(first.GetVEHNO(), 1);
    EXPECT_EQ(first.GetIPNO(), 1);
    EXPECT_EQ(first.GetIPLOC(), "TOE PAN LEFT");
    EXPECT_EQ(first.GetBIX(), 1520.5);
    EXPECT_EQ(first.GetBIY(), -420);
    EXPECT_EQ(first.GetBIZ(), 310.25);
    EXPECT_EQ(first.GetAIX(), 1460.75);
    EXPECT_EQ(first.GetAIY(), -418.5);
    EXPECT_EQ(first.GetAIZ(), 335);
    EXPECT_EQ(first.GetTSTREF(), "T101-A");
    EXPECT_EQ(file.GetIntrusions()[2]->GetIPLOC(), "A-PILLAR UPPER");
}

TEST(IP5Read, TenPipeLinesAndTheBlankLineStop)
{
    CIP5File file;
    file.Read(ko::ReadFileText(VELDER_TEST_DATA "/ip5/v00102_ten_pipes.ip5"));
    ASSERT_EQ(file.GetIntrusions().size(), 2u);
    const auto& second = *file.GetIntrusions()[1];
    EXPECT_EQ(second.GetTSTNO(), 0);
    EXPECT_EQ(second.GetTSTREF(), "REF-102");
    EXPECT_EQ(second.GetVEHNO(), 1);
    EXPECT_EQ(second.GetIPNO(), 2);
    EXPECT_EQ(second.GetIPLOC(), "BRAKE PEDAL");
    EXPECT_EQ(second.GetBIX(), 1410);
    EXPECT_EQ(second.GetAIZ(), 433);
}

TEST(IP5Read, LineConventions)
{
    CIP5File file;
    // Header lines are optional; END stops reading; CR LF line ends are accepted.
    file.Read("1|4|ROOF|1|2|3|4|5|6|R\r\n----- END -----\r\ngarbage without pipes\n");
    ASSERT_EQ(file.GetIntrusions().size(), 1u);
    EXPECT_EQ(file.GetIntrusions()[0]->GetTSTREF(), "R");
    // A new read replaces the list.
    file.Read("# only a comment\n");
    EXPECT_TRUE(file.GetIntrusions().empty());
}

TEST(IP5Read, Failures)
{
    CIP5File file;
    EXPECT_EQ(ReadMessage(file, ""), "Source is empty");
    const std::string good = "1|1|A|0|0|0|0|0|0|R\n";
    EXPECT_EQ(ReadMessage(file, good + "1|2|B|0|0|0|0|0|R\n"), "Intrusion pipe count is 8 and not 9 or 10.");
    EXPECT_EQ(file.GetIntrusions().size(), 1u);
    EXPECT_EQ(ReadMessage(file, "||||||||||||\n"), "Intrusion pipe count is 12 and not 9 or 10.");
    EXPECT_EQ(ReadMessage(file, "1|x|A|0|0|0|0|0|0|R\n"), "Invalid Integer: x");
    EXPECT_EQ(ReadMessage(file, "1|1|A|0|0|1.5.2|0|0|0|R\n"), "Invalid Number: 1.5.2");
    EXPECT_EQ(ReadMessage(file, good + std::string("1|2|A\0|0|0|0|0|0|0|R\n", 20)),
              "Intrusion line 2 is not text.");
    EXPECT_EQ(ReadMessage(file, std::string(70000, '|')),
              "Intrusion line 1 is longer than 65536 characters.");
}

TEST(IP5Write, ReadsBack)
{
    CIP5File file(7);
    file.Read("1|1|TOE PAN|1520.123456789|-420|310|1460|-418|335|T7\n2|9||1e-7|0|0|0|0|-12345678|\n");
    std::string text;
    ASSERT_TRUE(file.ToString(text));
    EXPECT_TRUE(
        std::regex_search(text, std::regex("^# Source: Intrusion Data\n# Date: <\\d\\d/\\d\\d/\\d{4}>\n"
                                           "----- INTRUSION -----\n")));
    EXPECT_NE(text.find("\n1|1|TOE PAN|1520.12|-420|310|1460|-418|335|T7\n2|9||1e-07|0|0|0|0|-1.23457e+07|\n"
                        "----- END -----\n"),
              std::string::npos);
    std::ostringstream stream;
    file.Write(stream);
    EXPECT_EQ(stream.str(), text);

    CIP5File back(7);
    back.Read(text);
    ASSERT_EQ(back.GetIntrusions().size(), 2u);
    EXPECT_EQ(back.GetIntrusions()[0]->GetIPLOC(), "TOE PAN");
    EXPECT_NEAR(back.GetIntrusions()[0]->GetBIX(), 1520.12, 1e-9);
    EXPECT_EQ(back.GetIntrusions()[1]->GetVEHNO(), 2);
    EXPECT_EQ(back.GetIntrusions()[1]->GetIPNO(), 9);
    EXPECT_EQ(back.GetIntrusions()[1]->GetBIX(), 1e-7);
    EXPECT_EQ(back.GetIntrusions()[1]->GetTSTREF(), "");
}

TEST(IP5Write, RefusesTextsThatBreakTheLine)
{
    auto intrusion = std::make_shared<ko::veh::CIntrusion>();
    intrusion->SetIPNO(4);
    intrusion->SetIPLOC("DOOR|SILL");
    CIP5File file;
    file.SetIntrusions({intrusion});
    std::string text = "unchanged";
    EXPECT_EQ(testsupport::MessageOf([&] { file.ToString(text); }),
              "Intrusion point 4: IPLOC holds a \"|\" or a line end.");
    EXPECT_EQ(text, "unchanged");
}

}  // namespace
