// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kores {

class CMainFrame;
struct CStartOptions;

// Opens the store of the options as the local-files source of their
// database, loads their tests as the batch dialog's OK does and plots their
// title row. Returns what went wrong, one line each (empty when nothing did).
QString StartDirect(CMainFrame& frame, const CStartOptions& options);

// Reads UDS-1992 files as the current signals of a document without a data
// source and plots them. Returns the files that could not be read with their
// failures, one line each; when none could be read nothing changes.
QString StartFiles(CMainFrame& frame, const QStringList& files);

// Writes the window as a PNG file (atomically), with the dialog drawn over
// its middle when one is given; false when it cannot.
bool SaveScreenshot(QWidget& window, const QString& path, QWidget* dialog = nullptr);

}  // namespace kores
