// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/bio_biological_occupant.h"
#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/curve_number.h"
#include "model/database.h"
#include "model/load_selection.h"
#include "model/security.h"
#include "model/test_number.h"
#include "model/test_type.h"
#include "model/vehicle_test.h"
#include "tests/model/fails_with.h"

namespace ko {
namespace {

using Strings = std::vector<std::string>;

Strings Texts(const CTestNumber& n)
{
    return {n.GetText(),     n.GetPaddedText(), n.GetTens(),
            n.GetHundreds(), n.GetThousands(),  n.GetTenThousands()};
}

TEST(TestNumber, TextsAtTheBoundsAndInBetween)
{
    CTestNumber n;
    EXPECT_EQ(n.GetNumber(), 0);
    EXPECT_EQ(Texts(n), Strings(6, ""));
    const std::pair<int, Strings> cases[] = {
        {1, {"1", "00001", "00000", "00000", "00000", "00000"}},
        {99999, {"99999", "99999", "99990", "99900", "99000", "90000"}},
        {25, {"25", "00025", "00020", "00000", "00000", "00000"}},
        {250, {"250", "00250", "00250", "00200", "00000", "00000"}},
        {10000, {"10000", "10000", "10000", "10000", "10000", "10000"}},
        {12345, {"12345", "12345", "12340", "12300", "12000", "10000"}},
    };
    for (const auto& [number, texts] : cases) {
        n.Set(number);
        EXPECT_EQ(n.GetNumber(), number);
        EXPECT_EQ(Texts(n), texts) << number;
    }
}

TEST(TestNumber, OutOfRangeLeavesThePreviousNumber)
{
    CTestNumber n;
    n.Set(7);
    for (int bad : {0, 100000, -3}) {
        const std::string text =
            "Test Number: " + std::to_string(bad) + " is out of range.  Range 1 to 99999";
        EXPECT_TRUE(FailsWith<std::out_of_range>([&] { n.Set(bad); }, text));
    }
    EXPECT_EQ(Texts(n), (Strings{"7", "00007", "00000", "00000", "00000", "00000"}));
}

TEST(CurveNumber, TextsAndRange)
{
    CCurveNumber c;
    EXPECT_EQ(std::pair(c.GetText(), c.GetPaddedText()), std::pair(std::string("0"), std::string("000")));
    c.Set(5);
    EXPECT_EQ(c.GetPaddedText(), "005");
    c.Set(999);
    EXPECT_EQ(std::pair(c.GetText(), c.GetPaddedText()), std::pair(std::string("999"), std::string("999")));
    EXPECT_TRUE(FailsWith<std::out_of_range>([&] { c.Set(1000); }, "Curve Number: 1000 is out of range."));
    EXPECT_TRUE(FailsWith<std::out_of_range>([&] { c.Set(0); }, "Curve Number: 0 is out of range."));
    EXPECT_EQ(c.GetNumber(), 999);
}

TEST(Database, SelectsARowByTheFirstLetterOnly)
{
    CDatabase db;
    EXPECT_EQ(std::pair(db.GetIndex(), KindCode(db.GetKind())), std::pair(1, 0x100));
    const struct {
        const char* value;
        int index, kind;
        const char* schema;
    } rows[] = {{"comdb", 3, 0x10, "COMDB"}, {"C", 3, 0x10, "COMDB"},    {"cxyz", 3, 0x10, "COMDB"},
                {"Biodb", 2, 0x4, "BIODB"},  {"t", 4, 0x10000, "TCADB"}, {"VEHDB", 1, 0x100, "VEHDB"}};
    for (const auto& row : rows) {
        db.Set(row.value);
        EXPECT_EQ(std::tuple(db.GetIndex(), KindCode(db.GetKind()), db.GetSchema()),
                  std::tuple(row.index, row.kind, row.schema))
            << row.value;
    }
    db.Set("t");
    EXPECT_EQ(db.GetDescription(), "Collision Warning");
    EXPECT_EQ(db.GetName(), "tcadb");
    db.Set("Biodb");
    EXPECT_EQ(db.GetShortName(), "bio");
}

TEST(Database, BadValuesAndUnknownKindsKeepThePreviousRow)
{
    CDatabase db;
    db.Set("c");
    EXPECT_TRUE(FailsWith<std::invalid_argument>([&] { db.Set(""); }, "Database value is empty."));
    EXPECT_TRUE(
        FailsWith<std::invalid_argument>([&] { db.Set("xdb"); }, "Value: xdb is not a valid database."));
    EXPECT_TRUE(FailsWith<std::invalid_argument>([&] { db.Set(" vehdb"); },
                                                 "Value:  vehdb is not a valid database."));
    EXPECT_EQ(db.GetName(), "comdb");
    db.SetKind(TestKind::Biomechanics);
    db.SetKind(TestKind::None);
    EXPECT_EQ(db.GetSchema(), "BIODB");
}

// Stored codes: the kinds' own codes come back as their kinds, any other code names none.
TEST(TestKind, StoredCodesAndSets)
{
    for (const TestKind kind : {TestKind::None, TestKind::Biomechanics, TestKind::Component,
                                TestKind::Vehicle, TestKind::CollisionWarning})
        EXPECT_EQ(TestKindFromCode(KindCode(kind)), kind) << KindCode(kind);
    for (const int code : {3, 0, 0x14, 0x114, -1}) EXPECT_EQ(TestKindFromCode(code), std::nullopt) << code;
    for (const MediaKind kind : {MediaKind::None, MediaKind::Photo, MediaKind::Report, MediaKind::Video})
        EXPECT_EQ(MediaKindFromCode(KindCode(kind)), kind) << KindCode(kind);
    EXPECT_EQ(MediaKindFromCode(0x10000), std::nullopt);

    EXPECT_EQ(kLoadableKinds.Bits(), 276u) << "the set the settings store";
    EXPECT_FALSE(kLoadableKinds.Has(TestKind::CollisionWarning));
    EXPECT_FALSE(kLoadableKinds.Has(TestKind::None));
    EXPECT_TRUE(KindMask().Empty());
    EXPECT_EQ(KindMask::FromBits(0x10114), kLoadableKinds | TestKind::CollisionWarning);
    EXPECT_EQ(LoadableKindFromName("comdb"), TestKind::Component);
    for (const char* name : {"tcadb", "VEHDB", "vehdb ", ""})
        EXPECT_EQ(LoadableKindFromName(name), std::nullopt);
}

template <class... T>
std::vector<TestKind> KindsOf()
{
    return {T().GetDatabase()->GetKind()...};
}

TEST(Database, EachRecordAndAggregateUsesItsDatabase)
{
    EXPECT_EQ((KindsOf<CVehicleTest, veh::CInstrumentation, veh::COccupant, veh::CSelection>()),
              std::vector<TestKind>(4, TestKind::Vehicle));
    EXPECT_EQ((KindsOf<CComTest, com::CInstrumentation, com::CSelection>()),
              std::vector<TestKind>(3, TestKind::Component));
    EXPECT_EQ((KindsOf<CBioTest, bio::CInstrumentation, bio::CBiologicalOccupant, bio::CSelection>()),
              std::vector<TestKind>(4, TestKind::Biomechanics));
}

TEST(Security, OnlyExactPublicIsPublic)
{
    CSecurity s;
    EXPECT_EQ(std::pair(s.GetLevel(), s.GetText()), std::pair(2, std::string("PRIVATE")));
    s.Set("PUBLIC");
    EXPECT_EQ(std::pair(s.GetLevel(), s.GetText()), std::pair(1, std::string("PUBLIC")));
    for (const char* value : {"public", "", "PUBLIC ", "PRIVATE"}) {
        s.Set(value);
        EXPECT_EQ(std::pair(s.GetLevel(), s.GetText()), std::pair(2, std::string("PRIVATE"))) << value;
    }
}

TEST(TestType, CopiesShareTheDatabase)
{
    CTestType a;
    a.SetLastError("old");
    CTestType b = a;
    b.SetDatabase(TestKind::Component);
    EXPECT_EQ(a.GetDatabase()->GetKind(), TestKind::Component);
    EXPECT_EQ(b.GetLastError(), "old");
    b.SetDatabase(TestKind::None);
    EXPECT_EQ(b.GetDatabase()->GetKind(), TestKind::Component);
}

}  // namespace
}  // namespace ko
