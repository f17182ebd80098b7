// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/spawn_path_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "app/dialog_runner.h"
#include "app/message_box.h"
#include "document/spawn_path.h"

namespace kores {

namespace {

QString Key(const char* entry)
{
    return QString(CSpawnPath::kSection) + "/" + entry;
}

}  // namespace

CSpawnPath::CSpawnPath(QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(this)), browse_(new QPushButton("...", this))
{
    setWindowTitle("Option - Select a Path");
    path_ = QSettings().value(Key(kEntry), DefaultPath()).toString();
    edit_->setToolTip("Please choose a path where the application are stored.");
    edit_->setMinimumWidth(320);
    browse_->setFixedWidth(32);
    connect(browse_, &QPushButton::clicked, this, &CSpawnPath::Browse);

    auto* row = new QHBoxLayout;
    row->addWidget(edit_);
    row->addWidget(browse_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSpawnPath::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Directory for lauching Applications", this));
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString CSpawnPath::DefaultPath()
{
    return QCoreApplication::applicationDirPath() + "/";
}

QString CSpawnPath::ProgramName()
{
    const QString self = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QSettings().value(Key(kProgramEntry), self).toString();
}

int CSpawnPath::DoModal()
{
    edit_->setText(path_);
    return RunModal(*this);
}

void CSpawnPath::Browse()
{
    const auto folder = BrowseFolder(this, "Select a Path", path_);
    if (!folder) return;
    if (QFileInfo(*folder).isDir())
        edit_->setText(*folder);
    else
        ShowMessage(this, QMessageBox::NoIcon, "Invalid Path: " + *folder);
}

void CSpawnPath::accept()
{
    const auto checked = ko::CheckSpawnPath(edit_->text().toStdString());
    if (!checked.Ok()) {
        ShowMessage(this, QMessageBox::NoIcon, QString::fromStdString(checked.message));
        return;
    }
    path_ = QString::fromStdString(checked.path);
    QSettings().setValue(Key(kEntry), path_);
    QDialog::accept();
}

}  // namespace kores
