// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_table.h"

#include "app/command_ids.h"
#include "app/velder_doc.h"
#include "document/document.h"

namespace kores {

const std::vector<CCommandInfo>& Commands()
{
    using K = QKeySequence;
    static const std::vector<CCommandInfo> commands = {
        {cmd::kFileOpen, "&Open...", "Choose and load tests", "Open", {K(Qt::CTRL | Qt::Key_O)}},
        {cmd::kSaveAscii, "Save ACSII", "Save ACSII File", "Save ACSII", {}},
        {cmd::kSaveGraph, "Save Graph", "Save the current graph", "Save Graph", {}},
        {cmd::kSaveUds,
         "&Save UDS",
         "Save &UDS Specification",
         "Save &UDS Specification",
         {K(Qt::CTRL | Qt::Key_S)}},
        {cmd::kPrint, "&Print...", "Print the active graph", "Print Graph", {K(Qt::CTRL | Qt::Key_P)}},
        {cmd::kExit, "E&xit", "Quit the application", "Exit", {}},
        {cmd::kCopyPlot,
         "&Copy Plot",
         "Copy the current plot",
         "Copy Plot",
         {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}},
        {cmd::kCopyData, "Copy &Data", "Copy the current plot data", "Copy Plot Data", {}},
        {cmd::kCustomizeGraph, "Customize Graph", "Customize the current graph", "Customize Graph", {}},
        {cmd::kSpawnPath, "Spawn Path", "Edit Spawn Path", "Spawn Path to Lauch Applications", {}},
        {cmd::kViewToolBar, "&Toolbar", "Show or hide the toolbar", "Toggle ToolBar", {}},
        {cmd::kViewStatusBar, "&Status Bar", "Show or hide the status bar", "Toggle StatusBar", {}},
        {cmd::kSplit, "S&plit", "Split the active window into panes", "Split", {}},
        {cmd::kSummary, "S&ummary", "View Summary", "Summary", {}},
        {cmd::kSignalList, "S&ignal List", "View Signal List", "Signal List", {}},
        {cmd::kUdsSpecification,
         "&UDS Specification",
         "View UDS Specification",
         "UDS Specification Dialog",
         {}},
        {cmd::kTestSpecification,
         "T&est Specification",
         "View Test Specification",
         "Test Specification Dialog",
         {}},
        {cmd::kUdsSpecificationTool,
         "UDS Specification Dialog",
         "View UDS Specification",
         "UDS Specification Dialog",
         {}},
        {cmd::kTestSpecificationTool,
         "Test Specification Dialog",
         "View Test Specification",
         "Test Specification Dialog",
         {}},
        {cmd::kCompareSignals,
         "Compare Signals",
         "Run the Compare Signal Application",
         "Compare Signals",
         {}},
        {cmd::kAlignSignals, "Align Signals", "Align the current signals", "Align Signals", {}},
        {cmd::kAverage, "Average", "Average the current Signals", "Average Signals", {}},
        {cmd::kDerivate, "Derivate", "Derivative current Signals", "Derivative Signals", {}},
        {cmd::kFilter, "Filter ...", "View Filter Dialog", "Open Filter Dialog", {}},
        {cmd::kCfc60,
         "Channel Frequency Class 60",
         "Filter Signal - CFC 60",
         "Channel Frequency Class 60",
         {}},
        {cmd::kCfc180,
         "Channel Frequency Class 180",
         "Filter Signal - CFC 180",
         "Channel Frequency Class 180",
         {}},
        {cmd::kCfc600,
         "Channel Frequency Class 600",
         "Filter Signal - CFC 600",
         "Channel Frequency Class 600",
         {}},
        {cmd::kCfc1000,
         "Channel Frequency Class 1000",
         "Filter Signal - CFC 1000",
         "Channel Frequency Class 1000",
         {}},
        {cmd::kIntegrate, "Integrate", "Integrate the current Signals", "Integrate Signals", {}},
        {cmd::kResample, "Resample", "Resample", "Resample Signals", {}},
        {cmd::kStandardDeviation,
         "Standard Deviation",
         "Apply Standard Deviation to current Signals",
         "Standard Deviation",
         {}},
        {cmd::kTruncate, "Truncate", "Truncate", "Truncate Signals", {}},
        {cmd::kReload, "Reload Signal", "Run Reload Signal Data", "Reload Signal", {}},
        {cmd::kHelpTopics, "&Help Topics", "List Help topics", "Help Topics", {K(Qt::Key_F1)}},
        {cmd::kAbout, "&About Velder...", "Display program information", "About", {}},
    };
    return commands;
}

const std::vector<CMenuInfo>& Menus()
{
    using namespace cmd;
    static const std::vector<CMenuInfo> menus = {
        {"&File", {kFileOpen, 0, kSaveAscii, kSaveGraph, kSaveUds, 0, kPrint, 0, kExit}},
        {"&Edit", {kCopyPlot, kCopyData, 0, kCustomizeGraph, 0, kSpawnPath}},
        {"&View",
         {kViewToolBar, kViewStatusBar, 0, kSplit, 0, kSummary, kSignalList, 0, kUdsSpecification,
          kTestSpecification}},
        {"&Operate",
         {kCompareSignals, kAlignSignals, 0, kAverage, kDerivate, kFilter, kIntegrate, kResample,
          kStandardDeviation, kTruncate}},
        {"&Help", {kHelpTopics, 0, kAbout}},
    };
    return menus;
}

const std::vector<int>& ToolBarCommands()
{
    using namespace cmd;
    static const std::vector<int> tools = {kFileOpen,
                                           kSaveGraph,
                                           0,
                                           kCopyPlot,
                                           0,
                                           kPrint,
                                           0,
                                           kCfc60,
                                           kCfc180,
                                           kCfc600,
                                           kCfc1000,
                                           0,
                                           kAverage,
                                           kDerivate,
                                           kIntegrate,
                                           kStandardDeviation,
                                           kAlignSignals,
                                           0,
                                           kReload,
                                           0,
                                           kHelpTopics,
                                           0,
                                           kUdsSpecificationTool,
                                           kTestSpecificationTool};
    return tools;
}

bool IsCommandEnabled(int id, const CVelderDoc& doc)
{
    using namespace cmd;
    switch (id) {
        case kFileOpen:
        case kExit:
        case kAbout:
        case kViewToolBar:
        case kViewStatusBar:
        case kSplit:
        case kSpawnPath:
        case kHelpTopics: return true;
        case kSaveAscii:
        case kSaveGraph:
        case kSaveUds:
        case kFilter:
        case kResample:
        case kTruncate:
        case kPrint:
        case kCopyPlot:
        case kCopyData:
        case kCustomizeGraph:
        case kAverage:
        case kDerivate:
        case kCfc60:
        case kCfc180:
        case kCfc600:
        case kCfc1000:
        case kIntegrate:
        case kReload: return doc.HasGraph();
        case kSummary:
        case kTestSpecification:
        case kTestSpecificationTool: return doc.Model().GetTestCount() > 0;
        case kSignalList: return doc.Model().HasSelection();
        case kUdsSpecification:
        case kUdsSpecificationTool: return !doc.Model().GetCurrentSignals().empty();
        case kStandardDeviation: return doc.Model().GetCurrentSignals().size() > 1;
        case kAlignSignals: return doc.HasGraph() && doc.Model().GetCurrentSignals().size() > 1;
        case kCompareSignals: return !doc.Model().GetCurrentSignals().empty();
        default: return false;
    }
}

}  // namespace kores
