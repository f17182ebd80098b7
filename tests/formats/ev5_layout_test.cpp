// SPDX-License-Identifier: GPL-3.0-or-later
// The sections of the six EV5 reader/writers: order, pipe counts, notable positions.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "tests/formats/ev5_test_records.h"

namespace {

using Layout = std::vector<std::pair<std::string, std::vector<std::size_t>>>;

template <class File>
Layout PipeCounts(const File& file)
{
    Layout layout;
    for (const auto& [name, forms] : file.FieldOrders()) {
        layout.emplace_back(name, std::vector<std::size_t>{});
        for (const auto& form : forms) layout.back().second.push_back(form.size() - 1);
    }
    return layout;
}

TEST(EV5Layout, VehicleSectionsAndPipeCounts)
{
    EXPECT_EQ(PipeCounts(ko::CEV5Veh()), (Layout{{"TEST", {19}},
                                                 {"VEHICLE", {79, 80}},
                                                 {"BARRIER", {4}},
                                                 {"OCCUPANT", {43}},
                                                 {"RESTRAINT", {6}},
                                                 {"INSTRUMENTATION", {19}}}));
    EXPECT_EQ(PipeCounts(ko::CEV5VehExt()), (Layout{{"TEST", {31}},
                                                    {"VEHICLE", {90, 91}},
                                                    {"BARRIER", {6}},
                                                    {"OCCUPANT", {63}},
                                                    {"RESTRAINT", {10}},
                                                    {"INSTRUMENTATION", {44}}}));
}

TEST(EV5Layout, ComponentSectionsAndPipeCounts)
{
    EXPECT_EQ(PipeCounts(ko::CEV5Com()), (Layout{{"TEST", {10}},
                                                 {"VEHICLE", {8, 15}},
                                                 {"COMPONENT", {10}},
                                                 {"ROLLOVER", {55}},
                                                 {"CONFIGURATION", {12}},
                                                 {"INSTRUMENTATION", {20}}}));
    EXPECT_EQ(PipeCounts(ko::CEV5ComExt()), (Layout{{"TEST", {13}},
                                                    {"VEHICLE", {12}},
                                                    {"COMPONENT", {15}},
                                                    {"ROLLOVER", {55}},
                                                    {"CONFIGURATION", {14}},
                                                    {"INSTRUMENTATION", {44}}}));
}

TEST(EV5Layout, BiomechanicsSectionsAndPipeCounts)
{
    EXPECT_EQ(PipeCounts(ko::CEV5Bio()), (Layout{{"TEST", {15}},
                                                 {"BIO OCCUPANT", {23}},
                                                 {"DUMMY OCCUPANT", {24}},
                                                 {"RESTRAINT", {4}},
                                                 {"ANTHROPOMETRY", {37}},
                                                 {"RIB", {9}},
                                                 {"OCCUPANT INJURY", {7}},
                                                 {"INSTRUMENTATION", {18}},
                                                 {"CHEST BAND", {11}},
                                                 {"CHEST BAND GAUGE", {4}}}));
    EXPECT_EQ(PipeCounts(ko::CEV5BioExt()), (Layout{{"TEST", {21}},
                                                    {"BIO OCCUPANT", {26}},
                                                    {"DUMMY OCCUPANT", {41}},
                                                    {"RESTRAINT", {7}},
                                                    {"ANTHROPOMETRY", {37}},
                                                    {"RIB", {10}},
                                                    {"OCCUPANT INJURY", {12}},
                                                    {"INSTRUMENTATION", {43}},
                                                    {"CHEST BAND", {11}},
                                                    {"CHEST BAND GAUGE", {4}}}));
}

TEST(EV5Layout, PositionsTakenFromTheTables)
{
    // The long forms are derived from the column tables: check where they start,
    // end and where their optional field stands.
    const auto vehicle = ev5test::FormOf(ko::CEV5Veh(), "VEHICLE");
    EXPECT_EQ(vehicle[11], "CURBWT");
    EXPECT_EQ(vehicle.front(), "VEHNO");
    EXPECT_EQ(vehicle.back(), "VEHCOM");
    const auto vehicleExt = ev5test::FormOf(ko::CEV5VehExt(), "VEHICLE");
    EXPECT_EQ(vehicleExt[2], "MAKED");
    EXPECT_EQ(vehicleExt.back(), "VEHCOM");
    const auto rollover = ev5test::FormOf(ko::CEV5Com(), "ROLLOVER");
    EXPECT_EQ(rollover.front(), "TITYPF");
    EXPECT_EQ(rollover.back(), "STAR");
    const auto anthropometry = ev5test::FormOf(ko::CEV5Bio(), "ANTHROPOMETRY");
    EXPECT_EQ(anthropometry.front(), "STATUR");
    EXPECT_EQ(anthropometry.back(), "INSCYE");
    // Component Extension instrumentation: INIVEL before INSRAT and CHLMAX.
    const auto component = ev5test::FormOf(ko::CEV5ComExt(), "INSTRUMENTATION");
    const auto vehicleRows = ev5test::FormOf(ko::CEV5VehExt(), "INSTRUMENTATION");
    const auto at = [](const std::vector<std::string>& form, const std::string& name) {
        return std::find(form.begin(), form.end(), name) - form.begin();
    };
    EXPECT_LT(at(component, "INIVEL"), at(component, "INSRAT"));
    EXPECT_GT(at(vehicleRows, "INIVEL"), at(vehicleRows, "CHLMAX"));
    EXPECT_EQ(vehicleRows.back(), "BIASHISTORY");
}

}  // namespace
