// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace kores {

// "About: Velder", with the application icon.
class CKOAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CKOAboutDlg(QWidget* parent = nullptr);
};

}  // namespace kores
