// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "document/summary.h"
#include "grid/grid_ctrl.h"
#include "grid/resize_dialog.h"
#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/vehicle_test.h"

namespace kores {

// One line per loaded test: its curve counts against the other tests.
class CSummaryGrid : public CGridCtrl {
    Q_OBJECT

public:
    explicit CSummaryGrid(QWidget* parent = nullptr);
    void SetLines(const std::vector<ko::CSummaryLine>& lines);
};

// "Summary" of the loaded tests of one kind. Setting the tests computes the
// lines; a test without a test record throws the test model's error.
class CSummary : public CResizeDlg {
    Q_OBJECT

public:
    explicit CSummary(QWidget* parent = nullptr);

    void SetTests(const std::vector<std::shared_ptr<ko::CVehicleTest>>& tests);
    void SetTests(const std::vector<std::shared_ptr<ko::CComTest>>& tests);
    void SetTests(const std::vector<std::shared_ptr<ko::CBioTest>>& tests);

    ko::TestKind Kind() const { return kind_; }
    CSummaryGrid& Grid() const { return *grid_; }

protected:
    void OnResized() override;

private:
    template <class Test>
    void Fill(const std::vector<std::shared_ptr<Test>>& tests, ko::TestKind kind);

    ko::TestKind kind_ = ko::TestKind::None;
    std::vector<std::shared_ptr<ko::CVehicleTest>> vehTests_;
    std::vector<std::shared_ptr<ko::CComTest>> comTests_;
    std::vector<std::shared_ptr<ko::CBioTest>> bioTests_;
    CSummaryGrid* grid_ = nullptr;
};

}  // namespace kores
