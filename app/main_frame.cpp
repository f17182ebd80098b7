// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "app/about_dialog.h"
#include "app/batch_test_numbers.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/compare_command.h"
#include "app/help_topics.h"
#include "app/plot_view.h"
#include "app/save_commands.h"
#include "app/signal_commands.h"
#include "app/spawn_path_dialog.h"
#include "app/tool_icons.h"
#include "app/usage_tracking.h"
#include "app/velder_doc.h"
#include "app/velder_grid.h"
#include "app/velder_view.h"
#include "app/viewer_commands.h"

namespace kores {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), doc_(std::make_unique<CVelderDoc>())
{
    setWindowTitle(QApplication::applicationDisplayName());
    setWindowIcon(ApplicationIcon());
    commands_ = std::make_unique<CSignalCommands>(*doc_, *this);
    saves_ = std::make_unique<CSaveCommands>(*doc_, *this);
    compare_ = std::make_unique<CCompareCommand>(*doc_, *this);
    viewers_ = std::make_unique<CViewerCommands>(*doc_, *this);
    spawnDialog_ = std::make_unique<CSpawnPath>(this);
    spawnPath_ = spawnDialog_->GetPath();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateClient();
    ConnectCommands();
    ConnectBarToggles();
    CreatePaneKeys();
    // The views take each hint first, then the commands follow their state.
    connect(doc_.get(), &CVelderDoc::Updated, this, [this] { UpdateCommandStates(); });
    UpdateCommandStates();
    resize(1100, 760);
}

// The views go before the document they show.
CMainFrame::~CMainFrame()
{
    TrackRun(doc_->Batch().GetAgent());
    delete takeCentralWidget();
}

QAction* CMainFrame::Action(int id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::CreateActions()
{
    for (const CCommandInfo& info : Commands()) {
        auto* action = new QAction(ToolIcon(info.id), info.text, this);
        action->setStatusTip(info.prompt);
        action->setToolTip(info.tip);
        action->setShortcuts(info.keys);
        action->setData(info.id);
        actions_[info.id] = action;
    }
    for (const int toggle : {cmd::kViewToolBar, cmd::kViewStatusBar}) {
        Action(toggle)->setCheckable(true);
        Action(toggle)->setChecked(true);
    }
    Action(cmd::kExit)->setMenuRole(QAction::QuitRole);
    Action(cmd::kAbout)->setMenuRole(QAction::AboutRole);
}

void CMainFrame::CreateMenus()
{
    for (const CMenuInfo& info : Menus()) {
        QMenu* menu = menuBar()->addMenu(info.title);
        for (const int id : info.items) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
    }
}

void CMainFrame::CreateToolBar()
{
    toolBar_ = addToolBar("Standard");
    toolBar_->setObjectName(QString::number(cmd::kViewToolBar));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(false);
    for (const int id : ToolBarCommands()) {
        if (id == 0)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(Action(id));
    }
}

void CMainFrame::CreateStatusBar()
{
    statusBar()->setObjectName(QString::number(cmd::kViewStatusBar));
    readout_ = new QLabel(this);
    readout_->setMinimumWidth(260);
    statusBar()->addPermanentWidget(readout_);
    statusBar()->showMessage("Ready");
}

void CMainFrame::CreateClient()
{
    splitter_ = new QSplitter(Qt::Vertical, this);
    titleView_ = new CVelderView(*doc_, splitter_);
    plotView_ = new CPlotView(*doc_, splitter_);
    splitter_->addWidget(titleView_);
    splitter_->addWidget(plotView_);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
    titleView_->Grid().SetSignalListAction(Action(cmd::kSignalList));
    connect(plotView_, &CPlotView::Readout, readout_, &QLabel::setText);
    titleView_->setFocus();
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (sized_) return;
    sized_ = true;
    DivideClient();
}

void CMainFrame::DivideClient()
{
    const int height = splitter_->height();
    const int top = std::min(splitter_->width() / 3, height / 2);
    splitter_->setSizes({top, height - top});
}

void CMainFrame::On(int id, const std::function<void()>& body)
{
    connect(Action(id), &QAction::triggered, this, body);
}

void CMainFrame::ConnectCommands()
{
    On(cmd::kFileOpen, [this] { doc_->OnFileOpen(); });
    On(cmd::kExit, [this] { close(); });
    On(cmd::kAbout, [this] { ShowAbout(); });
    On(cmd::kSpawnPath, [this] { EditSpawnPath(); });
    On(cmd::kSplit, [this] { DivideClient(); });
    On(cmd::kHelpTopics, [this] { ShowHelpTopics(this); });
    On(cmd::kSaveGraph, [this] { plotView_->SaveGraph(); });
    On(cmd::kCustomizeGraph, [this] { plotView_->CustomizeGraph(); });
    On(cmd::kPrint, [this] { plotView_->PrintGraph(); });
    On(cmd::kCopyPlot, [this] { plotView_->CopyPlot(); });
    On(cmd::kCopyData, [this] { commands_->CopyData(); });
    On(cmd::kDerivate, [this] { commands_->Derivate(); });
    On(cmd::kIntegrate, [this] { commands_->Integrate(); });
    On(cmd::kCfc60, [this] { commands_->FilterClass(60); });
    On(cmd::kCfc180, [this] { commands_->FilterClass(180); });
    On(cmd::kCfc600, [this] { commands_->FilterClass(600); });
    On(cmd::kCfc1000, [this] { commands_->FilterClass(1000); });
    On(cmd::kFilter, [this] { commands_->Filter(); });
    On(cmd::kResample, [this] { commands_->Resample(); });
    On(cmd::kTruncate, [this] { commands_->Truncate(); });
    On(cmd::kSaveAscii, [this] { saves_->SaveAscii(); });
    On(cmd::kSaveUds, [this] { saves_->SaveUds(); });
    On(cmd::kCompareSignals, [this] { compare_->Run(spawnPath_, *statusBar()); });
    On(cmd::kAverage, [this] { commands_->Average(); });
    On(cmd::kStandardDeviation, [this] { commands_->StandardDeviation(); });
    On(cmd::kAlignSignals, [this] { commands_->AlignSignals(); });
    On(cmd::kReload, [this] { commands_->Reload(); });
    for (const int id : {cmd::kSignalList, cmd::kSummary, cmd::kUdsSpecification, cmd::kTestSpecification})
        On(id, [this, id] { viewers_->Run(id); });
    On(cmd::kUdsSpecificationTool, [this] { viewers_->Run(cmd::kUdsSpecification); });
    On(cmd::kTestSpecificationTool, [this] { viewers_->Run(cmd::kTestSpecification); });
}

void CMainFrame::ConnectBarToggles()
{
    connect(Action(cmd::kViewToolBar), &QAction::toggled, toolBar_, &QWidget::setVisible);
    connect(Action(cmd::kViewStatusBar), &QAction::toggled, statusBar(), &QWidget::setVisible);
}

// F6 and Shift+F6 move between the panes; Shift+F1 asks what a control is.
void CMainFrame::CreatePaneKeys()
{
    const auto otherPane = [this] {
        QWidget* focus = QApplication::focusWidget();
        const bool inTitles = focus && (focus == titleView_ || titleView_->isAncestorOf(focus));
        (inTitles ? static_cast<QWidget*>(plotView_) : titleView_)->setFocus(Qt::ShortcutFocusReason);
    };
    connect(new QShortcut(QKeySequence(Qt::Key_F6), this), &QShortcut::activated, this, otherPane);
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this), &QShortcut::activated, this,
            otherPane);
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this), &QShortcut::activated, this,
            [] { QWhatsThis::enterWhatsThisMode(); });
}

void CMainFrame::UpdateCommandStates()
{
    for (const auto& [id, action] : actions_) action->setEnabled(IsCommandEnabled(id, *doc_));
}

void CMainFrame::PostOpen()
{
    QMetaObject::invokeMethod(
        this, [this] { doc_->OnFileOpen(); }, Qt::QueuedConnection);
}

std::unique_ptr<QDialog> CMainFrame::CreateViewer(int id)
{
    return viewers_->Create(id);
}

void CMainFrame::ShowAbout()
{
    CKOAboutDlg about(this);
    about.exec();
}

void CMainFrame::EditSpawnPath()
{
    if (spawnDialog_->DoModal() == QDialog::Accepted) spawnPath_ = spawnDialog_->GetPath();
}

}  // namespace kores
