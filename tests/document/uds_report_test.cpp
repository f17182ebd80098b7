// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/uds_report.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "document/uds_pages.h"
#include "document/uds_save.h"

namespace {

// A header with every group filled: two vehicles, an occupant and injury values.
ko::CNSignal FullSignal()
{
    ko::CNSignal signal;
    signal.SetTSTNO(101);
    signal.SetCURNO(7);
    signal.SetVehicleNumber1(1);
    signal.SetMake1("HONDA");
    signal.SetYear1(2004);
    signal.SetVehicleWeight1(1450.5);
    signal.SetVehicleNumber2(2);
    signal.SetMake2("FORD");
    signal.SetType1("H3");
    signal.SetAge1(35);
    signal.SetHIC(512.25);
    signal.SetT1(0.0621);
    signal.SetDEL(0.0001);
    signal.SetNFP(-100);
    signal.SetNLP(2999);
    return signal;
}

const ko::CUDSSubPage& SubPage(const std::string& title)
{
    for (const auto& page : ko::UDSPages())
        for (const auto& sub : page.subPages)
            if (sub.title == title) return sub;
    throw std::logic_error("no page " + title);
}

std::vector<std::string> BlockTitles(const ko::CReportText& report)
{
    std::vector<std::string> titles;
    for (const auto& block : report.blocks) titles.push_back(block.title);
    return titles;
}

TEST(UDSPages, EveryPageFieldReadsAndOptionalGroupsShowWhenFilled)
{
    const ko::CNSignal full = FullSignal();
    const ko::CNSignal sparse;
    for (const auto& page : ko::UDSPages())
        for (const auto& sub : page.subPages)
            for (const auto& group : sub.groups)
                for (const auto& field : group.fields)
                    EXPECT_NO_THROW(ko::UDSFieldText(sparse, field.field)) << field.field;
    EXPECT_EQ(ko::UDSFieldText(full, "Make2"), "FORD");
    EXPECT_EQ(ko::UDSFieldText(full, "VehicleWeight1"), "1450.5");
    EXPECT_EQ(ko::UDSFieldText(full, "FILEVER"), "1");
    EXPECT_THROW(ko::UDSFieldText(full, "MAKE9"), std::out_of_range);
    for (const char* title : {"Vehicle2", "Occupant 1", "Occupant Injury"}) {
        EXPECT_TRUE(ko::UDSSubPagePresent(full, SubPage(title))) << title;
        EXPECT_FALSE(ko::UDSSubPagePresent(sparse, SubPage(title)))
            << title << ": restraints NONE do not count";
    }
    EXPECT_TRUE(ko::UDSSubPagePresent(sparse, SubPage("Curve Data")));
}

TEST(UDSReport, SpecLeavesOutVehiclesAndOccupantsAndSparseGroupsSaySo)
{
    std::tm date{};
    date.tm_year = 126;
    date.tm_mon = 11;
    date.tm_mday = 7;
    const ko::CReportText full = ko::UDSReport(FullSignal(), ko::UDSReportKind::Full, date);
    EXPECT_EQ(full.title, "Full UDS File Report");
    EXPECT_EQ(full.heading,
              (std::vector<std::string>{"Test Number: 101", "Curve Number: 7", "Date: 12/7/2026"}));
    EXPECT_EQ(BlockTitles(full),
              (std::vector<std::string>{"File", "Test", "Vehicle One", "Vehicle Two", "Occupant One",
                                        "Occupant InJury", "Curve User Data"}));
    const std::string text = ko::ReportPlainText(full);
    for (const char* line : {"Make: FORD", "Weight: 1450.5 (kgs)", "HIC: 512.25", "T1: 62.1 (msec)",
                             "Time Step: 0.1 (msec)", "Age: 35", "First Point: -100"})
        EXPECT_NE(text.find(line), std::string::npos) << line;

    const ko::CReportText spec = ko::UDSReport(FullSignal(), ko::UDSReportKind::Specification, date);
    EXPECT_EQ(spec.title, "UDS File Specification Report");
    EXPECT_EQ(BlockTitles(spec), (std::vector<std::string>{"File", "Test", "Curve User Data"}));

    const ko::CReportText sparse = ko::UDSReport(ko::CNSignal(), ko::UDSReportKind::Full, date);
    EXPECT_EQ(sparse.blocks[3].lines, (std::vector<std::string>{"No vehicle in this file."}));
    EXPECT_EQ(sparse.blocks[4].lines, (std::vector<std::string>{"No occupant in this file."}));
    EXPECT_EQ(sparse.blocks[5].lines, (std::vector<std::string>{"No injury values in this file."}));
}

TEST(UDSSave, DataTextWithAndWithoutX)
{
    ko::CNSignal signal;
    signal.XValues() = {0.0, 0.001};
    signal.YValues() = {1.5, -2.25};
    signal.ZValues() = {0.0, 0.0};
    EXPECT_EQ(ko::SignalDataText(signal, false), "1.500000\r\n-2.250000\r\n");
    EXPECT_EQ(ko::SignalDataText(signal, true), "0.000000\t1.500000\r\n0.001000\t-2.250000\r\n");
}

}  // namespace
