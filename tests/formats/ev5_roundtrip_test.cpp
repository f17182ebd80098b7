// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a test with every column set and reading it back, in both variants.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "tests/formats/ev5_test_records.h"

namespace {

using ev5test::ExpectRoundTrip;
using ev5test::Filled;
using ev5test::FormOf;

constexpr int kNumber = 4321;

template <class File, class Test>
std::shared_ptr<Test> RoundTrip(const std::shared_ptr<Test>& test, std::string* written = nullptr)
{
    File writer(test, kNumber);
    std::string text;
    EXPECT_TRUE(writer.ToString(text));
    if (written) *written = text;
    auto back = std::make_shared<Test>();
    File reader(back, kNumber);
    reader.Read(text);
    return back;
}

template <class R>
void ExpectList(const std::vector<std::shared_ptr<R>>& before, const std::vector<std::shared_ptr<R>>& after,
                const std::vector<std::string>& form)
{
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) ExpectRoundTrip(*before[i], *after[i], form, kNumber);
}

std::shared_ptr<ko::CVehicleTest> FullVehicleTest()
{
    auto test = std::make_shared<ko::CVehicleTest>();
    test->SetTest(Filled<ko::veh::CTest>(0));
    test->SetBarrier(Filled<ko::veh::CBarrier>(0));
    for (int seed : {10, 20}) {
        test->AddVehicle(Filled<ko::veh::CVehicle>(seed));
        test->AddOccupant(Filled<ko::veh::COccupant>(seed));
        test->AddRestraint(Filled<ko::veh::CRestraint>(seed));
        test->AddInstrumentation(Filled<ko::veh::CInstrumentation>(seed));
    }
    return test;
}

template <class File>
void ExpectVehicleRoundTrip()
{
    const auto before = FullVehicleTest();
    const auto after = RoundTrip<File>(before);
    const File file;
    ASSERT_TRUE(after->GetTest() && after->GetBarrier());
    ExpectRoundTrip(*before->GetTest(), *after->GetTest(), FormOf(file, "TEST"), kNumber);
    ExpectRoundTrip(*before->GetBarrier(), *after->GetBarrier(), FormOf(file, "BARRIER"), kNumber);
    ExpectList(before->GetVehicles(), after->GetVehicles(), FormOf(file, "VEHICLE"));
    ExpectList(before->GetOccupants(), after->GetOccupants(), FormOf(file, "OCCUPANT"));
    ExpectList(before->GetRestraints(), after->GetRestraints(), FormOf(file, "RESTRAINT"));
    ExpectList(before->GetInstrumentations(), after->GetInstrumentations(), FormOf(file, "INSTRUMENTATION"));
    EXPECT_EQ(after->GetTest()->GetVehicleCount(), 2);
    EXPECT_EQ(after->GetTest()->GetOccupantCount(), 2);
}

TEST(EV5RoundTrip, VehicleTestEveryColumnBack)
{
    ExpectVehicleRoundTrip<ko::CEV5Veh>();
    ExpectVehicleRoundTrip<ko::CEV5VehExt>();
}

std::shared_ptr<ko::CComTest> FullComponentTest()
{
    auto test = std::make_shared<ko::CComTest>();
    test->SetTest(Filled<ko::com::CTest>(0));
    test->GetTest()->SetTSTTYP("ROV");
    test->SetRollover(Filled<ko::com::CRollover>(0));
    for (int seed : {10, 20}) {
        test->AddVehicle(Filled<ko::com::CVehicle>(seed));
        test->AddComponent(Filled<ko::com::CComponent>(seed));
        test->AddConfiguration(Filled<ko::com::CConfiguration>(seed));
        test->AddInstrumentation(Filled<ko::com::CInstrumentation>(seed));
    }
    return test;
}

template <class File>
void ExpectComponentRoundTrip()
{
    const auto before = FullComponentTest();
    const auto after = RoundTrip<File>(before);
    const File file;
    ASSERT_TRUE(after->GetTest() && after->GetRollover());
    ExpectRoundTrip(*before->GetTest(), *after->GetTest(), FormOf(file, "TEST"), kNumber);
    ExpectRoundTrip(*before->GetRollover(), *after->GetRollover(), FormOf(file, "ROLLOVER"), kNumber);
    ExpectList(before->GetVehicles(), after->GetVehicles(), FormOf(file, "VEHICLE"));
    ExpectList(before->GetComponents(), after->GetComponents(), FormOf(file, "COMPONENT"));
    ExpectList(before->GetConfigurations(), after->GetConfigurations(), FormOf(file, "CONFIGURATION"));
    ExpectList(before->GetInstrumentations(), after->GetInstrumentations(), FormOf(file, "INSTRUMENTATION"));
}

TEST(EV5RoundTrip, ComponentTestEveryColumnBack)
{
    ExpectComponentRoundTrip<ko::CEV5Com>();
    ExpectComponentRoundTrip<ko::CEV5ComExt>();
}

std::shared_ptr<ko::CBioTest> FullBiomechanicsTest()
{
    auto test = std::make_shared<ko::CBioTest>();
    test->SetTest(Filled<ko::bio::CTest>(0));
    test->SetBiologicalOccupant(Filled<ko::bio::CBiologicalOccupant>(0));
    test->SetDummyOccupant(Filled<ko::bio::CDummyOccupant>(0));
    test->SetAnthropometric(Filled<ko::bio::CAnthropometric>(0));
    for (int seed : {10, 20}) {
        test->AddRestraint(Filled<ko::bio::CRestraint>(seed));
        test->AddRibBending(Filled<ko::bio::CRibBending>(seed));
        test->AddInjury(Filled<ko::bio::COccupantInjury>(seed));
        test->AddInstrumentation(Filled<ko::bio::CInstrumentation>(seed));
        test->AddChestBand(Filled<ko::bio::CChestBandOccupant>(seed));
        test->AddChestBandGauge(Filled<ko::bio::CChestBandGauge>(seed));
    }
    return test;
}

template <class File>
void ExpectBiomechanicsRoundTrip()
{
    const auto before = FullBiomechanicsTest();
    const auto after = RoundTrip<File>(before);
    const File file;
    ASSERT_TRUE(after->GetTest() && after->GetBiologicalOccupant() && after->GetDummyOccupant() &&
                after->GetAnthropometric());
    ExpectRoundTrip(*before->GetTest(), *after->GetTest(), FormOf(file, "TEST"), kNumber);
    ExpectRoundTrip(*before->GetBiologicalOccupant(), *after->GetBiologicalOccupant(),
                    FormOf(file, "BIO OCCUPANT"), kNumber);
    ExpectRoundTrip(*before->GetDummyOccupant(), *after->GetDummyOccupant(), FormOf(file, "DUMMY OCCUPANT"),
                    kNumber);
    ExpectRoundTrip(*before->GetAnthropometric(), *after->GetAnthropometric(), FormOf(file, "ANTHROPOMETRY"),
                    kNumber);
    ExpectList(before->GetRestraints(), after->GetRestraints(), FormOf(file, "RESTRAINT"));
    ExpectList(before->GetRibBendings(), after->GetRibBendings(), FormOf(file, "RIB"));
    ExpectList(before->GetInjuries(), after->GetInjuries(), FormOf(file, "OCCUPANT INJURY"));
    ExpectList(before->GetInstrumentations(), after->GetInstrumentations(), FormOf(file, "INSTRUMENTATION"));
    ExpectList(before->GetChestBands(), after->GetChestBands(), FormOf(file, "CHEST BAND"));
    ExpectList(before->GetChestBandGauges(), after->GetChestBandGauges(), FormOf(file, "CHEST BAND GAUGE"));
}

TEST(EV5RoundTrip, BiomechanicsTestEveryColumnBack)
{
    ExpectBiomechanicsRoundTrip<ko::CEV5Bio>();
    ExpectBiomechanicsRoundTrip<ko::CEV5BioExt>();
}

// Every record line has the pipes of its section, "-" positions are empty and
// the sections follow the kind's order.
TEST(EV5RoundTrip, WrittenLines)
{
    std::string text;
    RoundTrip<ko::CEV5VehExt>(FullVehicleTest(), &text);
    const auto occupant = FormOf(ko::CEV5VehExt(), "OCCUPANT");
    std::istringstream lines(text);
    std::vector<std::string> markers;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("-----", 0) == 0) {
            markers.push_back(line);
        } else if (!markers.empty() && markers.back() == "----- OCCUPANT -----") {
            const auto fields = ko::SplitRecordLine(line);
            ASSERT_EQ(fields.size(), 64u);
            for (std::size_t i = 0; i < fields.size(); ++i)
                EXPECT_EQ(fields[i].empty(), occupant[i] == "-") << occupant[i];
        }
    }
    EXPECT_EQ(markers, (std::vector<std::string>{"----- EV5 Extension -----", "----- TEST -----",
                                                 "----- VEHICLE -----", "----- BARRIER -----",
                                                 "----- OCCUPANT -----", "----- RESTRAINT -----",
                                                 "----- INSTRUMENTATION -----", "----- END -----"}));
    EXPECT_EQ(text.rfind("# Source: EV5 Extension\n# Date: ", 0), 0u);
    // The Extension TEST line begins with the file's test number and ends with the counts.
    const std::size_t test = text.find("----- TEST -----\n") + 17;
    EXPECT_EQ(text.substr(test, 5), "4321|");
    EXPECT_EQ(text.substr(text.find('\n', test) - 4, 4), "|2|2");
}

}  // namespace
