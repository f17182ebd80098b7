// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid/grid_ctrl.h"
#include "grid/resize_dialog.h"
#include "model/bio_instrumentation.h"
#include "model/com_instrumentation.h"
#include "model/record_list.h"
#include "model/test_kind.h"
#include "model/veh_instrumentation.h"

namespace kores {

// The heading font of the signal list and summary grids.
QFont SignalListHeadingFont();

// The title band of the signal list: the chosen title with its descriptions.
class CSignalTitleGrid : public CGridCtrl {
    Q_OBJECT

public:
    explicit CSignalTitleGrid(QWidget* parent = nullptr);
    // Sets the widths of the kind again and fits its columns.
    void ApplyWidths(ko::TestKind kind);
};

// One line per instrumentation row carrying the title; the number columns sort.
class CSignalListGrid : public CGridCtrl {
    Q_OBJECT

public:
    explicit CSignalListGrid(QWidget* parent = nullptr);
    void ApplyWidths();
};

// "Signal List": the selected title and the rows that carry it. The dialog
// keeps the rows it was given; the document's lists are never touched.
class CSignalList : public CResizeDlg {
    Q_OBJECT

public:
    explicit CSignalList(QWidget* parent = nullptr);

    void SetRows(const ko::CRecordList<ko::veh::CInstrumentation>& rows);
    void SetRows(const ko::CRecordList<ko::com::CInstrumentation>& rows);
    void SetRows(const ko::CRecordList<ko::bio::CInstrumentation>& rows);

    ko::TestKind Kind() const { return kind_; }
    CSignalTitleGrid& TitleGrid() const { return *titleGrid_; }
    CSignalListGrid& ListGrid() const { return *listGrid_; }

protected:
    void OnResized() override;

private:
    template <class Row>
    void Fill(const ko::CRecordList<Row>& rows, ko::TestKind kind);

    ko::TestKind kind_ = ko::TestKind::None;
    ko::CRecordList<ko::veh::CInstrumentation> vehRows_;
    ko::CRecordList<ko::com::CInstrumentation> comRows_;
    ko::CRecordList<ko::bio::CInstrumentation> bioRows_;
    CSignalTitleGrid* titleGrid_ = nullptr;
    CSignalListGrid* listGrid_ = nullptr;
};

}  // namespace kores
