// SPDX-License-Identifier: GPL-3.0-or-later
// Unit predicates, integral and derivative units, status vocabulary, filter class.
#include <gtest/gtest.h>

#include "core/filter_class.h"
#include "core/status.h"
#include "core/units.h"

namespace {

TEST(UnitPredicates, ExactCaseSensitiveMatches)
{
    EXPECT_TRUE(ko::IsSeconds("SECONDS") && ko::IsSeconds("SECOND") && ko::IsSeconds("SEC"));
    EXPECT_FALSE(ko::IsSeconds("seconds"));
    EXPECT_FALSE(ko::IsSeconds("MILLISECONDS"));
    EXPECT_FALSE(ko::IsEnglish("MET"));
    EXPECT_FALSE(ko::IsGs("G"));
}

TEST(IntegralUnits, AccelerationOverTime)
{
    auto m = ko::IntegralUnits("SECONDS", "G'S", 56.0, "MET");
    EXPECT_DOUBLE_EQ(m.factor, 35.30394);
    EXPECT_DOUBLE_EQ(m.initial, 56.0);
    EXPECT_EQ(m.units, "KILOMETERS/HOUR");
    EXPECT_EQ(m.type, "VELOCITY");
    auto e = ko::IntegralUnits("SEC", "G'S", 30.0, "ENGLISH");
    EXPECT_DOUBLE_EQ(e.factor, 21.93675);
    EXPECT_EQ(e.units, "MILES/HOUR");
    EXPECT_DOUBLE_EQ(ko::IntegralUnits("SECONDS", "G'S", 1.0, "").factor, 35.30394);
}

TEST(IntegralUnits, OverLength)
{
    auto inch = ko::IntegralUnits("INCHES", "POUNDS", 5.0, "ENG");
    EXPECT_DOUBLE_EQ(inch.factor, 1.0 / 12.0);
    EXPECT_DOUBLE_EQ(inch.initial, 0.0);
    EXPECT_EQ(inch.units, "FOOT-POUNDS");
    EXPECT_EQ(inch.type, "ENERGY");
    EXPECT_DOUBLE_EQ(ko::IntegralUnits("MILLIMETERS", "NEWTONS", 0, "MET").factor, 0.001);
    auto known = ko::IntegralUnits("METERS", "G'S", 0, "MET");
    EXPECT_EQ(known.units, "UNKNOWN");
    EXPECT_EQ(known.type, "UNKNOWN");
    auto other = ko::IntegralUnits("DEGREES", "G'S", 0, "MET");
    EXPECT_EQ(other.units, "DEGREES - G'S");
    EXPECT_EQ(other.type, "UNKNOWN");
}

TEST(DerivativeUnits, OverTime)
{
    auto mm = ko::DerivativeUnits("SEC", "MILLIMETERS");
    EXPECT_DOUBLE_EQ(mm.factor, 0.0036);
    EXPECT_EQ(mm.units, "KILOMETERS/HOUR");
    EXPECT_EQ(mm.type, "VELOCITY");
    auto kph = ko::DerivativeUnits("SECONDS", "KPH");
    EXPECT_DOUBLE_EQ(kph.factor, 0.02832545);
    EXPECT_EQ(kph.units, "G'S");
    EXPECT_EQ(ko::DerivativeUnits("seconds", "MILLIMETERS").units, "MILLIMETERS / seconds");
    EXPECT_EQ(ko::DerivativeUnits("SECONDS", "VOLTS").units, "VOLTS / SEC");
    EXPECT_EQ(ko::DerivativeUnits("SECONDS", "POUND-SECONDS").units, "POUND-SECONDS / SEC");
    EXPECT_EQ(ko::DerivativeUnits("SECONDS", "VOLTS").type, "UNKNOWN");
}

TEST(StatusVocabulary, CodesAndLongForms)
{
    EXPECT_EQ(ko::NormaliseStatus("am"), "AS MEASURED");
    EXPECT_EQ(ko::NormaliseStatus("Truncated"), "TRUNCATED");
    EXPECT_EQ(ko::NormaliseStatus("sc"), "SCALING FACTOR");
    EXPECT_EQ(ko::NormaliseStatus("Scaled"), "SCALING FACTOR");
    EXPECT_EQ(ko::NormaliseStatus("SUM"), "SUM");
    EXPECT_EQ(ko::NormaliseStatus("MODIFIED"), "MODIFIED");
    EXPECT_EQ(ko::NormaliseStatus("SUBSAMPLED"), "SUBSAMPLED");
    EXPECT_EQ(ko::NormaliseStatus(""), "");
    EXPECT_EQ(ko::NormaliseStatus("distorted"), "DISTORTED");
}

TEST(FilterClass, FromPrefilOrFcut)
{
    EXPECT_EQ(ko::ClassFromFrequency(1650.0, 0.0), 1000);
    EXPECT_EQ(ko::ClassFromFrequency(1700.0, 0.0), 1001);
    EXPECT_EQ(ko::ClassFromFrequency(1650.0, 100.0), 60);
    EXPECT_EQ(ko::ClassFromFrequency(1650.0, 110.0), 1001);
    EXPECT_EQ(ko::ClassFromFrequency(300.0, 0.0), 180);
    EXPECT_EQ(ko::ClassFromFrequency(0.0, 1000.0), 600);
}

}  // namespace
