// SPDX-License-Identifier: GPL-3.0-or-later
// Resultant, viscous criterion, Nij and tibia index against closed forms.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/neck_injury.h"
#include "analysis/resultant.h"
#include "analysis/tibia_index.h"
#include "analysis/viscous.h"
#include "tests/analysis/criteria_signals.h"

namespace {

using ko::test::Sampled;
using ko::test::Tabulate;
using ko::test::Values;

constexpr double kStep = 1e-4;
constexpr double kPi = 3.14159265358979323846;

TEST(Resultant, OfThreeAxes)
{
    const auto r =
        ko::Resultant(*Sampled(kStep, {3, 0, -2}), *Sampled(kStep, {4, 0, 3}), *Sampled(kStep, {12, 5, 6}));
    EXPECT_EQ(r->GetY(), (Values{13, 5, 7}));
    EXPECT_EQ(r->GetAXIS(), "RS");
    EXPECT_EQ(r->GetFallbackName(), "Resultant");
}

// D = A sin(w t) (A in m) gives V C = A^2 w sin(2 w t) / (2 depth), largest at w t = pi / 4.
TEST(ViscousCriterion, SineDeflection)
{
    const double amplitude = 0.05, w = 2.0 * kPi * 10.0;
    const auto deflection =
        Sampled(kStep, Tabulate(500, kStep, [&](double t) { return 1000.0 * amplitude * std::sin(w * t); }),
                "MILLIMETERS");
    for (const ko::CViscousParameters parameters :
         {ko::CViscousParameters{}, ko::CViscousParameters{1.0, 140.0}}) {
        SCOPED_TRACE(testing::Message() << parameters.scaleFactor << ", " << parameters.deformationConstant);
        const double expected = parameters.scaleFactor * amplitude * amplitude * w /
                                (2.0 * parameters.deformationConstant * 0.001);
        const auto vc = ko::ViscousCriterion(*deflection, parameters);
        EXPECT_NEAR(vc.value, expected, 1e-6 * expected);
        EXPECT_NEAR(vc.time, kPi / (4.0 * w), kStep);
    }
}

TEST(Nij, InterceptsAndLoadCases)
{
    struct Case {
        double fz, my;  // N, N·m
        const char* forceUnits;
        double expected;
        const char* loadCase;
    };
    const Case rows[] = {
        {6806.0, 0.0, "NEWTONS", 1.0, "NTF"},  // pure tension at the tension intercept
        {6.806, 0.0, "KILONEWTONS", 1.0, "NTF"}, {-6160.0, 0.0, "NEWTONS", 1.0, "NCF"},
        {0.0, -135.0, "NEWTONS", 1.0, "NTE"},    {0.0, 310.0, "NEWTONS", 1.0, "NTF"},
        {3403.0, 155.0, "NEWTONS", 1.0, "NTF"},  {-3080.0, -67.5, "NEWTONS", 1.0, "NCE"},
        {-1540.0, 77.5, "NEWTONS", 0.5, "NCF"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.fz << " " << row.forceUnits << ", " << row.my);
        Values force(100, 0.0), moment(100, 0.0);
        force[40] = row.fz;
        moment[40] = row.my;
        const auto nij =
            ko::Nij(*Sampled(kStep, force, row.forceUnits), *Sampled(kStep, moment, "NEWTON-METERS"));
        EXPECT_NEAR(nij.value, row.expected, 1e-12);
        EXPECT_NEAR(nij.time, 0.004, 1e-12);
        EXPECT_STREQ(ko::LoadCaseName(nij.loadCase), row.loadCase);
    }
}

TEST(Nij, InterceptsAreParameters)
{
    const auto force = Sampled(kStep, {0, 2000, 0}, "NEWTONS");
    const auto moment = Sampled(kStep, {0, 0, 0}, "NEWTON-METERS");
    EXPECT_NEAR(ko::Nij(*force, *moment, {4000.0, 3000.0, 100.0, 50.0}).value, 0.5, 1e-12);
}

TEST(TibiaIndex, ResultantMomentAndAxialForce)
{
    // sqrt(135^2 + 180^2) = 225: the critical moment.
    const auto mx = Sampled(kStep, {0, 135, 0, 0}, "NEWTON-METERS");
    const auto my = Sampled(kStep, {0, 180, 0, 0}, "NEWTON-METERS");
    const auto fz = Sampled(kStep, {0, 0, -17950, 0}, "NEWTONS");
    const auto ti = ko::TibiaIndex(*mx, *my, *fz);
    EXPECT_NEAR(ti.value, 1.0, 1e-12);
    EXPECT_NEAR(ti.time, kStep, 1e-12);
    const auto kn = Sampled(kStep, {0, -17.95, 0, 0}, "KILONEWTONS");
    EXPECT_NEAR(ko::TibiaIndex(*mx, *my, *kn).value, 1.5, 1e-12);
    EXPECT_NEAR(ko::TibiaIndex(*mx, *my, *kn, {450.0, 17950.0}).value, 1.5, 1e-12);
}

}  // namespace
