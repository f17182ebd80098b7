// SPDX-License-Identifier: GPL-3.0-or-later
// The batch test dialog's test lists: the available numbers and the
// per-database selection dialogs.
#include <QCheckBox>
#include <QListWidget>

#include "app/batch_test_numbers.h"
#include "app/message_box.h"
#include "app/test_selection_dialog.h"
#include "document/selection_texts.h"
#include "sources/data_agent.h"

namespace kores {

namespace {

// The agent's list of a database into the cache, when the cache is empty or a
// reload is asked for; asked tells whether the agent was asked for it.
template <class Row>
bool Refresh(ko::CDataAgent& agent, ko::TestKind kind, bool reload, std::vector<std::shared_ptr<Row>>& cache,
             const std::vector<std::shared_ptr<Row>>& (ko::CDataAgent::*list)() const, bool& asked)
{
    asked = cache.empty() || reload;
    if (!asked) return true;
    if (!agent.LoadTestList(kind)) return false;
    cache = (agent.*list)();
    return true;
}

template <class Row>
std::vector<int> NumbersOf(const std::vector<std::shared_ptr<Row>>& rows)
{
    std::vector<int> numbers;
    for (const auto& row : rows) numbers.push_back(row->GetTSTNO());
    return numbers;
}

}  // namespace

bool CBatchTestNumbers::EnsureTestList()
{
    if (!agent_) return false;
    const ko::TestKind kind = database_->GetKind();
    const bool reload = reload_->isChecked();
    bool loaded = true;
    bool asked = false;
    switch (kind) {
        case ko::TestKind::Biomechanics:
            loaded = Refresh(*agent_, kind, reload, bioList_, &ko::CDataAgent::GetBioTestList, asked);
            break;
        case ko::TestKind::Component:
            loaded = Refresh(*agent_, kind, reload, comList_, &ko::CDataAgent::GetComTestList, asked);
            break;
        case ko::TestKind::Vehicle:
            loaded = Refresh(*agent_, kind, reload, vehList_, &ko::CDataAgent::GetVehTestList, asked);
            break;
        default: return false;
    }
    reload_->setChecked(false);
    if (!loaded) ShowStop(this, QString::fromStdString(agent_->GetLastError()));
    // The tests left out of a list just read are named once, with the list kept.
    if (loaded && asked && !agent_->GetListWarning().empty())
        ShowExclamation(this, QString::fromStdString(agent_->GetListWarning()));
    return loaded;
}

bool CBatchTestNumbers::FillAvailable()
{
    if (!EnsureTestList()) return false;
    std::vector<int> numbers;
    switch (database_->GetKind()) {
        case ko::TestKind::Biomechanics: numbers = NumbersOf(bioList_); break;
        case ko::TestKind::Component: numbers = NumbersOf(comList_); break;
        default: numbers = NumbersOf(vehList_); break;
    }
    available_->clear();
    for (const int number : numbers) {
        const QString text = QString::number(number);
        if (available_->findItems(text, Qt::MatchExactly).isEmpty()) available_->addItem(text);
    }
    return true;
}

std::unique_ptr<CTestSelectionDialog> CBatchTestNumbers::MakeSelectionDialog()
{
    if (!EnsureTestList()) return nullptr;
    switch (database_->GetKind()) {
        case ko::TestKind::Biomechanics:
            return std::make_unique<CDABioTNDlg>(ko::SelectionTexts(bioList_), this);
        case ko::TestKind::Component:
            return std::make_unique<CDAComTNDlg>(ko::SelectionTexts(comList_), this);
        default: return std::make_unique<CDAVehTNDlg>(ko::SelectionTexts(vehList_), this);
    }
}

void CBatchTestNumbers::ChooseWithDialog()
{
    const auto dialog = MakeSelectionDialog();
    if (dialog && dialog->exec() == QDialog::Accepted) AddNumber(dialog->GetTestNumber());
}

}  // namespace kores
