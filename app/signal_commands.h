// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;
namespace ko {
class CNSignal;
}

namespace kores {

class CVelderDoc;

// The main frame's commands on the current signals. A failing operation shows
// its text in a stop box and ends the command with the signals and the graph
// exactly as they were.
class CSignalCommands {
public:
    CSignalCommands(CVelderDoc& doc, QWidget& owner) : doc_(doc), owner_(owner) {}

    void Derivate();
    void Integrate();
    // The tool bar's filters at a channel frequency class (60, 180, 600, 1000).
    void FilterClass(int cfc);
    // "Filter ...", "Resample" and "Truncate": their dialog, then the operation.
    void Filter();
    void Resample();
    void Truncate();
    void Average();
    void StandardDeviation();
    // "Align Signals": the time-zero dialog, then each test's shift.
    void AlignSignals();
    void Reload();
    void CopyData();

private:
    // Runs body with the wait cursor; on success the views get the signals hint.
    void Run(const std::function<void()>& body);
    void InPlace(const std::function<void(ko::CNSignal&)>& operation);

    CVelderDoc& doc_;
    QWidget& owner_;
};

}  // namespace kores
