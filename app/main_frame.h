// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>

class QDialog;
class QLabel;
class QSplitter;
class QToolBar;

namespace kores {

class CCompareCommand;
class CPlotView;
class CSaveCommands;
class CSignalCommands;
class CVelderDoc;
class CVelderView;
class CViewerCommands;
class CSpawnPath;

// The main window: the title grid above the plot in a splitter, the menus,
// the tool bar and the status bar, and the command table that ties their
// commands to the document and the views.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVelderDoc& Document() const { return *doc_; }
    CVelderView& TitleView() const { return *titleView_; }
    CPlotView& PlotView() const { return *plotView_; }
    QSplitter& Splitter() const { return *splitter_; }
    QToolBar& ToolBar() const { return *toolBar_; }
    // The status-bar pane that shows the crosshair point.
    QLabel& Readout() const { return *readout_; }
    // The folder of the compare program, ending with "/".
    const QString& SpawnPath() const { return spawnPath_; }
    // The action of a command number; null for an unknown number.
    QAction* Action(int id) const;

    // Enables each command by its rule.
    void UpdateCommandStates();
    // Runs "&Open..." as soon as the event loop runs.
    void PostOpen();
    // The dialog of a View command (signal list, summary, specifications),
    // not yet shown; null when it has nothing to show.
    std::unique_ptr<QDialog> CreateViewer(int id);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateClient();
    void ConnectCommands();
    void ConnectBarToggles();
    void CreatePaneKeys();
    void On(int id, const std::function<void()>& body);
    void ShowAbout();
    // The upper pane a third of the client width high, at most half the client height.
    void DivideClient();
    void EditSpawnPath();

    std::unique_ptr<CVelderDoc> doc_;
    std::unique_ptr<CSignalCommands> commands_;
    std::unique_ptr<CSaveCommands> saves_;
    std::unique_ptr<CCompareCommand> compare_;
    std::unique_ptr<CViewerCommands> viewers_;
    std::unique_ptr<CSpawnPath> spawnDialog_;
    QString spawnPath_;
    std::map<int, QAction*> actions_;
    QSplitter* splitter_ = nullptr;
    CVelderView* titleView_ = nullptr;
    CPlotView* plotView_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* readout_ = nullptr;
    bool sized_ = false;
};

}  // namespace kores
