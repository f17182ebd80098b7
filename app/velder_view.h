// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace kores {

class CVelderDoc;
class CVelderGrid;

// The upper pane: the title grid, filling the view. A chosen row (click or
// Up/Down arrow) selects that title and plots it at once.
class CVelderView : public QWidget {
    Q_OBJECT

public:
    explicit CVelderView(CVelderDoc& doc, QWidget* parent = nullptr);

    CVelderGrid& Grid() const { return *grid_; }
    // What a chosen grid row does: selects its title in the document.
    void OnRowChosen(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnUpdate(int hint);

    CVelderDoc& doc_;
    CVelderGrid* grid_;
};

}  // namespace kores
