// SPDX-License-Identifier: GPL-3.0-or-later
// The cursor table under the graph and the Align Signals command on the
// sample store's head accelerations, used with the mouse and the dialogs
// answered as a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/chart_widget.h"
#include "app/command_ids.h"
#include "app/cursor_table_view.h"
#include "app/dialog_runner.h"
#include "app/direct_start.h"
#include "app/main_frame.h"
#include "app/plot_view.h"
#include "app/start_options.h"
#include "app/time_zero_dialog.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"
#include "grid/grid_ctrl.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

constexpr int kHeadAccelerationRow = 5;  // HDCG XL of vehicle 1 in velder-cli titles order

class CursorTableAndAlign : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.resize(1000, 760);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        CStartOptions options;
        options.store = SampleStoreRoot();
        options.tests = {101, 102, 103};
        options.titleRow = kHeadAccelerationRow;
        ASSERT_TRUE(StartDirect(frame, options).isEmpty());
        ASSERT_EQ(Signals().size(), 3u);
        ASSERT_EQ(Signals().front()->GetSENATT(), "HEAD CG");
    }
    const ko::CSignalList& Signals() { return frame.Document().Model().GetCurrentSignals(); }
    CChartWidget& Chart() { return frame.PlotView().Chart(); }
    CCursorTableView& Table() { return frame.PlotView().CursorTable(); }
    QPoint Pixel(double key)
    {
        return QPoint(static_cast<int>(Chart().xAxis->coordToPixel(key)), Chart().axisRect()->center().y());
    }
    // Saves the table through the file dialog answered with path and any
    // replace question with replace; the questions asked.
    int SaveAs(const QString& path, bool replace)
    {
        int asked = 0;
        const CDialogHookScope answer([&](QDialog& dialog) {
            if (auto* file = qobject_cast<QFileDialog*>(&dialog)) {
                file->selectFile(path);
                QMetaObject::invokeMethod(file, "accept");
            } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                ++asked;
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        Table().SaveCsv();
        return asked;
    }

    CVelderTestEnv env;
    CMainFrame frame;
};

TEST_F(CursorTableAndAlign, CursorsFollowTheMouseAndTheTableIsSavedOnlyWhenAllowed)
{
    ASSERT_TRUE(Table().isVisible());
    const kores::CGridModel& rows = Table().Grid().Model();
    ASSERT_EQ(rows.RowCount(), 3);
    // A right click puts the nearer cursor there, a drag moves a cursor.
    QTest::mouseClick(&Chart(), Qt::RightButton, {}, Pixel(Chart().CursorA() + 0.002));
    const double a = Chart().CursorA();
    EXPECT_EQ(Table().Table().GetCursorA(), a);
    QTest::mousePress(&Chart(), Qt::LeftButton, {}, Pixel(Chart().CursorB()));
    QTest::mouseMove(&Chart(), Pixel(0.09));
    QTest::mouseRelease(&Chart(), Qt::LeftButton, {}, Pixel(0.09));
    EXPECT_EQ(Chart().CursorA(), a);
    EXPECT_NEAR(Chart().CursorB(), 0.09, 0.002);
    EXPECT_EQ(Table().Table().GetCursorB(), Chart().CursorB());
    EXPECT_EQ(rows.CellText(0, 2).toStdString(), Table().Table().Cells(0)[2]);
    EXPECT_EQ(rows.Heading(6), "HIC15");
    Table().CriterionBox().setCurrentIndex(Table().CriterionBox().findData("peak"));
    EXPECT_EQ(rows.Heading(6), "Peak");

    QTemporaryDir out;
    const QString path = QDir(out.path()).filePath("cursors.csv");
    EXPECT_EQ(SaveAs(path, true), 0);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), Table().Table().Csv());
    saved.close();
    Table().SetCursors(0.01, 0.02);
    EXPECT_EQ(SaveAs(path, false), 1);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_NE(saved.readAll().toStdString(), Table().Table().Csv());
    saved.close();
    EXPECT_EQ(SaveAs(path, true), 1);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), Table().Table().Csv());
    EXPECT_TRUE(env.Messages().empty());

    frame.Document().UpdateAllViews(CVelderDoc::kHintLoaded);
    EXPECT_FALSE(Table().isVisible());
    EXPECT_EQ(rows.RowCount(), 0);
}

TEST_F(CursorTableAndAlign, AlignShiftsEachTestAsShownAndReloadUndoes)
{
    QAction* align = frame.Action(cmd::kAlignSignals);
    ASSERT_TRUE(align->isEnabled());
    std::vector<double> before;
    for (const auto& signal : Signals()) before.push_back(signal->GetX().front());
    std::vector<ko::CTimeShift> shown;
    const auto answer = [&](const QString& threshold, bool correlation) {
        return CDialogHookScope([&, threshold, correlation](QDialog& dialog) {
            auto& times = dynamic_cast<kores::CTimeZeroDlg&>(dialog);
            (correlation ? times.CorrelationButton() : times.ThresholdButton()).click();
            times.ThresholdEdit().setText(threshold);
            times.ShowShifts();
            shown = times.GetShifts();
            if (times.Problem().text().isEmpty()) times.accept();
        });
    };
    {
        // Nothing reaches -1000 g: the dialog says so and nothing changes.
        const auto scope = answer("-1000", false);
        align->trigger();
        EXPECT_TRUE(shown.empty());
        EXPECT_EQ(Signals().front()->GetX().front(), before.front());
    }
    {
        const auto scope = answer("-10", false);
        align->trigger();
    }
    ASSERT_EQ(shown.size(), 3u);
    bool moved = false;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        ASSERT_TRUE(shown[i].failure.empty()) << shown[i].failure;
        EXPECT_NEAR(Signals()[i]->GetX().front(), before[i] + shown[i].seconds, 1e-12);
        moved = moved || shown[i].steps != 0;
    }
    EXPECT_TRUE(moved);
    // Aligned again by cross-correlation, the shifts are about nothing.
    {
        const auto scope = answer("-10", true);
        align->trigger();
    }
    ASSERT_EQ(shown.size(), 3u);
    for (const auto& shift : shown) EXPECT_LE(std::abs(shift.steps), 2);

    frame.Action(cmd::kReload)->trigger();
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(Signals()[i]->GetX().front(), before[i]);
    EXPECT_TRUE(env.Messages().empty());
}

}  // namespace
