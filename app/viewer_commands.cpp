// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/viewer_commands.h"

#include <QDialog>
#include <stdexcept>

#include "app/batch_test_numbers.h"
#include "app/command_ids.h"
#include "app/dialog_runner.h"
#include "app/message_box.h"
#include "app/signal_list_dialog.h"
#include "app/summary_dialog.h"
#include "app/velder_doc.h"
#include "document/document.h"
#include "viewers/spec_dialog.h"
#include "viewers/uds_dialog.h"
#include "viewers/viewer_prompts.h"

namespace kores {

CViewerCommands::CViewerCommands(CVelderDoc& doc, QWidget& owner) : doc_(doc), owner_(owner)
{
    // The viewers' messages go through the program's boxes (and a test's hook).
    ViewerPrompts().message = [](QWidget* parent, QMessageBox::Icon icon, const QString& text) {
        ShowMessage(parent, icon, text);
    };
}

std::optional<int> CViewerCommands::CommandOfName(const QString& name)
{
    if (name == "signal-list") return cmd::kSignalList;
    if (name == "summary") return cmd::kSummary;
    if (name == "uds-spec") return cmd::kUdsSpecification;
    if (name == "test-spec") return cmd::kTestSpecification;
    return std::nullopt;
}

std::unique_ptr<QDialog> CViewerCommands::Create(int id)
{
    try {
        switch (id) {
            case cmd::kSignalList: return CreateSignalList();
            case cmd::kSummary: return CreateSummary();
            case cmd::kUdsSpecification: return CreateUdsSpecification();
            case cmd::kTestSpecification: return CreateTestSpecification();
            default: return nullptr;
        }
    } catch (const std::exception& error) {
        ShowStop(&owner_, QString::fromStdString(error.what()));
        return nullptr;
    }
}

void CViewerCommands::Run(int id)
{
    if (auto dialog = Create(id)) RunModal(*dialog);
}

std::unique_ptr<QDialog> CViewerCommands::CreateSignalList()
{
    const ko::CDocument& model = doc_.Model();
    if (!model.HasSelection()) return nullptr;
    CWaitCursor wait;
    auto dialog = std::make_unique<CSignalList>(&owner_);
    switch (model.GetKind()) {
        case ko::TestKind::Vehicle: dialog->SetRows(model.SelectedRows<ko::CVehicleTest>()); break;
        case ko::TestKind::Component: dialog->SetRows(model.SelectedRows<ko::CComTest>()); break;
        case ko::TestKind::Biomechanics: dialog->SetRows(model.SelectedRows<ko::CBioTest>()); break;
        default: return nullptr;
    }
    return dialog;
}

std::unique_ptr<QDialog> CViewerCommands::CreateSummary()
{
    const ko::CDocument& model = doc_.Model();
    if (model.GetTestCount() == 0) return nullptr;
    auto dialog = std::make_unique<CSummary>(&owner_);
    switch (model.GetKind()) {
        case ko::TestKind::Vehicle: dialog->SetTests(model.GetLists<ko::CVehicleTest>().tests); break;
        case ko::TestKind::Component: dialog->SetTests(model.GetLists<ko::CComTest>().tests); break;
        case ko::TestKind::Biomechanics: dialog->SetTests(model.GetLists<ko::CBioTest>().tests); break;
        default: return nullptr;
    }
    return dialog;
}

std::unique_ptr<QDialog> CViewerCommands::CreateUdsSpecification()
{
    const ko::CSignalList& signals = doc_.Model().GetCurrentSignals();
    if (signals.empty()) return nullptr;
    auto dialog = std::make_unique<CUDSDialog>(&owner_);
    dialog->SetSignals(signals);
    return dialog;
}

std::unique_ptr<QDialog> CViewerCommands::CreateTestSpecification()
{
    const ko::CDocument& model = doc_.Model();
    if (model.GetTestCount() == 0) return nullptr;
    auto dialog = std::make_unique<CSpecification>(&owner_);
    dialog->SetAgent(doc_.Batch().GetAgent());
    switch (model.GetKind()) {
        case ko::TestKind::Vehicle: dialog->SetTests(model.GetLists<ko::CVehicleTest>().tests); break;
        case ko::TestKind::Component: dialog->SetTests(model.GetLists<ko::CComTest>().tests); break;
        case ko::TestKind::Biomechanics: dialog->SetTests(model.GetLists<ko::CBioTest>().tests); break;
        default: return nullptr;
    }
    return dialog;
}

}  // namespace kores
