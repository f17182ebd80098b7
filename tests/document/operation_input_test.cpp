// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "core/failure.h"
#include "core/signal.h"
#include "document/filter_choice.h"
#include "document/resample_input.h"
#include "document/spawn_path.h"
#include "document/truncate_window.h"
#include "document/typed_number.h"
#include "tests/document/document_fixtures.h"
#include "tests/support/temp_dir_test.h"

namespace {

using doc_test::MakeSignal;

std::shared_ptr<ko::CNSignal> AtClass(int cfc, double prefil = 0.0)
{
    auto signal = MakeSignal({0, 0.001}, {1, 2});
    signal->SetChannelClass(cfc);
    signal->SetPREFIL(static_cast<float>(prefil));
    return signal;
}

TEST(FilterChoice, OneSignalShowsItsClassAndItsSubmittedClass)
{
    const auto state = ko::FilterStateOf({AtClass(180, 1650.0)});
    EXPECT_EQ(state.present, 180);
    EXPECT_EQ(state.submitted, 1000);
    EXPECT_TRUE(ko::ShowsFilteredAt(state.present));
    std::vector<int> choosable;
    for (const int cfc : ko::kChoiceClasses)
        if (ko::ClassChoosable(cfc, state.present)) choosable.push_back(cfc);
    EXPECT_EQ(choosable, (std::vector<int>{60, 180}));
    EXPECT_EQ(ko::FilterStateOf({AtClass(60, 100.0)}).submitted, 60);
    EXPECT_FALSE(ko::ShowsFilteredAt(1000));
    EXPECT_FALSE(ko::ShowsFilteredAt(ko::kClassUnknown));
}

TEST(FilterChoice, SeveralSignalsOfferWhatStillFiltersOneOfThem)
{
    const auto state = ko::FilterStateOf({AtClass(60), AtClass(600), AtClass(180)});
    EXPECT_EQ(state.present, 600);
    EXPECT_FALSE(state.submitted);
    EXPECT_EQ(ko::FilterCaption({AtClass(60), AtClass(600)}), "Multiple Signals");
    auto one = AtClass(60);
    one->SetFileName("V04021001.uds");
    EXPECT_EQ(ko::FilterCaption({one}), "FileName: V04021001.uds");
}

TEST(FilterChoice, CutoffMustBeAPositiveNumber)
{
    for (const char* refused : {"abc", "-5", "0", "", "12abc", "nan", "inf"})
        EXPECT_FALSE(ko::CutoffFrequency(refused)) << refused;
    EXPECT_EQ(ko::CutoffFrequency("400"), 400.0);
    EXPECT_EQ(ko::CutoffFrequency(" 1e3 "), 1000.0);
}

TEST(ResampleInput, TimeStepMessages)
{
    EXPECT_EQ(ko::CheckTimeStep("").message, "The Time Step is emtpy.  Please enter a valid Time Step");
    EXPECT_EQ(ko::CheckTimeStep("0").message, "Time Step: 0 needs to be greater then zero.");
    EXPECT_EQ(ko::CheckTimeStep("-0.5").message, "Time Step: -0.5 needs to be greater then zero.");
    EXPECT_EQ(ko::CheckTimeStep("1,5").message,
              "Failure to convert Time Step: 1,5\n" + std::string(ko::kConversionError));
    const auto step = ko::CheckTimeStep("0.0001");
    EXPECT_TRUE(step.Ok());
    EXPECT_EQ(step.value, 0.0001);
}

TEST(ResampleInput, PointCountMessages)
{
    EXPECT_EQ(ko::CheckPointCount("").message,
              "The Number of Points is emtpy.  Please enter a valid Number of Points.");
    EXPECT_EQ(ko::CheckPointCount("1").message, "Number of Points: 1 needs to be greater then one.");
    EXPECT_EQ(ko::CheckPointCount("1").value, 1);
    EXPECT_EQ(ko::CheckPointCount("2.5").message,
              "Failure to convert Number of Points: 2.5\n" + std::string(ko::kConversionError));
    EXPECT_EQ(ko::CheckPointCount("99999999999").message.rfind("Failure to convert", 0), 0u);
    EXPECT_EQ(ko::CheckPointCount("2").value, 2);
    EXPECT_TRUE(ko::CheckPointCount("2").Ok());
}

TEST(ResampleInput, PointsBecomeATimeStepOverTheSignal)
{
    auto signal = MakeSignal({0, 0.001, 0.002, 0.003, 0.004}, {0, 1, 2, 3, 4});
    signal->SetDEL(0.001);
    signal->SetNFP(0);
    signal->SetNLP(4);
    const double dt = ko::TimeStepForPoints(*signal, 9);
    EXPECT_DOUBLE_EQ(dt, 0.0005);
    signal->Resample(dt);
    EXPECT_EQ(signal->GetY().size(), 9u);
    EXPECT_DOUBLE_EQ(signal->GetY()[1], 0.5);
    EXPECT_THROW(ko::TimeStepForPoints(*MakeSignal({1}, {1}), 5), ko::CFailure);
}

TEST(TruncateWindow, ClearedBoundsStandForTheSignalsEnds)
{
    const auto signal = MakeSignal({-0.01, 0.0, 0.05, 0.1, 0.2}, {1, 2, 3, 4, 5});
    EXPECT_FALSE(ko::TruncateWindow({}, *signal));
    EXPECT_EQ(ko::TruncateWindow({true, 0.0, true, 0.1}, *signal), (std::pair{0.0, 0.1}));
    EXPECT_EQ(ko::TruncateWindow({true, 0.05, false, 7.0}, *signal), (std::pair{0.05, 0.2}));
    EXPECT_EQ(ko::TruncateWindow({false, 7.0, true, 0.1}, *signal), (std::pair{-0.01, 0.1}));
    EXPECT_EQ(ko::BoundValue("abc"), 0.0);
    EXPECT_EQ(ko::BoundValue(""), 0.0);
    EXPECT_EQ(ko::BoundValue("0.025"), 0.025);
}

class SpawnPathTest : public testsupport::TempDirTest {};

TEST_F(SpawnPathTest, AnExistingFolderGetsItsSeparator)
{
    const auto typed = ko::CheckSpawnPath(dir_.string());
    ASSERT_TRUE(typed.Ok()) << typed.message;
    EXPECT_EQ(typed.path, dir_.string() + "/");
    EXPECT_EQ(ko::CheckSpawnPath(dir_.string() + "/").path, dir_.string() + "/");
    const std::string missing = Path("missing");
    EXPECT_EQ(ko::CheckSpawnPath(missing).message, "Invalid Path: " + missing);
    const std::string file = Put("file", {1});
    EXPECT_EQ(ko::CheckSpawnPath(file).message, "Invalid Path: " + file);
    EXPECT_EQ(ko::CheckSpawnPath("").message, "Invalid Path: ");
    EXPECT_EQ(ko::SpawnProgram("/opt/tools/", "velder"), "/opt/tools/velder");
}

}  // namespace
