// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace kores {

class CVelderDoc;

// The View menu's inspection dialogs: signal list, summary, UDS and test
// specification, each built for one showing from the document's lists of
// its current kind.
class CViewerCommands {
public:
    CViewerCommands(CVelderDoc& doc, QWidget& owner);

    // The dialog of the command filled from the document; null when the
    // command has nothing to show. Failures while filling become messages.
    std::unique_ptr<QDialog> Create(int id);
    // Creates the dialog and runs it modally.
    void Run(int id);

    // The command of a --show name ("signal-list", "summary", "test-spec", "uds-spec").
    static std::optional<int> CommandOfName(const QString& name);

private:
    std::unique_ptr<QDialog> CreateSignalList();
    std::unique_ptr<QDialog> CreateSummary();
    std::unique_ptr<QDialog> CreateUdsSpecification();
    std::unique_ptr<QDialog> CreateTestSpecification();

    CVelderDoc& doc_;
    QWidget& owner_;
};

}  // namespace kores
