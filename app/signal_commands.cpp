// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/signal_commands.h"

#include <QApplication>
#include <QClipboard>

#include "app/message_box.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"

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
    InPlace([cfc](ko::CNSignal& signal) { signal.FilterClass(cfc); });
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

void CSignalCommands::Reload()
{
    doc_.Reload();
}

void CSignalCommands::CopyData()
{
    if (!doc_.HasGraph()) return;
    QApplication::clipboard()->setText(QString::fromStdString(doc_.Model().CopyDataText()));
}
