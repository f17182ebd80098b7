// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_test_numbers.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>

#include "app/database_combo.h"
#include "app/message_box.h"
#include "app/status_progress.h"
#include "sources/data_agent.h"

namespace kores {

CBatchTestNumbers::CBatchTestNumbers(QWidget* parent)
    : QDialog(parent), database_(std::make_shared<ko::CDatabase>())
{
    setWindowTitle("Multi Test Number Selection");
    const ko::TestKind remembered = DatabaseEntryKind(CSourceProfile::Database());
    if (ko::kLoadableKinds.Has(remembered)) database_->SetKind(remembered);
    BuildLayout();
}

CBatchTestNumbers::~CBatchTestNumbers() = default;

bool CBatchTestNumbers::NeedsSourceSelection() const
{
    return !agent_ || (sourceKind_ == kSourceFiles && !storeRoot_);
}

int CBatchTestNumbers::Run()
{
    sourceKind_ = CSourceProfile::Selection();
    if (NeedsSourceSelection()) {
        if (!RunSourceSelection(parentWidget())) return QDialog::Rejected;
        if (sourceKind_ == kSourceFiles && !storeRoot_) return QDialog::Accepted;
    }
    Prepare();
    return exec();
}

bool CBatchTestNumbers::RunSourceSelection(QWidget* parent)
{
    CSourceSelection selection(database_->GetKind(), allowedKinds_, sourceKind_, parent);
    if (selection.exec() != QDialog::Accepted) return false;
    TakeSource(selection.Result());
    return true;
}

bool CBatchTestNumbers::TakeSource(const CSourceResult& source)
{
    agent_ = source.agent;
    database_->SetKind(source.kind);
    sourceKind_ = source.sourceKind;
    allowedKinds_ = source.allowedKinds;
    storeRoot_ = source.storeRoot;
    bioList_.clear();
    comList_.clear();
    vehList_.clear();
    if (sourceKind_ != kSourceFiles || storeRoot_ || !agent_) return false;
    switch (database_->GetKind()) {
        case ko::TestKind::Biomechanics: bioTests_ = {agent_->GetBioTest()}; break;
        case ko::TestKind::Component: comTests_ = {agent_->GetComTest()}; break;
        case ko::TestKind::Vehicle: vehicleTests_ = {agent_->GetVehicleTest()}; break;
        default: break;
    }
    return true;
}

// A new source selection over this dialog (hiding a dialog would end its
// modal loop); local files holding one test end it as OK does.
void CBatchTestNumbers::ChangeSource()
{
    if (!RunSourceSelection(this)) {
        reject();
        return;
    }
    if (sourceKind_ == kSourceFiles && !storeRoot_) {
        done(QDialog::Accepted);
        return;
    }
    Prepare();
}

void CBatchTestNumbers::ChooseDatabase(ko::TestKind kind)
{
    database_->SetKind(kind);
    SetCaptions();
}

void CBatchTestNumbers::ShowChosen()
{
    chosen_->clear();
    for (const int number : choice_.Numbers()) chosen_->addItem(QString::number(number));
}

void CBatchTestNumbers::AddNumber(int number)
{
    if (number < ko::CTestNumberChoice::kFirst || number > ko::CTestNumberChoice::kLast) return;
    if (choice_.Add(number)) chosen_->addItem(QString::number(number));
}

// With an empty edit the selected available numbers are added; else the typed one.
void CBatchTestNumbers::Add()
{
    const QString typed = numberEdit_->text();
    if (!typed.isEmpty()) {
        if (const auto number = ko::CTestNumberChoice::ParseEntry(typed.toStdString())) {
            AddNumber(*number);
            numberEdit_->clear();
        }
        return;
    }
    for (int i = 0; i < available_->count(); ++i) {
        QListWidgetItem* item = available_->item(i);
        if (!item->isSelected() || !chosen_->findItems(item->text(), Qt::MatchExactly).isEmpty()) continue;
        choice_.Add(item->text().toInt());
        chosen_->addItem(item->text());
    }
    available_->clearSelection();
}

void CBatchTestNumbers::AddAll()
{
    RemoveAll();
    for (int i = 0; i < available_->count(); ++i) {
        const QString text = available_->item(i)->text();
        if (choice_.Add(text.toInt())) chosen_->addItem(text);
    }
}

void CBatchTestNumbers::RemoveSelected()
{
    std::vector<int> positions;
    for (int i = 0; i < chosen_->count(); ++i) {
        if (chosen_->item(i)->isSelected()) positions.push_back(i);
    }
    choice_.RemoveAt(positions);
    ShowChosen();
}

void CBatchTestNumbers::RemoveAll()
{
    choice_.Clear();
    chosen_->clear();
}

bool CBatchTestNumbers::ReadList(const QString& path)
{
    try {
        const std::vector<int> numbers = ko::ReadTestNumberFile(path.toStdString());
        available_->clear();
        for (const int number : numbers) available_->addItem(QString::number(number));
        return true;
    } catch (const std::exception& error) {
        ShowStop(this, QString::fromStdString(error.what()));
        return false;
    }
}

bool CBatchTestNumbers::WriteList(const QString& path)
{
    try {
        ko::WriteTestNumberFile(path.toStdString(), choice_.Numbers());
        return true;
    } catch (const std::exception& error) {
        ShowStop(this, QString::fromStdString(error.what()));
        return false;
    }
}

void CBatchTestNumbers::BrowseRead()
{
    const QString path =
        QFileDialog::getOpenFileName(this, "Read a list of Test Numbers", {}, "Text File (*.*)");
    if (!path.isEmpty()) ReadList(path);
}

void CBatchTestNumbers::BrowseWrite()
{
    const QString path =
        QFileDialog::getSaveFileName(this, "Write a list of Test Numbers", {}, "Text File (*.txt)");
    if (!path.isEmpty()) WriteList(path);
}

template <class Test>
QString CBatchTestNumbers::LoadTests(std::vector<std::shared_ptr<Test>>& tests, CurrentTest<Test> current)
{
    tests.clear();
    QString report;
    CStatusProgress progress;
    const std::vector<int>& numbers = choice_.Numbers();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const int number = numbers[i];
        progress.Show(QString("Loading test %1 (%2 of %3)").arg(number).arg(i + 1).arg(numbers.size()));
        if (agent_->SetTestNumber(static_cast<unsigned>(number)) && agent_->LoadTest(database_->GetKind()))
            tests.push_back(((*agent_).*current)());
        else
            report += QString::fromStdString(agent_->GetLastError()) + "\n";
    }
    return report;
}

QString CBatchTestNumbers::LoadChosenTests()
{
    if (!agent_) return {};
    switch (database_->GetKind()) {
        case ko::TestKind::Biomechanics: return LoadTests(bioTests_, &ko::CDataAgent::GetBioTest);
        case ko::TestKind::Component: return LoadTests(comTests_, &ko::CDataAgent::GetComTest);
        case ko::TestKind::Vehicle: return LoadTests(vehicleTests_, &ko::CDataAgent::GetVehicleTest);
        default: return {};
    }
}

void CBatchTestNumbers::accept()
{
    const QString report = LoadChosenTests();
    if (!report.isEmpty()) ShowStop(this, report);
    QDialog::accept();
}

}  // namespace kores
