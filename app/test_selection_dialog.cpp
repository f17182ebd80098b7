// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/test_selection_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstdlib>

#include "document/selection_texts.h"

namespace kores {

CTestSelectionDialog::CTestSelectionDialog(const QString& title, const QStringList& filterLabels,
                                           const QStringList& descriptionLabels,
                                           std::vector<std::vector<std::string>> rows, QWidget* parent)
    : QDialog(parent), cascade_(std::move(rows), static_cast<std::size_t>(filterLabels.size()))
{
    setWindowTitle(title);
    auto* filterForm = new QFormLayout;
    for (const QString& label : filterLabels) {
        auto* combo = new QComboBox(this);
        combo->setMinimumContentsLength(16);
        const int index = static_cast<int>(filters_.size());
        connect(combo, &QComboBox::activated, this, [this, index] { OnFilterActivated(index); });
        filterForm->addRow(label, combo);
        filters_.push_back(combo);
    }
    descriptionForm_ = new QFormLayout;
    for (const QString& label : descriptionLabels) {
        auto* name = new QLabel(label, this);
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(true);
        descriptionForm_->addRow(name, edit);
        descriptionLabels_.push_back(name);
        descriptions_.push_back(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(filterForm);
    if (!descriptions_.empty()) columns->addLayout(descriptionForm_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    Refill(0);
}

bool CTestSelectionDialog::ChooseFilter(int index, const QString& value)
{
    QComboBox* combo = Filter(index);
    const int item = combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item < 0) return false;
    combo->setCurrentIndex(item);
    OnFilterActivated(index);
    return true;
}

int CTestSelectionDialog::GetTestNumber() const
{
    const QComboBox* last = filters_.back();
    return last->currentIndex() < 0 ? 0 : std::atoi(last->currentText().toStdString().c_str());
}

void CTestSelectionDialog::OnFilterActivated(int index)
{
    const std::size_t column = static_cast<std::size_t>(index);
    QComboBox* combo = Filter(index);
    const bool last = index + 1 == FilterCount();
    if (combo->currentIndex() < 0 || (!last && combo->currentIndex() == 0))
        cascade_.Choose(column, std::nullopt);
    else
        cascade_.Choose(column, combo->currentText().toStdString());
    Refill(index + 1);
    FilterChanged(index);
}

// Refills the filters from first on; every filter but the last offers "any" first.
void CTestSelectionDialog::Refill(int first)
{
    for (int index = first; index < FilterCount(); ++index) {
        QComboBox* combo = Filter(index);
        const bool last = index + 1 == FilterCount();
        combo->clear();
        if (!last) combo->addItem(kAnyValue);
        for (const std::string& value : cascade_.Options(static_cast<std::size_t>(index)))
            combo->addItem(QString::fromStdString(value));
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        if (last && combo->currentIndex() >= 0)
            cascade_.Choose(static_cast<std::size_t>(index), combo->currentText().toStdString());
    }
    ShowDescriptions();
}

void CTestSelectionDialog::ShowDescriptions()
{
    const std::size_t numberColumn = static_cast<std::size_t>(FilterCount() - 1);
    const std::vector<std::size_t> matching = cascade_.Matching();
    const bool found = cascade_.Choice(numberColumn).has_value() && !matching.empty();
    for (std::size_t d = 0; d < descriptions_.size(); ++d) {
        const std::string text =
            found ? cascade_.Rows()[matching.front()].at(numberColumn + 1 + d) : std::string();
        descriptions_[d]->setText(QString::fromStdString(text));
    }
}

void CTestSelectionDialog::SetDescriptionShown(int index, bool shown)
{
    DescriptionLabel(index)->setVisible(shown);
    Description(index)->setVisible(shown);
}

CDAVehTNDlg::CDAVehTNDlg(std::vector<std::vector<std::string>> rows, QWidget* parent)
    : CTestSelectionDialog("Vehicle: Select Test",
                           {"Test Type", "Vehicle Make", "Vehicle Model", "Year", "Test Number"},
                           {"Impact Angle", "Closing Speed", "Vehicle Length", "Vehicle Width", "Body Type",
                            "Vehicle Weight", "VIN"},
                           std::move(rows), parent)
{
}

CDAComTNDlg::CDAComTNDlg(std::vector<std::vector<std::string>> rows, QWidget* parent)
    : CTestSelectionDialog("Component: Select Test",
                           {"Test Type", "Test Performer", "Test Reference", "Test Number"}, {},
                           std::move(rows), parent)
{
}

namespace {
constexpr int kAgeDescription = 1;
constexpr int kWeightDescription = 2;
}  // namespace

CDABioTNDlg::CDABioTNDlg(std::vector<std::vector<std::string>> rows, QWidget* parent)
    : CTestSelectionDialog(
          "Biomechanics: Select Test",
          {"Occupant Type", "Test Configuration", "Test Performer", "Test Reference", "Test Number"},
          {"Sex", "Age", "Weight", "Closing Speed", "Impact Angle"}, std::move(rows), parent)
{
    FilterChanged(0);
}

// The chosen occupant type decides the layout; with none chosen, the occupant
// type of the test whose descriptions are shown.
void CDABioTNDlg::FilterChanged(int /*index*/)
{
    std::optional<std::string> occupant = Cascade().Choice(0);
    const std::vector<std::size_t> shown = Cascade().Matching();
    if (!occupant && Cascade().Choice(static_cast<std::size_t>(FilterCount() - 1)) && !shown.empty())
        occupant = Cascade().Rows()[shown.front()].front();
    const bool biological = occupant && ko::IsBiologicalOccupant(*occupant);
    DescriptionLabel(kAgeDescription)->setText(biological ? "Age" : "Size");
    SetDescriptionShown(kWeightDescription, biological);
}

}  // namespace kores
