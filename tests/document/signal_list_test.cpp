// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/signal_list.h"

#include <gtest/gtest.h>

#include "tests/document/document_fixtures.h"

namespace {

TEST(SignalList, LineCellsCutTheTimeStepAndRoundTheLimits)
{
    auto row = doc_test::VehRow(101, 7, 1, "01", "HDCG");
    row->SetNFP(-100);
    row->SetNLP(2999);
    row->SetDELT(0.5);
    row->SetPREMAX(12.34);
    row->SetPREMIN(-12.36);
    row->SetINIVEL(56.05);
    row->SetSIGNALNAME("V00101_007");
    const std::vector<std::string> cells = ko::SignalListCells(*row);
    ASSERT_EQ(cells.size(), ko::SignalListColumns().size());
    EXPECT_EQ(cells[0], "101");
    EXPECT_EQ(cells[1], "7");
    EXPECT_EQ(cells[2], "-100");
    EXPECT_EQ(cells[4], "0") << "DELT 0.5 is cut toward zero";
    EXPECT_EQ(cells[6], "12.3");
    EXPECT_EQ(cells[7], "-12.4");
    EXPECT_EQ(cells[11], "V00101_007");
    row->SetDELT(-1.5);
    EXPECT_EQ(ko::SignalListCells(*row)[4], "-1");
}

TEST(SignalList, TitleBandFillsTheColumnsOfItsKind)
{
    const auto columns = ko::SignalTitleColumns(ko::TestKind::Component);
    ASSERT_EQ(columns.size(), 21u);
    EXPECT_EQ(columns[0].width, 0);
    EXPECT_EQ(columns[1].width, 25);
    EXPECT_EQ(std::string(columns[20].heading), "CHSTATD");

    auto vehicle = doc_test::VehRow(101, 1, 2, "03", "HDCG");
    vehicle->SetSENLOCD("Driver");
    const auto veh = ko::SignalTitleCells(*vehicle, ko::TestKind::Vehicle);
    EXPECT_EQ(veh[0], "2");
    EXPECT_EQ(veh[3], "03");
    EXPECT_EQ(veh[4], "Driver");
    EXPECT_EQ(veh[7], "HDCG");

    ko::com::CInstrumentation component;
    component.SetVEHNO(4);
    component.SetCMPNO(5);
    component.SetCNFNO(6);
    const auto com = ko::SignalTitleCells(component, ko::TestKind::Component);
    EXPECT_EQ(com[0], "") << "a component row's VEHNO stays out of the band";
    EXPECT_EQ(com[1], "5");
    EXPECT_EQ(com[2], "6");
    EXPECT_EQ(com[3], "") << "no sensor location in a component row";

    ko::bio::CInstrumentation bio;
    bio.SetSENLOC("07");
    bio.SetDASTAT("AM");
    const auto cells = ko::SignalTitleCells(bio, ko::TestKind::Biomechanics);
    EXPECT_EQ(cells[3], "07");
    EXPECT_EQ(cells[17], "AM");
    EXPECT_EQ(ko::SignalTitleFitFirst(ko::TestKind::Biomechanics), 7);
}

}  // namespace
