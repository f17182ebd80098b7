// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu's dialogs over the sample store: signal list and summary.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <set>

#include "app/command_ids.h"
#include "app/dialog_runner.h"
#include "app/direct_start.h"
#include "app/main_frame.h"
#include "app/signal_list_dialog.h"
#include "app/start_options.h"
#include "app/summary_dialog.h"
#include "app/velder_doc.h"
#include "app/velder_grid.h"
#include "app/velder_view.h"
#include "document/document.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

class ViewerDialogs : public ::testing::Test {
protected:
    void Start(std::vector<int> tests, std::optional<int> row)
    {
        CStartOptions options;
        options.store = SampleStoreRoot();
        options.tests = std::move(tests);
        options.titleRow = row;
        ASSERT_TRUE(StartDirect(frame, options).isEmpty());
    }
    CVelderGrid& Titles() { return frame.TitleView().Grid(); }
    // The first title row that more than one test carries.
    int SharedRow()
    {
        for (int row = 0; row < Titles().Model().RowCount(); ++row)
            if (Titles().Model().CellText(row, 0).toInt() > 1) return row;
        return -1;
    }

    CVelderTestEnv env;
    CMainFrame frame;
};

TEST_F(ViewerDialogs, SignalListShowsTheRowsOfTheChosenTitle)
{
    Start({101, 102, 103, 104}, std::nullopt);
    EXPECT_TRUE(frame.Action(cmd::kSummary)->isEnabled());
    EXPECT_FALSE(frame.Action(cmd::kSignalList)->isEnabled()) << "no title chosen yet";
    const int row = SharedRow();
    ASSERT_GE(row, 0);
    Titles().ChooseRow(row);
    ASSERT_TRUE(frame.Action(cmd::kSignalList)->isEnabled());

    std::vector<std::unique_ptr<CSignalList>> shown;
    const CDialogHookScope answer([&](QDialog& dialog) {
        auto* list = dynamic_cast<CSignalList*>(&dialog);
        ASSERT_NE(list, nullptr);
        const kores::CGridModel& lines = list->ListGrid().Model();
        EXPECT_EQ(lines.RowCount(), Titles().Model().CellText(row, 0).toInt());
        std::set<QString> tests;
        for (int line = 0; line < lines.RowCount(); ++line) tests.insert(lines.CellText(line, 0));
        EXPECT_EQ(static_cast<int>(tests.size()), lines.RowCount()) << "one line per test here";
        const kores::CGridModel& band = list->TitleGrid().Model();
        ASSERT_EQ(band.RowCount(), 1);
        int senatt = 0;
        while (Titles().Model().Heading(senatt) != "SENATT") ++senatt;
        EXPECT_EQ(band.CellText(0, 7), Titles().Model().CellText(row, senatt));
        EXPECT_TRUE(list->TitleGrid().isColumnHidden(1)) << "CMPNO hides for vehicle rows";
        EXPECT_FALSE(list->TitleGrid().isColumnHidden(0));
        EXPECT_TRUE(list->ListGrid().isColumnHidden(12));

        list->ListGrid().ClickHeading(1);
        list->ListGrid().ClickHeading(1);
        EXPECT_GE(lines.CellText(0, 1).toInt(), lines.CellText(lines.RowCount() - 1, 1).toInt())
            << "a second click sorts CURNO descending";
        const QStringList first = lines.RowCells(0);
        list->ListGrid().ClickHeading(3);
        EXPECT_EQ(lines.RowCells(0), first) << "NLP does not sort";
    });
    frame.Action(cmd::kSignalList)->trigger();
    EXPECT_TRUE(env.Messages().empty());
}

TEST_F(ViewerDialogs, SummaryHasOneLinePerLoadedTest)
{
    Start({101, 102, 103, 104}, 0);
    auto dialog = frame.CreateViewer(cmd::kSummary);
    auto* summary = dynamic_cast<CSummary*>(dialog.get());
    ASSERT_NE(summary, nullptr);
    const kores::CGridModel& lines = summary->Grid().Model();
    ASSERT_EQ(lines.RowCount(), 4);
    EXPECT_EQ(lines.Heading(0), "TEST\nNUMBER");
    const auto& tests = frame.Document().Model().GetLists<ko::CVehicleTest>().tests;
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(lines.CellText(line, 0).toInt(), ko::TestNumberOf(*tests[line]));
        const int total = static_cast<int>(tests[line]->GetInstrumentations().size());
        EXPECT_EQ(lines.CellText(line, 1).toInt(), total);
        EXPECT_EQ(lines.CellText(line, 2).toInt() + lines.CellText(line, 3).toInt(), total);
        EXPECT_EQ(lines.CellText(line, 5), lines.CellText(0, 5)) << "COMMON is one number";
    }
    EXPECT_EQ(frame.CreateViewer(cmd::kSignalList) != nullptr, frame.Document().Model().HasSelection());
}

}  // namespace
