// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "model/com_instrumentation.h"
#include "model/veh_instrumentation.h"

namespace ko {
namespace {

TEST(Instrumentation, CurveNumberForwardsAndKeepsItsValueOnFailure)
{
    veh::CInstrumentation row;
    row.SetCURNO(42);
    EXPECT_EQ(row.GetCURNO(), 42);
    EXPECT_EQ(row.GetPaddedCURNO(), "042");
    EXPECT_THROW(row.SetCURNO(1000), std::out_of_range);
    EXPECT_EQ(row.GetCURNO(), 42);
}

TEST(Instrumentation, AssignmentSharesCurveNumberDatabaseAndSecurity)
{
    auto a = std::make_shared<com::CInstrumentation>();
    a->Set(123);
    a->SetCURNO(7);
    a->SetSENTYP("LC");
    auto b = std::make_shared<com::CInstrumentation>();
    *b = *a;
    EXPECT_EQ(b->GetNumber(), 123);
    EXPECT_EQ(b->GetSENTYP(), "LC");
    b->GetCurveNumber()->Set(9);
    EXPECT_EQ(a->GetCURNO(), 9);
    b->SetSECURITY("PUBLIC");
    EXPECT_EQ(a->GetSECURITY(), "PUBLIC");
    b->GetDatabase()->SetKind(ko::TestKind::Biomechanics);
    EXPECT_EQ(a->GetDatabase()->GetKind(), ko::TestKind::Biomechanics);
    b->SetSENTYP("AC");
    b->Set(5);
    EXPECT_EQ(a->GetSENTYP(), "LC");
    EXPECT_EQ(a->GetNumber(), 123);
}

TEST(Instrumentation, NewRowsDoNotShare)
{
    veh::CInstrumentation a;
    veh::CInstrumentation b;
    a.SetCURNO(3);
    a.SetSECURITY("PUBLIC");
    EXPECT_EQ(b.GetCURNO(), 0);
    EXPECT_EQ(b.GetSECURITY(), "PRIVATE");
}

}  // namespace
}  // namespace ko
