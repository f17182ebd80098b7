// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "model/bio_instrumentation.h"
#include "model/com_instrumentation.h"
#include "model/veh_instrumentation.h"
#include "tests/model/fails_with.h"

namespace ko {
namespace {

TEST(Instrumentation, NewVehicleRowIsAHeadAccelerometer)
{
    veh::CInstrumentation row;
    EXPECT_EQ(row.GetSENTYP(), "AC");
    EXPECT_EQ(row.GetSENATT(), "HDCG");
    EXPECT_EQ(row.GetAXIS(), "XL");
    EXPECT_EQ(row.GetXUNITS(), "SEC");
    EXPECT_EQ(row.GetYUNITS(), "G'S");
    EXPECT_EQ(row.GetDELT(), 0.0001);
    EXPECT_EQ(row.GetDASTAT(), "AM");
    EXPECT_EQ(row.GetCHSTAT(), "P");
    EXPECT_EQ(row.GetSENLOC(), "01");
    EXPECT_EQ(row.GetVEHNO(), 0);
    EXPECT_EQ(row.GetSECURITY(), "PRIVATE");
    EXPECT_EQ(row.GetDatabase()->GetName(), "vehdb");
    EXPECT_EQ(row.GetNumber(), 0);
    EXPECT_EQ(row.GetPaddedCURNO(), "000");
}

TEST(Instrumentation, NewComponentAndBiomechanicsRowsAreEmpty)
{
    com::CInstrumentation component;
    EXPECT_EQ(component.GetDatabase()->GetName(), "comdb");
    EXPECT_EQ(component.GetSENTYP(), "");
    EXPECT_EQ(component.GetDELT(), 0.0);
    EXPECT_EQ(component.GetSECURITY(), "PRIVATE");
    EXPECT_TRUE(IsZeroDate(component.GetCALDAT()));
    bio::CInstrumentation bio;
    EXPECT_EQ(bio.GetDatabase()->GetKind(), 0x4);
    EXPECT_EQ(bio.GetSENLOC(), "");
}

TEST(Instrumentation, CurveNumberForwardsAndKeepsItsValueOnFailure)
{
    veh::CInstrumentation row;
    row.SetCURNO(42);
    EXPECT_EQ(row.GetCURNO(), 42);
    EXPECT_EQ(row.GetPaddedCURNO(), "042");
    EXPECT_TRUE(
        FailsWith<std::out_of_range>([&] { row.SetCURNO(1000); }, "Curve Number: 1000 is out of range."));
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
    b->GetDatabase()->SetKind(0x4);
    EXPECT_EQ(a->GetDatabase()->GetKind(), 0x4);
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
