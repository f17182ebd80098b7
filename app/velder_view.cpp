// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velder_view.h"

#include <QVBoxLayout>

#include "app/velder_doc.h"
#include "app/velder_grid.h"
#include "document/document.h"

namespace kores {

CVelderView::CVelderView(CVelderDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), grid_(new CVelderGrid(doc, this))
{
    grid_->setObjectName(QString::number(CVelderGrid::kControlId));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    setFocusProxy(grid_);
    connect(&doc_, &CVelderDoc::Updated, this, &CVelderView::OnUpdate);
    connect(grid_, &CVelderGrid::RowChosen, this, &CVelderView::OnRowChosen);
}

void CVelderView::OnUpdate(int hint)
{
    if (hint == CVelderDoc::kHintLoaded && ko::kLoadableKinds.Has(doc_.GetKind())) grid_->Rebuild();
}

void CVelderView::OnRowChosen(int row)
{
    if (row < 0 || row >= grid_->Model().RowCount()) return;
    doc_.SelectTitle(grid_->RowTitle(row));
}

void CVelderView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    grid_->FitAllColumns();
}

}  // namespace kores
