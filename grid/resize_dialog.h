// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QResizeEvent;

namespace kores {

// A dialog whose layout stretches its registered controls with its size:
// grids stretch, the button row keeps its place at the bottom edge. OnResized
// runs after every resize, once the children have their new sizes.
class CResizeDlg : public QDialog {
    Q_OBJECT

public:
    explicit CResizeDlg(QWidget* parent = nullptr);

protected:
    virtual void OnResized() {}
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace kores
