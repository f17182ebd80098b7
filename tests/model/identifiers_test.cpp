// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/curve_number.h"
#include "model/database.h"
#include "model/security.h"
#include "model/test_number.h"
#include "model/test_type.h"
#include "tests/model/fails_with.h"

namespace ko {
namespace {

std::vector<std::string> Texts(const CTestNumber& n)
{
    return {n.GetText(),     n.GetPaddedText(), n.GetTens(),
            n.GetHundreds(), n.GetThousands(),  n.GetTenThousands()};
}

using Strings = std::vector<std::string>;

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
    EXPECT_TRUE(
        FailsWith<std::out_of_range>([&] { n.Set(0); }, "Test Number: 0 is out of range.  Range 1 to 99999"));
    EXPECT_TRUE(FailsWith<std::out_of_range>([&] { n.Set(100000); },
                                             "Test Number: 100000 is out of range.  Range 1 to 99999"));
    EXPECT_TRUE(FailsWith<std::out_of_range>([&] { n.Set(-3); },
                                             "Test Number: -3 is out of range.  Range 1 to 99999"));
    EXPECT_EQ(Texts(n), (Strings{"7", "00007", "00000", "00000", "00000", "00000"}));
}

TEST(CurveNumber, TextsAndRange)
{
    CCurveNumber c;
    EXPECT_EQ(c.GetNumber(), 0);
    EXPECT_EQ(c.GetText(), "0");
    EXPECT_EQ(c.GetPaddedText(), "000");
    c.Set(5);
    EXPECT_EQ(c.GetPaddedText(), "005");
    c.Set(999);
    EXPECT_EQ(c.GetText(), "999");
    EXPECT_EQ(c.GetPaddedText(), "999");
    EXPECT_TRUE(FailsWith<std::out_of_range>([&] { c.Set(1000); }, "Curve Number: 1000 is out of range."));
    EXPECT_TRUE(FailsWith<std::out_of_range>([&] { c.Set(0); }, "Curve Number: 0 is out of range."));
    EXPECT_EQ(c.GetNumber(), 999);
}

TEST(Database, DefaultIsTheVehicleRow)
{
    CDatabase db;
    EXPECT_EQ(db.GetIndex(), 1);
    EXPECT_EQ(db.GetKind(), 0x100);
    EXPECT_EQ(db.GetName(), "vehdb");
    EXPECT_EQ(db.GetSchema(), "VEHDB");
    EXPECT_EQ(db.GetDescription(), "Vehicle Database");
    EXPECT_EQ(db.GetLetter(), "v");
    EXPECT_EQ(db.GetShortName(), "veh");
}

TEST(Database, SelectsARowByTheFirstLetterOnly)
{
    CDatabase db;
    for (const char* value : {"comdb", "C", "cxyz"}) {
        db.Set(value);
        EXPECT_EQ(db.GetKind(), 0x10) << value;
        EXPECT_EQ(db.GetSchema(), "COMDB");
    }
    db.Set("Biodb");
    EXPECT_EQ(db.GetIndex(), 2);
    EXPECT_EQ(db.GetShortName(), "bio");
    db.Set("t");
    EXPECT_EQ(db.GetKind(), 0x10000);
    EXPECT_EQ(db.GetDescription(), "Collision Warning");
    EXPECT_EQ(db.GetName(), "tcadb");
    db.Set("VEHDB");
    EXPECT_EQ(db.GetIndex(), 1);
}

TEST(Database, BadValuesKeepThePreviousRow)
{
    CDatabase db;
    db.Set("c");
    EXPECT_TRUE(FailsWith<std::invalid_argument>([&] { db.Set(""); }, "Database value is empty."));
    EXPECT_TRUE(
        FailsWith<std::invalid_argument>([&] { db.Set("xdb"); }, "Value: xdb is not a valid database."));
    EXPECT_TRUE(FailsWith<std::invalid_argument>([&] { db.Set(" vehdb"); },
                                                 "Value:  vehdb is not a valid database."));
    EXPECT_EQ(db.GetName(), "comdb");
    EXPECT_EQ(db.GetLetter(), "c");
}

TEST(Database, SetKindSelectsKnownCodesAndIgnoresOthers)
{
    CDatabase db;
    db.SetKind(0x4);
    EXPECT_EQ(db.GetSchema(), "BIODB");
    for (int code : {3, 2, 0, 0x14, -1}) {
        db.SetKind(code);
        EXPECT_EQ(db.GetSchema(), "BIODB") << code;
    }
    db.SetKind(0x10000);
    EXPECT_EQ(db.GetIndex(), 4);
}

TEST(Security, OnlyExactPublicIsPublic)
{
    CSecurity s;
    EXPECT_EQ(s.GetLevel(), 2);
    EXPECT_EQ(s.GetText(), "PRIVATE");
    s.Set("PUBLIC");
    EXPECT_EQ(s.GetLevel(), 1);
    EXPECT_EQ(s.GetText(), "PUBLIC");
    for (const char* value : {"public", "", "PUBLIC ", "PRIVATE"}) {
        s.Set(value);
        EXPECT_EQ(s.GetLevel(), 2) << value;
        EXPECT_EQ(s.GetText(), "PRIVATE");
    }
}

TEST(TestType, CopiesShareTheDatabase)
{
    CTestType a;
    EXPECT_EQ(a.GetDatabase()->GetKind(), 0x100);
    a.SetLastError("old");
    CTestType b = a;
    b.SetDatabase(0x10);
    EXPECT_EQ(a.GetDatabase()->GetKind(), 0x10);
    EXPECT_EQ(b.GetLastError(), "old");
    b.SetDatabase(7);
    EXPECT_EQ(b.GetDatabase()->GetKind(), 0x10);
}

}  // namespace
}  // namespace ko
