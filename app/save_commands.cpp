// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/save_commands.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <stdexcept>

#include "app/dialog_runner.h"
#include "app/message_box.h"
#include "app/question_dialog.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"
#include "document/save_file.h"
#include "document/save_names.h"
#include "document/signal_output.h"

namespace kores {

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

void CSaveCommands::SaveAscii()
{
    SaveAll("Select a Folder: To Save ASCII Data: X-Y Format", ko::ProposedTextName,
            [this](const ko::CNSignal& signal, const std::string& path) {
                try {
                    ko::SaveXYText(signal, path);
                } catch (const std::exception&) {
                    throw std::runtime_error("Failure to open: " + path);
                }
            });
}

void CSaveCommands::SaveUds()
{
    SaveAll("Select a Folder: To Save UDS Data", ko::ProposedUDSName,
            [](const ko::CNSignal& signal, const std::string& path) { ko::SaveUDS(signal, path); });
}

void CSaveCommands::SaveAll(const QString& prompt, const Propose& propose, const Save& save)
{
    if (!doc_.HasGraph()) return;
    const auto folder = BrowseFolder(&owner_, prompt);
    if (!folder) return;
    CWaitCursor wait;
    if (!QFileInfo(*folder).isDir()) {
        ShowExclamation(&owner_, "Invalid Path:\n" + *folder);
        return;
    }
    const ko::CSignalList signals = doc_.Model().GetCurrentSignals();
    const std::vector<std::string> inputs = ko::InputFiles(signals);
    ko::CSaveNames names;
    for (const auto& signal : signals) {
        const std::string proposed = propose(*signal);
        const auto target =
            AskTarget(*folder, proposed.empty() ? proposed : names.Distinct(proposed), inputs, names);
        if (!target) return;
        names.Take(QFileInfo(Text(target->path)).fileName().toStdString());
        const auto replace = target->replace ? ko::CReplace::Allowed : ko::CReplace::Never;
        try {
            ko::SaveFile(target->path, replace, [&](const std::string& staged) { save(*signal, staged); });
        } catch (const std::logic_error& error) {
            ShowExclamation(&owner_, Text(error.what()));
        } catch (const std::runtime_error& error) {
            const std::string text = error.what();
            const bool ascii = text.rfind("Failure to open: ", 0) == 0;
            ShowExclamation(&owner_, ascii ? Text(text) : QString("Failure to open the file."));
        }
    }
}

std::optional<CSaveCommands::CTarget> CSaveCommands::AskTarget(const QString& folder,
                                                               const std::string& proposed,
                                                               const std::vector<std::string>& inputs,
                                                               const ko::CSaveNames& names)
{
    QString answer = Text(proposed);
    for (;;) {
        CQuestion question(&owner_);
        question.SetQuestion("Please enter a file name.");
        question.SetAnswer(answer);
        if (RunModal(question) != QDialog::Accepted) return std::nullopt;
        answer = question.Answer();
        const std::string path = QDir(folder).filePath(answer).toStdString();
        const ko::CTarget state = ko::TargetState(path, inputs);
        if (state == ko::CTarget::Input) {
            ShowExclamation(&owner_, Text(path) + "\nholds a current signal's data and is not replaced.");
            continue;
        }
        if (state == ko::CTarget::Free && !names.Taken(answer.toStdString())) return CTarget{path, false};
        if (AskReplace(Text(path))) return CTarget{path, true};
    }
}

bool CSaveCommands::AskReplace(const QString& path)
{
    QMessageBox box(QMessageBox::Question, QString(), path + " already exists.\nDo you want to replace it?",
                    QMessageBox::Yes | QMessageBox::No, &owner_);
    box.setDefaultButton(QMessageBox::No);
    return RunModal(box) == QMessageBox::Yes;
}

}  // namespace kores
