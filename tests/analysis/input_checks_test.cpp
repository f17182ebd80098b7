// SPDX-License-Identifier: GPL-3.0-or-later
// Bad input gives a clear failure for the criterion that meets it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/criterion_choice.h"
#include "tests/analysis/criteria_signals.h"

namespace {

using ko::test::FailureOf;
using ko::test::Sampled;
using ko::test::Values;
using Channels = std::vector<std::shared_ptr<ko::CNSignal>>;

constexpr double kStep = 1e-4;

std::shared_ptr<ko::CNSignal> Pulse(const std::string& units = "G'S", std::size_t n = 400)
{
    return Sampled(kStep, ko::test::Rectangle(n, 50, 150, 50.0), units);
}

std::shared_ptr<ko::CNSignal> WithXUnits(std::shared_ptr<ko::CNSignal> s, const std::string& units)
{
    s->SetXUNITS(units);
    return s;
}

std::shared_ptr<ko::CNSignal> WithNaN(std::shared_ptr<ko::CNSignal> s)
{
    s->YValues()[30] = std::numeric_limits<double>::quiet_NaN();
    return s;
}

// Explicit x values with one step missing at 0.5 ms.
std::shared_ptr<ko::CNSignal> Gap()
{
    Values x, y;
    for (int i = 0; i < 400; ++i) {
        x.push_back((i < 5 ? i : i + 1) * kStep);
        y.push_back(1.0);
    }
    auto s = std::make_shared<ko::CNSignal>();
    s->SetNFP(0);
    s->SetNLP(399);
    s->SetYUNITS("G'S");
    s->SetXY(std::move(x), std::move(y));
    return s;
}

TEST(CriterionInput, RefusedWithAClearText)
{
    struct Case {
        const char* criterion;
        Channels channels;
        const char* text;
    };
    const Case rows[] = {
        {"hic15", {Pulse("NEWTONS")}, "HIC15: acceleration must be in G'S or METERS/SEC**2, not 'NEWTONS'"},
        {"hic36", {Pulse("G'S", 300)}, "HIC36: the signal lasts 29.900 ms, less than the 36.000 ms window"},
        {"hic15", {WithXUnits(Pulse(), "MSEC")}, "HIC15: time must be in SECONDS, not 'MSEC'"},
        {"hic15", {WithNaN(Pulse())}, "HIC15: the sample at 3.000 ms is not a number"},
        {"hic15", {Gap()}, "HIC15: the time steps are not uniform at 0.600 ms"},
        {"clip3ms",
         {Pulse("MILLIMETERS")},
         "3 ms clip: acceleration must be in G'S or METERS/SEC**2, not 'MILLIMETERS'"},
        {"clip3ms-continuous", {Pulse("G'S", 20)}, "3 ms clip: the signal lasts 1.900 ms, less than 3 ms"},
        {"peak", {Sampled(kStep, {1.0}, "G'S", 5)}, "Peak: fewer than two samples"},
        {"vc", {Pulse("G'S")}, "VC: deflection must be in MILLIMETERS, not 'G'S'"},
        {"nij", {Pulse("NEWTONS"), Pulse("NEWTONS")}, "Nij: moment must be in NEWTON-METERS, not 'NEWTONS'"},
        {"nij",
         {Pulse("POUNDS"), Pulse("NEWTON-METERS")},
         "Nij: force must be in NEWTONS or KILONEWTONS, not 'POUNDS'"},
        {"nij",
         {Pulse("NEWTONS"), Pulse("NEWTON-METERS", 399)},
         "Nij: the force and the moment are not sampled alike"},
        {"nij", {Pulse("NEWTONS")}, "Nij: needs 2 channels (upper neck axial force Fz, moment My), not 1"},
        {"ti",
         {Pulse("NEWTON-METERS"), Pulse("NEWTON-METERS"), Pulse("KILONEWTONS", 300)},
         "TI: the moments and the force are not sampled alike"},
        {"ti",
         {Pulse("NEWTON-METERS"), WithNaN(Pulse("NEWTON-METERS")), Pulse("NEWTONS")},
         "TI moment y: the sample at 3.000 ms is not a number"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.criterion);
        const ko::CCriterionInfo* info = ko::FindCriterion(row.criterion);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(FailureOf([&] { ko::EvaluateCriterion(*info, row.channels); }), row.text);
    }
}

// Curves read from test files carry the database's unit codes.
TEST(CriterionInput, UnitCodesReadAsTheirUnits)
{
    struct Case {
        const char* criterion;
        Channels coded, named;
    };
    const Case rows[] = {
        {"hic15", {Pulse("MS2")}, {Pulse("METERS/SEC**2")}},
        {"vc", {Pulse("MM")}, {Pulse("MILLIMETERS")}},
        {"nij", {Pulse("NWT"), Pulse("NWM")}, {Pulse("NEWTONS"), Pulse("NEWTON-METERS")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.criterion);
        const ko::CCriterionInfo& info = *ko::FindCriterion(row.criterion);
        EXPECT_EQ(ko::EvaluateCriterion(info, row.coded).value, ko::EvaluateCriterion(info, row.named).value);
    }
}

TEST(CriterionCells, MillisecondsAndUnitsInTheCLocale)
{
    const auto* hic = ko::FindCriterion("hic15");
    const auto* nij = ko::FindCriterion("nij");
    const auto* peak = ko::FindCriterion("peak");
    EXPECT_EQ(ko::CriterionCells(*hic, {523.4567, 0.0201, 0.0351, "", ""}),
              (std::vector<std::string>{"523.457", "20.100", "35.100", "-"}));
    EXPECT_EQ(ko::CriterionCells(*nij, {0.25, 0.04, 0.04, "", "NCE"}),
              (std::vector<std::string>{"0.25", "40.000", "NCE"}));
    EXPECT_EQ(ko::CriterionCells(*peak, {-2500.0, -0.0015, -0.0015, "NEWTONS", ""}),
              (std::vector<std::string>{"-2500", "-1.500", "NEWTONS"}));
    EXPECT_EQ(ko::FindCriterion("HIC15"), nullptr);
}

}  // namespace
