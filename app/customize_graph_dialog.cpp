// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/customize_graph_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace kores {

CCustomizeGraphDialog::CCustomizeGraphDialog(const CGraphStyle& style, QWidget* parent)
    : QDialog(parent),
      m_lineWidth(new QDoubleSpinBox(this)),
      m_grid(new QCheckBox(tr("Show &grid"), this)),
      m_legend(new QCheckBox(tr("Show &legend"), this))
{
    setWindowTitle(tr("Customize Graph"));
    m_lineWidth->setRange(kMinLineWidth, kMaxLineWidth);
    m_lineWidth->setSingleStep(0.5);
    m_lineWidth->setDecimals(1);
    m_lineWidth->setSuffix(tr(" px"));

    auto* form = new QFormLayout;
    form->addRow(tr("Line &width:"), m_lineWidth);
    form->addRow(m_grid);
    form->addRow(m_legend);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetStyle(style);
}

CGraphStyle CCustomizeGraphDialog::Style() const
{
    return {m_lineWidth->value(), m_grid->isChecked(), m_legend->isChecked()};
}

void CCustomizeGraphDialog::SetStyle(const CGraphStyle& style)
{
    m_lineWidth->setValue(style.lineWidth);
    m_grid->setChecked(style.showGrid);
    m_legend->setChecked(style.showLegend);
}

}  // namespace kores
