// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over the sample store: enabling, loading through the
// dialogs, title selection by click and arrow keys, and the signal commands.
#include "app/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QBrush>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/batch_test_numbers.h"
#include "app/chart_widget.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/direct_start.h"
#include "app/plot_view.h"
#include "app/start_options.h"
#include "app/test_selection_dialog.h"
#include "app/velder_doc.h"
#include "app/velder_grid.h"
#include "app/velder_view.h"
#include "core/signal.h"
#include "document/document.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

// Takes the URLs the desktop would open.
class CUrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void Open(const QUrl& url) { urls << url; }
};

class MainFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.resize(1200, 800);
        frame.show();
    }

    CVelderDoc& Doc() { return frame.Document(); }
    CVelderGrid& Grid() { return frame.TitleView().Grid(); }
    CChartWidget& Chart() { return frame.PlotView().Chart(); }
    const ko::CSignalList& Signals() { return Doc().Model().GetCurrentSignals(); }
    void Trigger(int id) { frame.Action(id)->trigger(); }

    // The store root chosen in the source selection and handed to the batch dialog.
    kores::CBatchTestNumbers& OpenStore()
    {
        CSourceSelection selection(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceUnknown, &frame,
                                   EntryMode(ko::EEntryMode::B));
        selection.SetSelection(kores::kSourceFiles);
        selection.DirectoryBox()->setEditText(SampleStoreRoot());
        EXPECT_TRUE(selection.Apply());
        kores::CBatchTestNumbers& batch = Doc().Batch();
        EXPECT_FALSE(batch.TakeSource(selection.Result())) << "a store root keeps the batch dialog open";
        batch.Prepare();
        return batch;
    }
    // Numbers typed into the batch dialog, then its OK step and the document's load.
    QString LoadVehicleTests(const std::vector<int>& numbers)
    {
        kores::CBatchTestNumbers& batch = OpenStore();
        for (const int number : numbers) {
            batch.NumberEdit()->setText(QString::number(number));
            batch.Add();
        }
        const QString report = batch.LoadChosenTests();
        EXPECT_TRUE(Doc().LoadFromBatch());
        return report;
    }

    int DastatColumn() const
    {
        const auto headings = frame.Document().Model().GetTitleHeadings();
        return static_cast<int>(std::find(headings.begin(), headings.end(), "DASTAT") - headings.begin());
    }
    // The first row whose title has count signals to read (not DASTAT "NO").
    int RowWithCount(int count)
    {
        for (int row = 0; row < Grid().Model().RowCount(); ++row) {
            if (Grid().Model().CellText(row, 0).toInt() == count &&
                Grid().Model().CellText(row, DastatColumn()) != "NO")
                return row;
        }
        return -1;
    }
    void Click(int row)
    {
        const QModelIndex index = Grid().Model().index(row, 1);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, Grid().visualRect(index).center());
    }
    std::vector<std::vector<double>> Ys()
    {
        std::vector<std::vector<double>> ys;
        for (const auto& signal : Signals()) ys.push_back(signal->GetY());
        return ys;
    }
    std::vector<std::string> SelectedTitle()
    {
        const auto& selected = Doc().Model().GetLists<ko::CVehicleTest>().selected;
        return selected.empty() ? std::vector<std::string>{} : ko::TitleTexts(*selected.front());
    }

    CVelderTestEnv env;
    CMainFrame frame;
};

TEST_F(MainFrame, StartsWithOnlyOpenSpawnPathAboutExitViewCommandsAndHelpEnabled)
{
    EXPECT_EQ(frame.windowTitle(), "Velder");
    const std::set<int> enabled = {cmd::kFileOpen,      cmd::kExit,  cmd::kAbout,     cmd::kViewToolBar,
                                   cmd::kViewStatusBar, cmd::kSplit, cmd::kSpawnPath, cmd::kHelpTopics};
    for (const CCommandInfo& info : Commands()) {
        ASSERT_NE(frame.Action(info.id), nullptr) << info.id;
        EXPECT_EQ(frame.Action(info.id)->isEnabled(), enabled.count(info.id) == 1) << info.text;
    }
    EXPECT_EQ(frame.Action(cmd::kFileOpen)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(frame.Action(cmd::kCopyPlot)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")}));
    EXPECT_EQ(frame.Action(cmd::kCfc60)->statusTip(), "Filter Signal - CFC 60");
    EXPECT_EQ(frame.Action(cmd::kCfc60)->toolTip(), "Channel Frequency Class 60");

    QStringList menus;
    for (QAction* menu : frame.menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Operate", "&Help"}));
    std::vector<int> tools;
    for (QAction* tool : frame.ToolBar().actions())
        tools.push_back(tool->isSeparator() ? 0 : tool->data().toInt());
    EXPECT_EQ(tools, ToolBarCommands());
    EXPECT_EQ(frame.Splitter().widget(0), &frame.TitleView());
    EXPECT_EQ(frame.Splitter().widget(1), &frame.PlotView());
    EXPECT_EQ(Grid().Model().RowCount(), 0);
    EXPECT_FALSE(Doc().HasGraph());
}

TEST_F(MainFrame, HelpTopicsOpensTheHelpPageInTheBrowser)
{
    QStandardPaths::setTestModeEnabled(true);
    CUrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    Trigger(cmd::kHelpTopics);
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.urls.size(), 1);
    QFile page(catcher.urls.front().toLocalFile());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
    const QString html = QString::fromUtf8(page.readAll());
    page.remove();
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>"));
    for (const char* text : {"<h2>Operate</h2>", "<dt>Standard Deviation</dt>", "<dt>Open...</dt>",
                             "<dd>Filter Signal - CFC 60</dd>", "<dt>Help Topics</dt>"})
        EXPECT_TRUE(html.contains(text)) << text;
    EXPECT_TRUE(env.Messages().empty());
}

TEST_F(MainFrame, SplitRestoresThePaneDivision)
{
    QApplication::processEvents();
    const QList<int> standard = frame.Splitter().sizes();
    frame.Splitter().setSizes({standard[0] + standard[1] - 40, 40});
    ASSERT_NE(frame.Splitter().sizes(), standard);
    Trigger(cmd::kSplit);
    EXPECT_EQ(frame.Splitter().sizes(), standard);
}

TEST_F(MainFrame, LoadsTestsChosenInTheDialogsAndReportsTheMissingOne)
{
    kores::CBatchTestNumbers& batch = OpenStore();
    ASSERT_TRUE(batch.FillAvailable());
    ASSERT_EQ(batch.AvailableList()->count(), 4) << "the four vehicle tests of the store";

    const auto chooser = batch.MakeSelectionDialog();
    ASSERT_TRUE(chooser);
    ASSERT_TRUE(chooser->ChooseFilter(chooser->FilterCount() - 1, "103"));
    batch.AddNumber(chooser->GetTestNumber());
    batch.NumberEdit()->setText("101");
    batch.Add();
    batch.NumberEdit()->setText("999");
    batch.Add();
    EXPECT_EQ(batch.ChosenNumbers(), (std::vector<int>{103, 101, 999}));

    const QString report = batch.LoadChosenTests();
    EXPECT_TRUE(report.startsWith("Failure to load test number: 999\n")) << report.toStdString();
    EXPECT_EQ(report.count("Failure to load"), 1) << report.toStdString();
    EXPECT_TRUE(report.endsWith('\n'));
    QSignalSpy updates(&Doc(), &CVelderDoc::Updated);
    ASSERT_TRUE(Doc().LoadFromBatch());
    ASSERT_EQ(updates.count(), 1);
    EXPECT_EQ(updates[0][0].toInt(), CVelderDoc::kHintLoaded);
    EXPECT_EQ(Doc().Model().GetTestCount(), 2u);
    EXPECT_EQ(static_cast<std::size_t>(Grid().Model().RowCount()), Doc().Model().GetTitleCount());
    EXPECT_GT(Grid().Model().RowCount(), 0);
    EXPECT_EQ(Grid().Model().Heading(0), "#");
    EXPECT_FALSE(frame.Action(cmd::kCfc60)->isEnabled()) << "no graph before a title is chosen";

    batch.ChooseDatabase(ko::TestKind::CollisionWarning);
    EXPECT_FALSE(Doc().LoadFromBatch()) << "collision-warning tests load nothing";
    EXPECT_EQ(updates.count(), 1);
}

// Answers the modal dialogs of "&Open..." as a user would: the store root in
// the source selection, then two test numbers in the batch dialog. Returns
// the names of the dialogs met, in order.
QStringList OpenWithDialogs(QAction& open)
{
    QStringList met;
    int ticks = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* source = qobject_cast<CSourceSelection*>(modal)) {
            met << "source";
            source->SetSelection(kores::kSourceFiles);
            source->DirectoryBox()->setEditText(SampleStoreRoot());
            source->accept();
        } else if (auto* batch = qobject_cast<kores::CBatchTestNumbers*>(modal)) {
            met << "batch";
            batch->RemoveAll();
            batch->AddNumber(101);
            batch->AddNumber(102);
            batch->accept();
        } else if (modal && ++ticks > 500) {
            met << modal->metaObject()->className();
            static_cast<QDialog*>(modal)->reject();
        }
    });
    driver.start(10);
    open.trigger();
    return met;
}

TEST_F(MainFrame, OpenAsksForTheSourceOnceThenForTestNumbers)
{
    EXPECT_EQ(OpenWithDialogs(*frame.Action(cmd::kFileOpen)), QStringList({"source", "batch"}));
    EXPECT_EQ(Doc().Model().GetTestCount(), 2u);
    EXPECT_GT(Grid().Model().RowCount(), 0);
    EXPECT_EQ(kores::CSourceProfile::Selection(), kores::kSourceFiles);
    EXPECT_EQ(OpenWithDialogs(*frame.Action(cmd::kFileOpen)), QStringList({"batch"}))
        << "the store root stays the source";
    EXPECT_TRUE(env.Messages().empty());
}

TEST_F(MainFrame, ClickingATitlePlotsOneCurvePerMatchingRow)
{
    ASSERT_TRUE(LoadVehicleTests({101, 102, 103, 104}).isEmpty());
    const int row = RowWithCount(4);
    ASSERT_GE(row, 0);
    Click(row);
    EXPECT_EQ(SelectedTitle(), Grid().RowTitle(row));
    EXPECT_EQ(Signals().size(), 4u);
    EXPECT_EQ(Chart().SubsetCount(), 4);
    EXPECT_TRUE(Doc().HasGraph());
    EXPECT_TRUE(frame.Action(cmd::kCfc60)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kStandardDeviation)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kAlignSignals)->isEnabled());

    Grid().ClickHeading(0);
    Grid().ClickHeading(0);
    const int shown = 0;
    Click(shown);
    EXPECT_EQ(SelectedTitle(), Grid().RowTitle(shown)) << "the title read back from the sorted grid";
    EXPECT_EQ(Chart().SubsetCount(), Grid().Model().CellText(shown, 0).toInt());
}

TEST_F(MainFrame, ArrowKeysStepThroughTheTitles)
{
    LoadVehicleTests({101, 102});
    ASSERT_GE(Grid().Model().RowCount(), 3);
    Click(0);
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(SelectedTitle(), Grid().RowTitle(1));
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(SelectedTitle(), Grid().RowTitle(2));
    QTest::keyClick(&Grid(), Qt::Key_Up);
    EXPECT_EQ(SelectedTitle(), Grid().RowTitle(1));
    QTest::keyClick(&Grid(), Qt::Key_Up);
    QTest::keyClick(&Grid(), Qt::Key_Up);
    EXPECT_EQ(SelectedTitle(), Grid().RowTitle(0)) << "nothing above the first row";
}

TEST_F(MainFrame, RowsAreColouredByDataStatus)
{
    LoadVehicleTests({101, 102, 103, 104});
    std::set<QString> seen;
    for (int row = 0; row < Grid().Model().RowCount(); ++row) {
        const QString dastat = Grid().Model().CellText(row, DastatColumn());
        seen.insert(dastat);
        EXPECT_EQ(Grid().Model().RowColor(row), CVelderGrid::DastatColor(dastat)) << dastat.toStdString();
    }
    EXPECT_TRUE(seen.count("CF") && seen.count("NO")) << "the store has these statuses";
    EXPECT_EQ(CVelderGrid::DastatColor("CF"), QColor(240, 110, 90));
    EXPECT_EQ(CVelderGrid::DastatColor("MN"), QColor(240, 110, 90));
    EXPECT_EQ(CVelderGrid::DastatColor("QD"), QColor(255, 255, 0));
    EXPECT_EQ(CVelderGrid::DastatColor("NO"), QColor(0, 225, 0));
    EXPECT_EQ(CVelderGrid::DastatColor("CM"), QColor(0, 0, 225));
    EXPECT_FALSE(CVelderGrid::DastatColor("cf").isValid());
    EXPECT_FALSE(CVelderGrid::DastatColor("AM").isValid());
    for (const char* dastat : {"CF", "QD", "NO", "CM"}) {
        const int row = Grid().Model().AppendRow({"1"}, CVelderGrid::DastatColor(dastat));
        const auto text =
            Grid().Model().data(Grid().Model().index(row, 0), Qt::ForegroundRole).value<QBrush>();
        EXPECT_GE(kores::ContrastRatio(text.color(), CVelderGrid::DastatColor(dastat)), 4.5) << dastat;
    }
}

TEST_F(MainFrame, Cfc60ChangesEveryCurveAndTheSubtitle)
{
    LoadVehicleTests({101, 102, 103, 104});
    Click(RowWithCount(4));
    const auto before = Ys();
    QSignalSpy updates(&Doc(), &CVelderDoc::Updated);
    Trigger(cmd::kCfc60);
    ASSERT_EQ(updates.count(), 1);
    ASSERT_EQ(Signals().size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_NE(Signals()[i]->GetY(), before[i]) << i;
        EXPECT_EQ(Signals()[i]->GetChannelClass(), 60) << i;
    }
    EXPECT_TRUE(env.Messages().empty());

    const int single = RowWithCount(1);
    ASSERT_GE(single, 0) << "a channel only one test has";
    Click(single);
    const QString subtitle = Chart().Subtitle();
    ASSERT_TRUE(subtitle.startsWith("Ymin "));
    Trigger(cmd::kCfc60);
    EXPECT_NE(Chart().Subtitle(), subtitle);
    EXPECT_EQ(Chart().Subtitle().toStdString(), Doc().Model().GetPlotTitles().subtitle);
}

TEST_F(MainFrame, AnOperationErrorLeavesEverySignalAsItWas)
{
    LoadVehicleTests({101, 102, 103, 104});
    Click(RowWithCount(4));
    ASSERT_GE(Signals().size(), 3u);
    Signals()[1]->SetXY({0.0, 1e-4}, {1.0, 2.0});
    const auto before = Ys();
    const std::vector<double> plotted = Doc().Model().GetPlotArrays().y;
    QSignalSpy updates(&Doc(), &CVelderDoc::Updated);
    Trigger(cmd::kDerivate);
    ASSERT_EQ(env.Messages().size(), 1u);
    EXPECT_EQ(env.Messages()[0].first, QMessageBox::Critical);
    EXPECT_EQ(env.Messages()[0].second, "Too few data points to compute a derivative");
    EXPECT_EQ(Ys(), before) << "the first signal was derived only on a copy";
    EXPECT_FALSE(Signals()[0]->IsModified());
    EXPECT_EQ(updates.count(), 0) << "no graph update after an error";
    EXPECT_EQ(Doc().Model().GetPlotArrays().y, plotted);
}

TEST_F(MainFrame, SigmaAverageAndReload)
{
    LoadVehicleTests({101, 102, 103, 104});
    Click(RowWithCount(4));
    Trigger(cmd::kStandardDeviation);
    ASSERT_EQ(Signals().size(), 6u);
    EXPECT_EQ(Signals()[4]->GetFallbackName(), "Plus 1 Sigma");
    EXPECT_EQ(Signals()[5]->GetFallbackName(), "Minus 1 Sigma");
    EXPECT_EQ(Chart().SubsetCount(), 6);
    Trigger(cmd::kAverage);
    ASSERT_EQ(Signals().size(), 1u);
    EXPECT_EQ(Chart().SubsetCount(), 1);
    EXPECT_FALSE(frame.Action(cmd::kStandardDeviation)->isEnabled());
    Trigger(cmd::kReload);
    EXPECT_EQ(Signals().size(), 4u) << "reload reads the title's signals again";
    EXPECT_TRUE(env.Messages().empty());
}

TEST_F(MainFrame, CrosshairPointShowsInTheStatusBar)
{
    LoadVehicleTests({101});
    Click(RowWithCount(1));
    ASSERT_TRUE(Chart().HasGraph());
    const QRect area = Chart().axisRect()->rect();
    QTest::mouseMove(&Chart(), area.center());
    EXPECT_TRUE(frame.Readout().text().contains("x = ")) << frame.Readout().text().toStdString();
}

TEST_F(MainFrame, DirectStartLoadsTheStoreTestsAndPlotsTheTitleRow)
{
    CStartOptions options;
    options.store = SampleStoreRoot();
    options.tests = {101, 102, 999};
    options.titleRow = 0;
    const QString problems = StartDirect(frame, options);
    EXPECT_TRUE(problems.startsWith("Failure to load test number: 999\n")) << problems.toStdString();
    EXPECT_EQ(Doc().Model().GetTestCount(), 2u);
    EXPECT_EQ(SelectedTitle(), Grid().RowTitle(0));
    EXPECT_TRUE(Doc().HasGraph());

    options.tests = {101};
    options.titleRow = 1000;
    EXPECT_TRUE(StartDirect(frame, options).contains("There is no title row 1000"))
        << "the row is out of range";
    options.store = SampleStoreRoot() + "/nowhere";
    EXPECT_FALSE(StartDirect(frame, options).isEmpty()) << "a store that does not exist";
}

TEST_F(MainFrame, ScreenshotOfThePlottedTitle)
{
    LoadVehicleTests({101, 102, 103, 104});
    Click(RowWithCount(4));
    QApplication::processEvents();
    const QImage image = frame.grab().toImage();
    ASSERT_FALSE(image.isNull());
    const QString path = QString(VELDER_BUILD_DIR) + "/velder_main_window.png";
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    EXPECT_EQ(Chart().SubsetCount(), 4);
    EXPECT_TRUE(Chart().isVisible());
}

}  // namespace

#include "main_frame_test.moc"
