// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/resize_dialog.h"

#include <QLayout>
#include <QResizeEvent>

namespace kores {

CResizeDlg::CResizeDlg(QWidget* parent) : QDialog(parent)
{
    setSizeGripEnabled(true);
}

void CResizeDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (layout()) layout()->activate();
    OnResized();
}

}  // namespace kores
