// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "app/tool_icons.h"

namespace kores {

CKOAboutDlg::CKOAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("About: " + QApplication::applicationDisplayName());
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    auto* text =
        new QLabel(QApplication::applicationDisplayName() + " Version " + QApplication::applicationVersion() +
                       "\nCompares one channel across many crash tests.\nGPL-3.0-or-later",
                   this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(text, 0, 1);
    layout->addWidget(buttons, 1, 0, 1, 2);
}

}  // namespace kores
