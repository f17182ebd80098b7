// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/signal_commands.h"

#include <QApplication>
#include <QClipboard>

#include "app/dialog_runner.h"
#include "app/filter_class_dialog.h"
#include "app/message_box.h"
#include "app/resample_dialog.h"
#include "app/time_zero_dialog.h"
#include "app/truncate_dialog.h"
#include "app/velder_doc.h"
#include "core/filter.h"
#include "core/signal.h"
#include "document/document.h"
#include "document/resample_input.h"
#include "document/truncate_window.h"

namespace kores {

void CSignalCommands::Run(const std::function<void()>& body)
{
    CWaitCursor wait;
    try {
        body();
    } catch (const std::exception& error) {
        ShowStop(&owner_, QString::fromStdString(error.what()));
        return;
    }
    doc_.UpdateAllViews(CVelderDoc::kHintSignals);
}

void CSignalCommands::InPlace(const std::function<void(ko::CNSignal&)>& operation)
{
    Run([&] { doc_.Model().ApplyToSignals(operation); });
}

void CSignalCommands::Derivate()
{
    InPlace([](ko::CNSignal& signal) { signal.Derivative(); });
}

void CSignalCommands::Integrate()
{
    InPlace([](ko::CNSignal& signal) { signal.Integrate(); });
}

void CSignalCommands::FilterClass(int cfc)
{
    Run([&] {
        doc_.Model().ChangeSignals([cfc](ko::CSignalList& signals) { ko::FilterSignalsClass(signals, cfc); });
    });
}

void CSignalCommands::Filter()
{
    if (!doc_.HasGraph()) return;
    CFilterClass dialog(true, &owner_);
    if (dialog.DoModal(doc_.Model().GetCurrentSignals(), 0) != QDialog::Accepted) return;
    if (dialog.IsCutoffChosen()) {
        const double frequency = dialog.GetCutoffFrequency();
        Run([&] {
            doc_.Model().ChangeSignals(
                [frequency](ko::CSignalList& signals) { ko::FilterSignals(signals, frequency); });
        });
    } else if (dialog.GetChosenClass() != 1001) {
        FilterClass(dialog.GetChosenClass());
    }
}

void CSignalCommands::Resample()
{
    const auto& signals = doc_.Model().GetCurrentSignals();
    if (!doc_.HasGraph() || signals.empty()) return;
    CResampleDlg dialog(&owner_);
    dialog.SetNumberOfPoints(static_cast<std::int32_t>(signals.front()->GetY().size()));
    dialog.SetTimeStep(signals.front()->GetDEL());
    if (RunModal(dialog) != QDialog::Accepted) return;
    if (dialog.IsPointsChosen()) {
        const std::int32_t points = dialog.GetNumberOfPoints();
        InPlace([points](ko::CNSignal& signal) { signal.Resample(ko::TimeStepForPoints(signal, points)); });
    } else {
        const double step = dialog.GetTimeStep();
        InPlace([step](ko::CNSignal& signal) { signal.Resample(step); });
    }
}

void CSignalCommands::Truncate()
{
    const auto& signals = doc_.Model().GetCurrentSignals();
    if (!doc_.HasGraph() || signals.empty()) return;
    CTruncateDlg dialog(&owner_);
    const auto& x = signals.front()->GetX();
    dialog.SetMinTime(x.empty() ? signals.front()->GetStartTime() : x.front(), true);
    dialog.SetMaxTime(x.empty() ? signals.front()->GetEndTime() : x.back(), true);
    if (RunModal(dialog) != QDialog::Accepted) return;
    const ko::CTruncateBounds bounds = dialog.GetBounds();
    if (!bounds.minEnabled && !bounds.maxEnabled) return;
    InPlace([bounds](ko::CNSignal& signal) {
        const auto window = ko::TruncateWindow(bounds, signal);
        signal.Truncate(window->first, window->second);
    });
}

void CSignalCommands::Average()
{
    Run([this] { doc_.Model().AverageSignals(); });
}

void CSignalCommands::StandardDeviation()
{
    if (doc_.Model().GetCurrentSignals().size() < 2) return;
    Run([this] { doc_.Model().AddSigmaSignals(); });
}

void CSignalCommands::AlignSignals()
{
    const auto& signals = doc_.Model().GetCurrentSignals();
    if (!doc_.HasGraph() || signals.size() < 2) return;
    CTimeZeroDlg dialog(signals, &owner_);
    if (RunModal(dialog) != QDialog::Accepted) return;
    const ko::CTimeZeroRule rule = dialog.GetRule();
    Run([&] {
        doc_.Model().ChangeSignals([&](ko::CSignalList& copies) { ko::AlignTimeZero(copies, rule); });
    });
}

// Signals opened from files have no title to read again.
void CSignalCommands::Reload()
{
    if (!doc_.Model().HasSelection()) return;
    doc_.Reload();
}

void CSignalCommands::CopyData()
{
    if (!doc_.HasGraph()) return;
    QApplication::clipboard()->setText(QString::fromStdString(doc_.Model().CopyDataText()));
}

}  // namespace kores
