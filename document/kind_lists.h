// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <vector>

#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/database.h"
#include "model/vehicle_test.h"

namespace ko {

// The instrumentation row class and kind of each test aggregate.
template <class Test>
struct CKindTraits;

template <>
struct CKindTraits<CVehicleTest> {
    using Row = veh::CInstrumentation;
    static constexpr TestKind kKind = TestKind::Vehicle;
};

template <>
struct CKindTraits<CComTest> {
    using Row = com::CInstrumentation;
    static constexpr TestKind kKind = TestKind::Component;
};

template <>
struct CKindTraits<CBioTest> {
    using Row = bio::CInstrumentation;
    static constexpr TestKind kKind = TestKind::Biomechanics;
};

// What the document holds for one kind of test.
template <class Test>
struct CKindLists {
    using TestType = Test;
    using Row = typename CKindTraits<Test>::Row;

    std::vector<std::shared_ptr<Test>> tests;  // loaded tests, in load order
    CRecordList<Row> rows;                     // every row of those tests, sorted by title
    CRecordList<Row> titles;                   // the first row of each distinct title
    CRecordList<Row> selected;                 // the chosen title (at most one)
};

// The number in the test's record, or 0 when it has none.
template <class Test>
int TestNumberOf(const Test& test)
{
    return test.GetTest() ? test.GetTest()->GetTSTNO() : 0;
}

// The first test whose number is number, or nullptr.
template <class Test>
std::shared_ptr<Test> FindTest(const std::vector<std::shared_ptr<Test>>& tests, int number)
{
    for (const auto& test : tests) {
        if (TestNumberOf(*test) == number) return test;
    }
    return nullptr;
}

}  // namespace ko
