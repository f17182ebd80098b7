// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "app/message_box.h"
#include "sources/entry_mode.h"

// What a test of the program's windows needs: the application with its
// names, a profile of its own in a temporary directory, and the message boxes
// taken as a list instead of being shown.
class CVelderTestEnv {
public:
    CVelderTestEnv();

    QString Dir() const { return dir_.path(); }
    const std::vector<std::pair<QMessageBox::Icon, QString>>& Messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }

private:
    QTemporaryDir dir_;
    std::vector<std::pair<QMessageBox::Icon, QString>> messages_;
    kores::CMessageHookScope hook_;
};

// The sample test store, written once per test program into a temporary directory.
QString SampleStoreRoot();
// The test directories of the sample store below evdata, in path order.
QStringList SampleTestDirectories();

// How a source selection opens in a test (no drives searched).
inline ko::CEntryDecision EntryMode(ko::EEntryMode mode, std::optional<char> drive = std::nullopt,
                                    bool driveMissing = false)
{
    return {mode, drive, driveMissing};
}
