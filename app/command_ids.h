// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main frame's command numbers.
namespace cmd {

inline constexpr int kFileOpen = 57601;
inline constexpr int kSaveAscii = 32791;
inline constexpr int kSaveGraph = 32792;
inline constexpr int kSaveUds = 32793;
inline constexpr int kPrint = 32796;
inline constexpr int kExit = 57665;
inline constexpr int kCopyPlot = 32783;
inline constexpr int kCopyData = 32794;
inline constexpr int kCustomizeGraph = 32785;
inline constexpr int kSpawnPath = 32798;
inline constexpr int kViewToolBar = 59392;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kSplit = 57653;
inline constexpr int kSummary = 32782;
inline constexpr int kSignalList = 32812;
inline constexpr int kUdsSpecification = 32771;
inline constexpr int kTestSpecification = 32772;
inline constexpr int kUdsSpecificationTool = 32773;
inline constexpr int kTestSpecificationTool = 32774;
inline constexpr int kCompareSignals = 32795;
inline constexpr int kAlignSignals = 32809;
inline constexpr int kAverage = 32805;
inline constexpr int kDerivate = 32804;
inline constexpr int kFilter = 32780;
inline constexpr int kCfc60 = 32778;
inline constexpr int kCfc180 = 32777;
inline constexpr int kCfc600 = 32776;
inline constexpr int kCfc1000 = 32775;
inline constexpr int kIntegrate = 32806;
inline constexpr int kResample = 32811;
inline constexpr int kStandardDeviation = 32807;
inline constexpr int kTruncate = 32810;
inline constexpr int kReload = 32779;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kAbout = 57664;

}  // namespace cmd
