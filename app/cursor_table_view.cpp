// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cursor_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "app/dialog_runner.h"
#include "app/message_box.h"
#include "document/save_file.h"
#include "grid/grid_ctrl.h"

namespace kores {

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) throw std::runtime_error("Failure to write file: " + path);
}

}  // namespace

CCursorTableView::CCursorTableView(QWidget* parent)
    : QWidget(parent),
      criterion_(new QComboBox(this)),
      sigma_(new QDoubleSpinBox(this)),
      note_(new QLabel(this)),
      copy_(new QPushButton("Copy Table", this)),
      save_(new QPushButton("Save CSV...", this)),
      grid_(new CGridCtrl(this))
{
    for (const ko::CCriterionInfo* info : ko::SingleChannelCriteria())
        criterion_->addItem(info->caption, QString(info->name));
    sigma_->setRange(0.0, 10.0);
    sigma_->setSingleStep(0.5);
    sigma_->setDecimals(2);
    sigma_->setValue(table_.GetSigmaFactor());
    sigma_->setToolTip("The corridor is the mean +- k sigma of the plotted signals");
    note_->setStyleSheet("color: gray");

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel("Criterion:", this));
    bar->addWidget(criterion_);
    bar->addSpacing(12);
    bar->addWidget(new QLabel("Corridor k:", this));
    bar->addWidget(sigma_);
    bar->addSpacing(12);
    bar->addWidget(note_, 1);
    bar->addWidget(copy_);
    bar->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addLayout(bar);
    layout->addWidget(grid_, 1);

    connect(criterion_, &QComboBox::currentIndexChanged, this, [this](int index) {
        table_.SetCriterion(*ko::SingleChannelCriteria().at(static_cast<std::size_t>(index)));
        ShowRows();
    });
    connect(sigma_, &QDoubleSpinBox::valueChanged, this, [this](double k) {
        table_.SetSigmaFactor(k);
        ShowRows();
    });
    connect(copy_, &QPushButton::clicked, this, &CCursorTableView::CopyTable);
    connect(save_, &QPushButton::clicked, this, &CCursorTableView::SaveCsv);
    ShowRows();
}

void CCursorTableView::SetSignals(const ko::CSignalList& signals)
{
    CWaitCursor wait;
    inputs_ = ko::InputFiles(signals);
    table_.SetSignals(signals);
    ShowRows();
}

void CCursorTableView::SetCursors(double a, double b)
{
    table_.SetCursors(a, b);
    ShowRows();
}

void CCursorTableView::ShowRows()
{
    std::vector<CGridColumn> columns;
    const std::vector<std::string> headings = table_.Headings();
    for (std::size_t c = 0; c < headings.size(); ++c) {
        const bool text = c == 0 || headings[c] == "Units";
        columns.push_back({QString::fromStdString(headings[c]), c == 0 ? 140 : 90,
                           text ? ESortKind::Text : ESortKind::Number});
    }
    grid_->SetColumns(columns);
    std::vector<CGridRow> rows;
    for (std::size_t r = 0; r < table_.RowCount(); ++r) {
        CGridRow row;
        for (const std::string& cell : table_.Cells(r)) row.cells << QString::fromStdString(cell);
        rows.push_back(std::move(row));
    }
    grid_->Model().SetRows(std::move(rows));
    grid_->FitColumns(0, static_cast<int>(headings.size()) - 1);
    const int shown = static_cast<int>(std::min<std::size_t>(std::max<std::size_t>(table_.RowCount(), 2), 6));
    grid_->setMinimumHeight(grid_->horizontalHeader()->height() +
                            shown * grid_->verticalHeader()->defaultSectionSize() +
                            grid_->horizontalScrollBar()->sizeHint().height() + 4);
    note_->setText(QString::fromStdString(table_.CorridorFailure()));
    copy_->setEnabled(table_.RowCount() > 0);
    save_->setEnabled(table_.RowCount() > 0);
}

void CCursorTableView::CopyTable()
{
    QApplication::clipboard()->setText(QString::fromStdString(table_.Text()));
}

void CCursorTableView::SaveCsv()
{
    QFileDialog dialog(this, "Save Cursor Table", QString(), "CSV files (*.csv)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix("csv");
    if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().front();
    const ko::CTarget state = ko::TargetState(path.toStdString(), inputs_);
    if (state == ko::CTarget::Input) {
        ShowExclamation(this, path + "\nholds a current signal's data and is not replaced.");
        return;
    }
    if (state == ko::CTarget::Exists) {
        QMessageBox box(QMessageBox::Question, QString(),
                        path + " already exists.\nDo you want to replace it?",
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        if (RunModal(box) != QMessageBox::Yes) return;
    }
    const auto replace = state == ko::CTarget::Exists ? ko::CReplace::Allowed : ko::CReplace::Never;
    try {
        const std::string csv = table_.Csv();
        ko::SaveFile(path.toStdString(), replace,
                     [&csv](const std::string& staged) { WriteText(staged, csv); });
    } catch (const std::exception& error) {
        ShowExclamation(this, QString::fromStdString(error.what()));
    }
}

}  // namespace kores
