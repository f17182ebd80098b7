// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document.h"

#include <gtest/gtest.h>

#include "tests/core/ops_test_signal.h"
#include "tests/document/document_fixtures.h"

namespace {

using doc_test::CFakeAgent;
using doc_test::CFill;
using doc_test::Titled;

// Test 1: HDCG (curve 1), CHST (2). Test 2: CHST (1), HDCG (2), HDCG (3).
class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        agent_->Add(doc_test::VehicleTest(1, {Titled(1, 1, "HDCG"), Titled(1, 2, "CHST")}), 1);
        agent_->Add(
            doc_test::VehicleTest(2, {Titled(2, 1, "CHST"), Titled(2, 2, "HDCG"), Titled(2, 3, "HDCG")}), 2);
    }

    std::vector<std::pair<int, int>> SignalIds() const
    {
        std::vector<std::pair<int, int>> ids;
        for (const auto& s : document_.GetCurrentSignals()) ids.emplace_back(s->GetTSTNO(), s->GetCURNO());
        return ids;
    }

    std::shared_ptr<CFakeAgent> agent_ = std::make_shared<CFakeAgent>();
    ko::CDocument document_{agent_};
};

TEST_F(DocumentTest, LoadingBuildsDistinctTitlesWithCounts)
{
    EXPECT_EQ(document_.GetKind(), ko::TestKind::None);
    EXPECT_EQ(document_.GetPlotTitles().main, "Rendal - MTD");
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {1, 2, 3}));
    EXPECT_EQ(document_.GetKind(), ko::TestKind::Vehicle);
    EXPECT_EQ(document_.GetTestCount(), 2u);
    ASSERT_EQ(document_.GetFailures().size(), 1u);
    EXPECT_EQ(document_.GetFailures()[0].testNumber, 3);
    EXPECT_EQ(document_.GetFailures()[0].text, "Failure to load test number: 3");

    EXPECT_EQ(document_.GetTitleHeadings().front(), "#");
    EXPECT_EQ(document_.GetTitleHeadings().size(), 10u);
    ASSERT_EQ(document_.GetTitleCount(), 2u);
    EXPECT_EQ(document_.GetTitleCounts(), (std::vector<std::uint32_t>{2, 3}));
    EXPECT_EQ(document_.GetTitleTexts(0)[2], "CHST");
    EXPECT_TRUE(document_.GetTitleTexts(2).empty());
    EXPECT_FALSE(document_.HasSelection());
    EXPECT_TRUE(document_.GetCurrentSignals().empty());
    EXPECT_EQ(document_.GetPlotTitles().main, "");
}

TEST_F(DocumentTest, OtherKindsLoadNothing)
{
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {1}));
    EXPECT_FALSE(document_.LoadTests(ko::TestKind::CollisionWarning, {1}));
    EXPECT_EQ(document_.GetKind(), ko::TestKind::Vehicle);
    EXPECT_EQ(document_.GetTitleCount(), 2u);
    EXPECT_FALSE(ko::CDocument().LoadTests(ko::TestKind::Vehicle, {1}));  // no agent
}

TEST_F(DocumentTest, SelectingReadsEveryRowOfTheTitleInSortedOrder)
{
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {1, 2}));
    ASSERT_TRUE(document_.SelectTitle(1));  // HDCG: test 1 curve 1, test 2 curves 2 and 3
    EXPECT_TRUE(document_.HasSelection());
    EXPECT_EQ(SignalIds(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {2, 3}}));
    // Each fill saw the agent's current test set to the row's test.
    EXPECT_EQ(agent_->Fills(), (std::vector<CFill>{{1, 1, 1}, {2, 2, 2}, {2, 3, 2}}));
    EXPECT_EQ(document_.GetPlotArrays().subsetCount, 3u);
    EXPECT_EQ(document_.GetPlotArrays().y[3], 2002.0);
    EXPECT_EQ(document_.GetPlotTitles().subtitle, "v1c1.uds\tv2c2.uds\tv2c3.uds\t");
    EXPECT_TRUE(document_.GetFailures().empty());

    const auto rows = document_.SelectedRows<ko::CVehicleTest>();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2]->GetCURNO(), 3);
    EXPECT_FALSE(document_.SelectTitle(2));
}

TEST_F(DocumentTest, GridTextsSelectAndUnparsableIntegersMatchNothing)
{
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {1, 2}));
    auto texts = document_.GetTitleTexts(0);
    ASSERT_TRUE(document_.SelectTitle(texts));
    EXPECT_EQ(SignalIds(), (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}}));
    texts[0] = "one";
    ASSERT_TRUE(document_.SelectTitle(texts));
    EXPECT_TRUE(document_.GetCurrentSignals().empty());
    EXPECT_EQ(document_.GetPlotTitles().main, "");
}

TEST_F(DocumentTest, AFailedCurveIsSkippedWithTheAgentsText)
{
    agent_->FailCurve(2, 2, "No UDS file - Curve Number: 2 Datstat: NO");
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {1, 2}));
    ASSERT_TRUE(document_.SelectTitle(1));
    EXPECT_EQ(SignalIds(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 3}}));
    ASSERT_EQ(document_.GetFailures().size(), 1u);
    EXPECT_EQ(document_.GetFailures()[0].curveNumber, 2);
    EXPECT_EQ(document_.GetFailures()[0].text, "No UDS file - Curve Number: 2 Datstat: NO");
}

TEST_F(DocumentTest, ARowThatCannotBeAddressedReadsNoOtherCurve)
{
    // A row without a curve number: SetCurveNumber fails, and the curve set
    // before must not be read again in its place.
    agent_->Add(doc_test::VehicleTest(4, {Titled(4, 1, "HDCG"), Titled(4, 0, "HDCG")}), 4);
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {4}));
    ASSERT_TRUE(document_.SelectTitle(0));
    EXPECT_EQ(SignalIds(), (std::vector<std::pair<int, int>>{{4, 1}}));
    ASSERT_EQ(document_.GetFailures().size(), 1u);
    EXPECT_EQ(document_.GetFailures()[0].text, "Curve Number: 0 is out of range.");
    EXPECT_EQ(agent_->Fills().size(), 1u);
}

TEST_F(DocumentTest, RowsOfTestsNotLoadedAreSkipped)
{
    // A test's rows may name another test number: no loaded test, no signal.
    agent_->Add(doc_test::VehicleTest(5, {Titled(6, 1, "HDCG")}), 5);
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {5}));
    ASSERT_TRUE(document_.SelectTitle(0));
    EXPECT_TRUE(document_.GetCurrentSignals().empty());
    EXPECT_TRUE(document_.GetFailures().empty());
}

// What the user sees of the signals: the plotted values and the Copy Data text.
std::pair<std::vector<double>, std::string> Shown(const ko::CDocument& document)
{
    return {document.GetPlotArrays().y, document.CopyDataText()};
}

TEST_F(DocumentTest, AFailedCommandLeavesTheSignalsAsTheyWere)
{
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {1, 2}));
    ASSERT_TRUE(document_.SelectTitle(1));
    const auto before = Shown(document_);
    int calls = 0;
    EXPECT_THROW(document_.ApplyToSignals([&](ko::CNSignal& s) {
        if (++calls == 2) throw std::logic_error("stop");
        s.YValues()[0] = -1.0;
    }),
                 std::logic_error);
    EXPECT_EQ(document_.GetCurrentSignals()[0]->GetY()[0], 1001.0);
    EXPECT_EQ(Shown(document_), before);

    // Standard deviation aligns the first signal with the others before it finds
    // that a signal without a time step still differs in length.
    document_.SetCurrentSignals({ko::test::SampledSignal(0.001, 0, {1, 2, 3, 4, 5}),
                                 ko::test::XYSignal({0, 1, 2, 3}, {1, 1, 1, 1}),
                                 ko::test::SampledSignal(0.001, 1, {7, 8, 9})});
    const auto aligned = Shown(document_);
    EXPECT_EQ(ko::test::FailureOf([&] { document_.AddSigmaSignals(); }),
              "Signal lengths not the same.  Resample/Tuncate.");
    EXPECT_EQ(document_.GetCurrentSignals()[0]->GetY().size(), 5u);
    EXPECT_EQ(Shown(document_), aligned);
}

TEST_F(DocumentTest, OperationsChangeSignalsAndReloadDropsThem)
{
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {1, 2}));
    ASSERT_TRUE(document_.SelectTitle(1));
    EXPECT_EQ(document_.GetPlotArrays().y[0], 1001.0);
    document_.ApplyToSignals([](ko::CNSignal& s) { s.YValues()[0] = -1.0; });
    EXPECT_EQ(document_.GetCurrentSignals()[2]->GetY()[0], -1.0);
    EXPECT_EQ(document_.GetPlotArrays().y[0], -1.0);

    document_.AddSigmaSignals();
    ASSERT_EQ(document_.GetCurrentSignals().size(), 5u);
    EXPECT_EQ(document_.GetCurrentSignals()[4]->GetFallbackName(), "Minus 1 Sigma");
    document_.AverageSignals();
    EXPECT_EQ(document_.GetCurrentSignals().size(), 1u);
    EXPECT_EQ(document_.GetPlotArrays().subsetCount, 1u);

    document_.Reload();
    EXPECT_EQ(SignalIds(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {2, 3}}));
    EXPECT_EQ(document_.GetCurrentSignals()[0]->GetY()[0], 1001.0);
}

TEST_F(DocumentTest, SummaryAndCopyTextUseTheCurrentKind)
{
    EXPECT_TRUE(document_.Summary().empty());
    ASSERT_TRUE(document_.LoadTests(ko::TestKind::Vehicle, {1, 2}));
    const auto lines = document_.Summary();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].total, 3u);
    EXPECT_EQ(lines[1].unique, 1u);  // the second HDCG row
    ASSERT_TRUE(document_.SelectTitle(0));
    EXPECT_EQ(document_.CopyDataText().substr(0, 25), "Test/Curve Number: 1/2\t\tT");
}

TEST(DocumentKinds, BiomechanicsTitlesIgnoreTheSensorLocation)
{
    auto agent = std::make_shared<CFakeAgent>();
    for (int number : {7, 8}) {
        auto row = std::make_shared<ko::bio::CInstrumentation>();
        row->SetTSTNO(number);
        row->SetCURNO(4);
        row->SetSENATT("HEAD");
        row->SetSENLOC(number == 7 ? "01" : "02");
        auto test = std::make_shared<ko::CBioTest>();
        test->SetTest(std::make_shared<ko::bio::CTest>());
        test->SetTestNumber(number);
        test->AddInstrumentation(row);
        agent->Add(test, number);
    }
    ko::CDocument document(agent);
    ASSERT_TRUE(document.LoadTests(ko::TestKind::Biomechanics, {7, 8}));
    EXPECT_EQ(document.GetTitleHeadings().size(), 8u);
    EXPECT_EQ(document.GetTitleCounts(), (std::vector<std::uint32_t>{2}));
    ASSERT_TRUE(document.SelectTitle(0));
    EXPECT_EQ(agent->Fills(), (std::vector<CFill>{{7, 4, 7}, {8, 4, 8}}));
    EXPECT_EQ(document.GetLists<ko::CBioTest>().selected.size(), 1u);
    EXPECT_TRUE(document.GetLists<ko::CVehicleTest>().tests.empty());
}

}  // namespace
