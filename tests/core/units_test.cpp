// SPDX-License-Identifier: GPL-3.0-or-later
// Unit predicates, integral and derivative units, status vocabulary, filter class.
#include "core/units.h"

#include <gtest/gtest.h>

#include "core/filter_class.h"
#include "core/status.h"

namespace {

TEST(UnitPredicates, ExactCaseSensitiveMatches)
{
    EXPECT_TRUE(ko::IsSeconds("SECONDS") && ko::IsSeconds("SECOND") && ko::IsSeconds("SEC"));
    EXPECT_FALSE(ko::IsSeconds("seconds") || ko::IsSeconds("MILLISECONDS"));
    EXPECT_FALSE(ko::IsEnglish("MET") || ko::IsGs("G"));
}

struct UnitCase {
    const char *xunits, *yunits, *dimsys;
    double factor, initial;
    const char *units, *type;
};

// Rows reached through Integrate and Derivative are checked there.
TEST(IntegralUnits, OverTimeAndLength)
{
    const UnitCase rows[] = {
        {"SEC", "G'S", "ENGLISH", 21.93675, 56, "MILES/HOUR", "VELOCITY"},
        {"SECONDS", "G'S", "", 35.30394, 56, "KILOMETERS/HOUR", "VELOCITY"},
        {"INCHES", "POUNDS", "ENG", 1.0 / 12.0, 0, "FOOT-POUNDS", "ENERGY"},
        {"MILLIMETERS", "NEWTONS", "MET", 0.001, 0, "JOULES", "ENERGY"},
        {"METERS", "G'S", "MET", 1, 0, "UNKNOWN", "UNKNOWN"},
        {"DEGREES", "G'S", "MET", 1, 0, "DEGREES - G'S", "UNKNOWN"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.xunits << " " << row.yunits << " " << row.dimsys);
        const auto m = ko::IntegralUnits(row.xunits, row.yunits, 56.0, row.dimsys);
        EXPECT_DOUBLE_EQ(m.factor, row.factor);
        EXPECT_DOUBLE_EQ(m.initial, row.initial);
        EXPECT_EQ(m.units, row.units);
        EXPECT_EQ(m.type, row.type);
    }
}

TEST(DerivativeUnits, OverTime)
{
    const UnitCase rows[] = {
        {"SECONDS", "KPH", "", 0.02832545, 0, "G'S", "ACCELERATION"},
        {"seconds", "MILLIMETERS", "", 1, 0, "MILLIMETERS / seconds", "UNKNOWN"},
        {"SECONDS", "VOLTS", "", 1, 0, "VOLTS / SEC", "UNKNOWN"},
        {"SECONDS", "POUND-SECONDS", "", 1, 0, "POUND-SECONDS / SEC", "UNKNOWN"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.xunits << " " << row.yunits);
        const auto m = ko::DerivativeUnits(row.xunits, row.yunits);
        EXPECT_DOUBLE_EQ(m.factor, row.factor);
        EXPECT_EQ(m.units, row.units);
        EXPECT_EQ(m.type, row.type);
    }
}

TEST(StatusVocabulary, CodesAndLongForms)
{
    const std::pair<const char*, const char*> rows[] = {{"am", "AS MEASURED"},
                                                        {"Truncated", "TRUNCATED"},
                                                        {"sc", "SCALING FACTOR"},
                                                        {"Scaled", "SCALING FACTOR"},
                                                        {"SUM", "SUM"},
                                                        {"MODIFIED", "MODIFIED"},
                                                        {"SUBSAMPLED", "SUBSAMPLED"},
                                                        {"", ""},
                                                        {"distorted", "DISTORTED"}};
    for (const auto& [text, expected] : rows) EXPECT_EQ(ko::NormaliseStatus(text), expected) << text;
}

TEST(FilterClass, FromPrefilOrFcut)
{
    const struct {
        double prefil, fcut;
        int cfc;
    } rows[] = {{1650, 0, 1000},   {1700, 0, 1001}, {1650, 100, 60},
                {1650, 110, 1001}, {300, 0, 180},   {0, 1000, 600}};
    for (const auto& row : rows)
        EXPECT_EQ(ko::ClassFromFrequency(row.prefil, row.fcut), row.cfc) << row.prefil << " " << row.fcut;
}

}  // namespace
