// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <type_traits>

#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "tests/model/fails_with.h"

namespace ko {
namespace {

std::shared_ptr<com::CConfiguration> Configuration(int vehicle, int component, int configuration)
{
    auto record = std::make_shared<com::CConfiguration>();
    record->SetVEHNO(vehicle);
    record->SetCMPNO(component);
    record->SetCNFNO(configuration);
    return record;
}

template <class Row>
std::shared_ptr<Row> Curve(int curveNumber, int vehicle = 0)
{
    auto row = std::make_shared<Row>();
    row->SetCURNO(curveNumber);
    if constexpr (std::is_same_v<Row, com::CInstrumentation>) row->SetVEHNO(vehicle);
    return row;
}

TEST(ComponentTest, EveryForwarderFailsWithoutATestRecord)
{
    CComTest test;
    const std::string noRecord = "Invalid Component Test";
    KO_COM_TEST_COLUMNS(KO_EXPECT_FORWARDER_FAILS, KO_EXPECT_FORWARDER_FAILS)
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.SetTestNumber(5); }, noRecord));
    test.SetTest(std::make_shared<com::CTest>());
    test.SetTestNumber(5);
    EXPECT_EQ(test.GetTSTNO(), 5);
    EXPECT_THROW(test.SetTestNumber(100000), std::out_of_range);
}

TEST(ComponentTest, LookupsUseTheirWholeKeyAndTakeTheFirstMatch)
{
    CComTest test;
    auto first = Configuration(1, 2, 4);
    test.SetConfigurations({Configuration(1, 3, 4), first, Configuration(1, 2, 4)});
    EXPECT_EQ(test.GetConfiguration(1, 2, 4), first);
    // The curve lookup ignores the vehicle and component of the row.
    test.SetInstrumentations({Curve<com::CInstrumentation>(5, 2), Curve<com::CInstrumentation>(5, 1)});
    EXPECT_EQ(test.GetInstrumentation(5)->GetVEHNO(), 2);
    auto component = std::make_shared<com::CComponent>();
    component->SetVEHNO(1);
    component->SetCMPNO(2);
    test.AddComponent(component);
    EXPECT_EQ(test.GetComponent(1, 2), component);
}

TEST(ComponentTest, LookupMissesAreRangeErrorsNamingTheKey)
{
    CComTest test;
    test.AddConfiguration(Configuration(1, 2, 4));
    EXPECT_TRUE(
        FailsWith<std::range_error>([&] { test.GetInstrumentation(7); }, "Curve Number: 7 was not found"));
    EXPECT_TRUE(FailsWith<std::range_error>([&] { test.GetVehicle(3); }, "Vehicle Number: 3 was not found"));
    EXPECT_TRUE(FailsWith<std::range_error>([&] { test.GetComponent(1, 2); },
                                            "Vehicle Number - Component Number: 1 - 2 was not found"));
    EXPECT_TRUE(FailsWith<std::range_error>(
        [&] { test.GetConfiguration(1, 2, 3); },
        "Vehicle Number - Component Number - Configuration Number: 1 - 2 - 3 was not found"));
}

TEST(BioTest, CurveLookupsReturnTheFirstRowOrItsPosition)
{
    CBioTest test;
    auto second = Curve<bio::CInstrumentation>(8);
    test.SetInstrumentations({Curve<bio::CInstrumentation>(2), second, Curve<bio::CInstrumentation>(8)});
    EXPECT_EQ(test.GetInstrumentation(8), second);
    EXPECT_EQ(test.FindInstrumentation(8), 1u);
    EXPECT_EQ(test.FindInstrumentation(2), 0u);
}

TEST(BioTest, MissesDifferInKindOnlyAndListsRefuseNullRecords)
{
    CBioTest test;
    test.AddInstrumentation(Curve<bio::CInstrumentation>(2));
    const std::string missing = "Curve Number: 7 was not found";
    EXPECT_TRUE(FailsWith<std::range_error>([&] { test.GetInstrumentation(7); }, missing));
    EXPECT_TRUE(FailsWith<std::out_of_range>([&] { test.FindInstrumentation(7); }, missing));
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.TestRecord(); }, "Invalid Biomechanics Test"));
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.SetTestNumber(3); }, "Invalid Biomechanics Test"));
    EXPECT_THROW(test.AddInjury(nullptr), std::invalid_argument);
    test.AddInjury(std::make_shared<bio::COccupantInjury>());
    test.ClearInjuries();
    EXPECT_TRUE(test.GetInjuries().empty());
}

}  // namespace
}  // namespace ko
