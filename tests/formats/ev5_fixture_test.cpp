// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the fixtures of tests/data/ev5 (made by make_fixtures.py without the
// library): every field names its column, so each column must hold its own value.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "formats/file.h"
#include "tests/formats/ev5_test_records.h"

namespace {

using ev5test::FormOf;

constexpr int kNumber = 777;

// The value make_fixtures.py writes for a column.
std::string Named(const std::string& name, ko::ColumnType type)
{
    int sum = 0;
    for (std::size_t i = 0; i < name.size(); ++i) sum += static_cast<int>(i + 1) * name[i];
    const int c = sum % (name == "CURNO" ? 997 : 9973) + 1;
    switch (type) {
        case ko::ColumnType::Int: return std::to_string(c);
        case ko::ColumnType::Double: return ko::FormatFieldValue(c + 0.5);
        case ko::ColumnType::Date: {
            std::tm date{};
            date.tm_mday = c % 28 + 1;
            date.tm_mon = c % 12;
            date.tm_year = 90 + c % 30;
            return ko::FormatDate(date);
        }
        case ko::ColumnType::Text: break;
    }
    return name;
}

// TSTTYP marks a rollover test; TOTCRV matches the one curve (the vehicle test keeps it so).
std::string Expected(const std::string& name, ko::ColumnType type)
{
    if (name == "TSTTYP") return "ROV";
    return name == "TOTCRV" ? "1" : Named(name, type);
}

template <class R>
void ExpectNamed(const std::shared_ptr<R>& record, const std::vector<std::string>& form)
{
    ASSERT_TRUE(record);
    EXPECT_EQ(record->GetTSTNO(), kNumber);
    const R fresh;
    for (const auto& field : R::Columns()) {
        const std::string name(field.column.name);
        if (name == "TSTNO" || name == "SECURITY") continue;
        const bool inFile = std::find(form.begin(), form.end(), name) != form.end();
        EXPECT_EQ(field.GetText(*record), inFile ? Expected(name, field.column.type) : field.GetText(fresh))
            << name;
    }
}

template <class R>
void ExpectOneNamed(const std::vector<std::shared_ptr<R>>& records, const std::vector<std::string>& form)
{
    ASSERT_EQ(records.size(), 1u);
    ExpectNamed(records.front(), form);
}

template <class File>
void ExpectVehicleFixture(const std::string& path)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    File file(test, kNumber);
    file.Read(ko::ReadFileText(path));
    ExpectNamed(test->GetTest(), FormOf(file, "TEST"));
    ExpectOneNamed(test->GetVehicles(), FormOf(file, "VEHICLE"));
    ExpectNamed(test->GetBarrier(), FormOf(file, "BARRIER"));
    ExpectOneNamed(test->GetOccupants(), FormOf(file, "OCCUPANT"));
    ExpectOneNamed(test->GetRestraints(), FormOf(file, "RESTRAINT"));
    ExpectOneNamed(test->GetInstrumentations(), FormOf(file, "INSTRUMENTATION"));
    EXPECT_EQ(test->GetTest()->GetVehicleCount(), 1);
    EXPECT_EQ(test->GetTest()->GetOccupantCount(), 1);
}

TEST(EV5Fixtures, Vehicle)
{
    ExpectVehicleFixture<ko::CEV5Veh>(VELDER_TEST_DATA "/ev5/vehicle.ev5");
    ExpectVehicleFixture<ko::CEV5VehExt>(VELDER_TEST_DATA "/ev5/vehicle.e5x");
}

template <class File>
void ExpectComponentFixture(const std::string& path)
{
    auto test = std::make_shared<ko::CComTest>();
    File file(test, kNumber);
    file.Read(ko::ReadFileText(path));
    ExpectNamed(test->GetTest(), FormOf(file, "TEST"));
    ExpectOneNamed(test->GetVehicles(), FormOf(file, "VEHICLE"));
    ExpectOneNamed(test->GetComponents(), FormOf(file, "COMPONENT"));
    ExpectNamed(test->GetRollover(), FormOf(file, "ROLLOVER"));
    ExpectOneNamed(test->GetConfigurations(), FormOf(file, "CONFIGURATION"));
    ExpectOneNamed(test->GetInstrumentations(), FormOf(file, "INSTRUMENTATION"));
}

TEST(EV5Fixtures, Component)
{
    ExpectComponentFixture<ko::CEV5Com>(VELDER_TEST_DATA "/ev5/component.ev5");
    ExpectComponentFixture<ko::CEV5ComExt>(VELDER_TEST_DATA "/ev5/component.e5x");
}

template <class File>
void ExpectBiomechanicsFixture(const std::string& path)
{
    auto test = std::make_shared<ko::CBioTest>();
    File file(test, kNumber);
    file.Read(ko::ReadFileText(path));
    ExpectNamed(test->GetTest(), FormOf(file, "TEST"));
    ExpectNamed(test->GetBiologicalOccupant(), FormOf(file, "BIO OCCUPANT"));
    ExpectNamed(test->GetDummyOccupant(), FormOf(file, "DUMMY OCCUPANT"));
    ExpectOneNamed(test->GetRestraints(), FormOf(file, "RESTRAINT"));
    ExpectNamed(test->GetAnthropometric(), FormOf(file, "ANTHROPOMETRY"));
    ExpectOneNamed(test->GetRibBendings(), FormOf(file, "RIB"));
    ExpectOneNamed(test->GetInjuries(), FormOf(file, "OCCUPANT INJURY"));
    ExpectOneNamed(test->GetInstrumentations(), FormOf(file, "INSTRUMENTATION"));
    ExpectOneNamed(test->GetChestBands(), FormOf(file, "CHEST BAND"));
    ExpectOneNamed(test->GetChestBandGauges(), FormOf(file, "CHEST BAND GAUGE"));
}

TEST(EV5Fixtures, Biomechanics)
{
    ExpectBiomechanicsFixture<ko::CEV5Bio>(VELDER_TEST_DATA "/ev5/biomechanics.ev5");
    ExpectBiomechanicsFixture<ko::CEV5BioExt>(VELDER_TEST_DATA "/ev5/biomechanics.e5x");
}

// Each variant's reader refuses the other variant by its pipe counts.
TEST(EV5Fixtures, VariantsAreNotInterchangeable)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh plain(test, kNumber);
    EXPECT_EQ(ev5test::ReadFailure(plain, ko::ReadFileText(VELDER_TEST_DATA "/ev5/vehicle.e5x")),
              "Test pipe count is 31 and not 19.");
    ko::CEV5ComExt extension(std::make_shared<ko::CComTest>(), kNumber);
    EXPECT_EQ(ev5test::ReadFailure(extension, ko::ReadFileText(VELDER_TEST_DATA "/ev5/component.ev5")),
              "Test pipe count is 10 and not 13.");
    EXPECT_TRUE(ko::IsEV5ExtensionText(ko::ReadFileText(VELDER_TEST_DATA "/ev5/biomechanics.e5x")));
    EXPECT_FALSE(ko::IsEV5ExtensionText(ko::ReadFileText(VELDER_TEST_DATA "/ev5/biomechanics.ev5")));
    EXPECT_TRUE(ko::IsEV5ExtensionText("# Source: EV5 Extension\r\n"));
    EXPECT_FALSE(ko::IsEV5ExtensionText("# Source: EV5 Extension2\n"));
}

}  // namespace
