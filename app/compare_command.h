// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "document/run_folder.h"

class QStatusBar;
class QWidget;

namespace kores {

class CVelderDoc;

// "Compare Signals": hands the current signals as UDS-1992 files to the
// compare program in the spawn path, started on its own. Changed signals go
// as temporary files in this run's folder, which goes when the program ends.
class CCompareCommand {
public:
    CCompareCommand(CVelderDoc& doc, QWidget& owner) : doc_(doc), owner_(owner) {}

    void Run(const QString& spawnPath, QStatusBar& status);

private:
    CVelderDoc& doc_;
    QWidget& owner_;
    ko::CRunFolder folder_;
};

}  // namespace kores
