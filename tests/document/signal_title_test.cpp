// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/signal_title.h"

#include <gtest/gtest.h>

#include "document/title_list.h"
#include "model/database.h"
#include "tests/document/document_fixtures.h"

namespace {

using doc_test::VehRow;

TEST(SignalTitle, VehicleFieldsCompareInTableOrder)
{
    // VEHNO is numeric: 2 before 10, although "10" < "2" as text.
    EXPECT_LT(ko::CompareTitles(*VehRow(1, 1, 2, "99", "A"), *VehRow(1, 2, 10, "01", "A")), 0);
    // SENLOC decides before SENATT.
    EXPECT_LT(ko::CompareTitles(*VehRow(1, 1, 1, "01", "Z"), *VehRow(1, 2, 1, "02", "A")), 0);
    // A prefix sorts first; bytes compare unsigned, so 0xB5 sorts after 'Z'.
    EXPECT_LT(ko::CompareTitles(*VehRow(1, 1, 1, "01", "HD"), *VehRow(1, 2, 1, "01", "HDCG")), 0);
    EXPECT_GT(ko::CompareTitles(*VehRow(1, 1, 1, "01", "\xB5"), *VehRow(1, 2, 1, "01", "Z")), 0);
    // DASTAT is part of the title; comparisons are case-sensitive.
    EXPECT_FALSE(ko::SameTitle(*VehRow(1, 1, 1, "01", "A", "AM"), *VehRow(1, 2, 1, "01", "A", "am")));
}

TEST(SignalTitle, FieldsOutsideTheTitleDoNotMatter)
{
    auto a = VehRow(1, 1, 1, "01", "HDCG");
    auto b = VehRow(2, 7, 1, "01", "HDCG");
    b->SetSENATTD("Head CG");
    b->SetYTYPE("ACCELERATION");
    b->SetDELT(0.5);
    EXPECT_TRUE(ko::SameTitle(*a, *b));
    b->SetXUNITS("MS");
    EXPECT_FALSE(ko::SameTitle(*a, *b));
}

TEST(SignalTitle, ComponentAndBiomechanicsFields)
{
    ko::com::CInstrumentation c1, c2;
    c1.SetCMPNO(3);
    c2.SetCMPNO(3);
    c1.SetVEHNO(1);  // not a component title field
    c2.SetCNFNO(1);
    EXPECT_LT(ko::CompareTitles(c1, c2), 0);
    c1.SetCNFNO(1);
    EXPECT_TRUE(ko::SameTitle(c1, c2));

    ko::bio::CInstrumentation b1, b2;
    b1.SetSENLOC("01");  // the biomechanics title has no sensor location
    b2.SetSENLOC("02");
    EXPECT_TRUE(ko::SameTitle(b1, b2));
    b2.SetCHSTAT("P");
    EXPECT_LT(ko::CompareTitles(b1, b2), 0);
}

TEST(SignalTitle, FieldNamesPerKind)
{
    const auto vehicle = ko::TitleFieldNames(ko::TestKind::Vehicle);
    EXPECT_EQ(vehicle, (std::vector<std::string>{"VEHNO", "SENLOC", "SENATT", "SENTYP", "YUNITS", "AXIS",
                                                 "CHSTAT", "DASTAT", "XUNITS"}));
    EXPECT_EQ(ko::TitleFieldNames(ko::TestKind::Component)[1], "CNFNO");
    EXPECT_EQ(ko::TitleFieldNames(ko::TestKind::Biomechanics),
              std::vector<std::string>(vehicle.begin() + 2, vehicle.end()));
    EXPECT_TRUE(ko::TitleFieldNames(ko::TestKind::CollisionWarning).empty());
}

TEST(SignalTitle, IntegerCellsParseAsTheGridReadsThem)
{
    EXPECT_EQ(ko::ParseTitleInteger("12"), 12);
    EXPECT_EQ(ko::ParseTitleInteger("-3"), -3);
    EXPECT_EQ(ko::ParseTitleInteger("+4"), 4);
    for (const char* bad : {"", "x", "12x", " 1", "+-1", "--1", "+", "99999999999"})
        EXPECT_EQ(ko::ParseTitleInteger(bad), 0) << bad;
}

TEST(SignalTitle, TextsRoundTripAndCountIsChecked)
{
    const auto row = VehRow(5, 3, 2, "04", "FMRL", "QD");
    const auto texts = ko::TitleTexts(*row);
    EXPECT_EQ(texts[0], "2");
    ko::veh::CInstrumentation back;
    ko::SetTitleTexts(back, texts);
    EXPECT_TRUE(ko::SameTitle(back, *row));
    EXPECT_THROW(ko::SetTitleTexts(back, {"1"}), std::invalid_argument);
}

TEST(TitleList, SortIsStableAndDistinctTitlesCountRows)
{
    // Two tests share HDCG; test 2 carries CHST on two curves.
    ko::CRecordList<ko::veh::CInstrumentation> rows{
        doc_test::Titled(1, 1, "HDCG"), doc_test::Titled(1, 2, "PELV"), doc_test::Titled(2, 1, "CHST"),
        doc_test::Titled(2, 2, "HDCG"), doc_test::Titled(2, 3, "CHST")};
    ko::SortByTitle(rows);
    std::vector<std::pair<int, int>> order;
    for (const auto& row : rows) order.emplace_back(row->GetTSTNO(), row->GetCURNO());
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{2, 1}, {2, 3}, {1, 1}, {2, 2}, {1, 2}}));

    const auto distinct = ko::DistinctTitles(rows);
    ASSERT_EQ(distinct.titles.size(), 3u);
    EXPECT_EQ(distinct.titles[0]->GetSENATT(), "CHST");
    EXPECT_EQ(distinct.titles[1].get(), rows[2].get());  // the first row of its run
    EXPECT_EQ(distinct.counts, (std::vector<std::uint32_t>{2, 2, 1}));
}

}  // namespace
