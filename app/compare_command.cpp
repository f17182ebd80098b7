// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/compare_command.h"

#include <QProcess>
#include <QStatusBar>
#include <QStringList>

#include "app/batch_test_numbers.h"
#include "app/message_box.h"
#include "app/source_profile.h"
#include "app/spawn_path_dialog.h"
#include "app/velder_doc.h"
#include "document/compare_files.h"
#include "document/document.h"
#include "document/spawn_path.h"

namespace kores {

void CCompareCommand::Run(const QString& spawnPath, QStatusBar& status)
{
    CWaitCursor wait;
    if (!doc_.HasGraph()) return;
    std::vector<std::string> files;
    try {
        const bool ownFiles = doc_.Batch().GetSourceKind() != kSourceWeb;
        files = ko::CompareFiles(doc_.Model().GetCurrentSignals(), ownFiles, folder_);
    } catch (const std::exception& error) {
        ShowStop(&owner_, QString("Failure to created a temporary File.\n") + error.what());
        return;
    }
    status.showMessage("Created Temporary Files: " + QString::fromStdString(ko::CompareArgumentText(files)));
    QStringList arguments;
    for (const auto& file : files) arguments << QString::fromStdString(file);
    const QString program = QString::fromStdString(
        ko::SpawnProgram(spawnPath.toStdString(), CSpawnPath::ProgramName().toStdString()));
    if (!QProcess::startDetached(program, arguments)) status.showMessage("Failure to start: " + program);
}

}  // namespace kores
