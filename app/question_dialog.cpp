// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/question_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/message_box.h"

namespace kores {

CQuestion::CQuestion(QWidget* parent)
    : QDialog(parent), question_(new QLabel("No Question:", this)), edit_(new QLineEdit(this))
{
    setWindowTitle(QString());
    edit_->setMinimumWidth(320);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CQuestion::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    edit_->setFocus();
}

void CQuestion::SetQuestion(const QString& question)
{
    question_->setText(question.isEmpty() ? QString("No Question:") : question);
}

void CQuestion::SetAnswer(const QString& answer)
{
    edit_->setText(answer);
    edit_->selectAll();
}

void CQuestion::accept()
{
    if (edit_->text().isEmpty()) {
        ShowMessage(this, QMessageBox::Question, "Please enter and answer.");
        edit_->setFocus();
        return;
    }
    answer_ = edit_->text();
    QDialog::accept();
}

}  // namespace kores
