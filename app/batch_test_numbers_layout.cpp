// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the batch test dialog and their captions.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/batch_test_numbers.h"
#include "app/database_combo.h"

namespace kores {

namespace {

struct CKindCaptions {
    const char* group;
    const char* button;
};

CKindCaptions CaptionsOf(ko::TestKind kind)
{
    switch (kind) {
        case ko::TestKind::Biomechanics: return {"Select Biomechanics Test Number", "Occupant/Dummy"};
        case ko::TestKind::Component: return {"Select Component Test Number", "Performer/Reference"};
        case ko::TestKind::Vehicle: return {"Select Vehicle Test Number", "Make/Model/Year"};
        default: return {"Select Test Number", "..."};
    }
}

QString WindowTitleOf(int sourceKind)
{
    switch (sourceKind) {
        case kSourceDatabase: return "KORVA Database Selection";
        case kSourceWeb: return "KORVA Web Selection";
        case kSourceFiles: return "KORVA File Selection";
        default: return "Error - Unknown Selection";
    }
}

}  // namespace

// Enter in the number edit adds the number, so no button is a default button.
QPushButton* CBatchTestNumbers::AddButton(const QString& text, const std::function<void()>& action)
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    button->setDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void CBatchTestNumbers::BuildLayout()
{
    databaseBox_ = new QComboBox(this);
    databaseBox_->setToolTip("To choose a Database");
    connect(databaseBox_, &QComboBox::activated, this,
            [this] { ChooseDatabase(DatabaseEntryKind(databaseBox_->currentText())); });
    reload_ = new QCheckBox("Reload", this);
    auto* side = new QVBoxLayout;
    side->addWidget(reload_);
    side->addWidget(AddButton("Read", [this] { BrowseRead(); }));
    side->addWidget(AddButton("Write", [this] { BrowseWrite(); }));
    side->addWidget(AddButton("Data", [this] { FillAvailable(); }));
    side->addWidget(AddButton("Change Source Selection", [this] { ChangeSource(); }));
    side->addStretch();
    side->addWidget(AddButton("OK", [this] { accept(); }));
    side->addWidget(AddButton("Cancel", [this] { reject(); }));
    auto* database = new QFormLayout;
    database->addRow("Database:", databaseBox_);
    auto* layout = new QGridLayout(this);
    layout->addLayout(database, 0, 0);
    layout->addWidget(BuildNumberGroup(), 1, 0);
    layout->addLayout(side, 1, 1);
}

// The number edit and its selection button above the available and chosen
// lists, with the arrow buttons between them.
QGroupBox* CBatchTestNumbers::BuildNumberGroup()
{
    numberGroup_ = new QGroupBox("Select Test Number:", this);
    numberEdit_ = new QLineEdit(numberGroup_);
    numberEdit_->setToolTip("Test Number Range: 1 to 99999");
    connect(numberEdit_, &QLineEdit::returnPressed, this, &CBatchTestNumbers::Add);
    select_ = AddButton("...", [this] { ChooseWithDialog(); });
    available_ = new QListWidget(numberGroup_);
    chosen_ = new QListWidget(numberGroup_);
    for (QListWidget* list : {available_, chosen_})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* entry = new QHBoxLayout;
    entry->addWidget(numberEdit_);
    entry->addWidget(select_);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(AddButton(">>", [this] { AddAll(); }));
    arrows->addWidget(AddButton(">", [this] { Add(); }));
    arrows->addWidget(AddButton("<", [this] { RemoveSelected(); }));
    arrows->addWidget(AddButton("<<", [this] { RemoveAll(); }));
    arrows->addStretch();
    auto* lists = new QHBoxLayout;
    lists->addWidget(available_);
    lists->addLayout(arrows);
    lists->addWidget(chosen_);
    auto* group = new QVBoxLayout(numberGroup_);
    group->addLayout(entry);
    group->addLayout(lists);
    return numberGroup_;
}

void CBatchTestNumbers::SetCaptions()
{
    const ko::TestKind kind = database_->GetKind();
    const CKindCaptions captions = CaptionsOf(kind);
    numberGroup_->setTitle(captions.group);
    select_->setText(captions.button);
    select_->setEnabled(ko::kLoadableKinds.Has(kind));
    setWindowTitle(WindowTitleOf(sourceKind_));
}

void CBatchTestNumbers::Prepare()
{
    FillDatabaseCombo(*databaseBox_, allowedKinds_, database_->GetKind());
    SetCaptions();
    ShowChosen();
}

}  // namespace kores
