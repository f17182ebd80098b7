// SPDX-License-Identifier: GPL-3.0-or-later
// The cursor table's rows: cursor readings, the chosen criterion per test, the
// corridor columns, and the copy and CSV texts.
#include "document/cursor_table.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/failure.h"
#include "core/number_text.h"
#include "tests/analysis/criteria_signals.h"

namespace {

using ko::test::Rectangle;
using ko::test::Sampled;

constexpr double kStep = 1e-4;

std::shared_ptr<ko::CNSignal> Named(std::shared_ptr<ko::CNSignal> signal, const std::string& name)
{
    signal->SetFileName(name);
    return signal;
}

double Number(const std::string& text)
{
    double value = 0;
    EXPECT_TRUE(ko::ReadNumber(text, value)) << text;
    return value;
}

TEST(CursorTable, ReadingsAndCriterionPerTest)
{
    ko::CCursorTable table;
    // 10 ms of 80 g from 20 ms; a signal too short for a 15 ms window.
    table.SetSignals({Named(Sampled(kStep, Rectangle(800, 200, 300, 80.0)), "pulse.uds"),
                      Named(Sampled(kStep, Rectangle(50, 10, 20, 5.0)), "short.uds")});
    table.SetCursors(0.0195, 0.025);
    const auto headings = table.Headings();
    ASSERT_EQ(headings.size(), 12u);
    EXPECT_EQ(headings[1], "At A (19.500 ms)");
    EXPECT_EQ(headings[6], "HIC15");

    const auto pulse = table.Cells(0);
    ASSERT_EQ(pulse.size(), headings.size());
    EXPECT_EQ(pulse[0], "pulse.uds");
    EXPECT_EQ(pulse[1], "0");   // before the rise
    EXPECT_EQ(pulse[2], "80");  // on the plateau
    EXPECT_EQ(pulse[3], "80");
    EXPECT_EQ(pulse[4], "80");
    EXPECT_EQ(pulse[5], "20.000");  // the first sample at the peak
    EXPECT_NEAR(Number(pulse[6]), 0.010 * std::pow(80.0, 2.5), 1e-5 * 0.010 * std::pow(80.0, 2.5));
    EXPECT_EQ(pulse[7], "20.000");
    EXPECT_EQ(pulse[8], "30.000");

    // The cursors lie beyond the short signal; its HIC fails alone.
    const auto shortRow = table.Cells(1);
    EXPECT_EQ(shortRow[1], "");
    EXPECT_EQ(shortRow[4], "");
    EXPECT_NE(shortRow[6].find("HIC15"), std::string::npos) << shortRow[6];
    EXPECT_EQ(shortRow[7], "");

    table.SetCriterion(*ko::FindCriterion("peak"));
    EXPECT_EQ(table.Headings().size(), 11u);
    EXPECT_EQ(table.Cells(1)[6], "5");
    EXPECT_THROW(table.SetCriterion(*ko::FindCriterion("nij")), ko::CFailure);
    EXPECT_EQ(table.GetCriterion().criterion, ko::CCriterion::Peak);
}

TEST(CursorTable, CorridorColumnsAndTexts)
{
    ko::CCursorTable table;
    table.SetCursors(0.0, 0.001);
    table.SetSignals({Named(Sampled(kStep, std::vector<double>(100, 0.0)), "zero, one.uds"),
                      Named(Sampled(kStep, std::vector<double>(100, 0.0)), "zero \"two\".uds")});
    // Equal signals: sigma 0, nothing outside.
    EXPECT_EQ(table.Cells(1)[10], "0");
    const std::string quoted = table.Csv();
    EXPECT_NE(quoted.find("\r\n\"zero, one.uds\",0,"), std::string::npos) << quoted;
    EXPECT_NE(quoted.find("\r\n\"zero \"\"two\"\".uds\",0,"), std::string::npos) << quoted;

    table.SetSignals({Sampled(kStep, std::vector<double>(100, 0.0)),
                      Sampled(kStep, std::vector<double>(100, 0.0)),
                      Named(Sampled(kStep, std::vector<double>(100, 3.0)), "three.uds")});
    // Mean 1, sigma sqrt(2): the third leaves the corridor everywhere by 2 - sqrt(2).
    EXPECT_EQ(table.Cells(0)[10], "0");
    EXPECT_EQ(table.Cells(2)[10], "1");
    EXPECT_NEAR(Number(table.Cells(2)[11]), 2.0 - std::sqrt(2.0), 1e-5);
    table.SetSigmaFactor(2.0);
    EXPECT_EQ(table.Cells(2)[10], "0");
    EXPECT_EQ(table.Headings()[10], "Outside mean +- 2 sigma");
    EXPECT_THROW(table.SetSigmaFactor(-1.0), ko::CFailure);

    table.SetSignals({Named(Sampled(kStep, std::vector<double>(100, 0.0)), "zero, one.uds")});
    EXPECT_FALSE(table.CorridorFailure().empty());
    EXPECT_EQ(table.Cells(0)[10], "");
    const std::string csv = table.Csv();
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Test,At A (0.000 ms),At B (1.000 ms),B - A,Peak A..B,Peak time (ms),HIC15,t1 (ms),t2 (ms),"
              "Units,Outside mean +- 2 sigma,Largest excursion");
    const std::string text = table.Text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_NE(text.find("zero, one.uds\t0\t0\t0\t0\t0.000\t"), std::string::npos) << text;
}

}  // namespace
