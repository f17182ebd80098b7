// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "document/spec_sections.h"
#include "grid/resize_dialog.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ko {
class CDataAgent;
}

namespace kores {

class CSpecificationGrid;

// "Test Specification": every record of the loaded tests of one kind, one
// section at a time, stepping through the tests; copies sections to the
// clipboard, opens a test's media through the data agent and saves the
// shown test as an EV5 file.
class CSpecification : public CResizeDlg {
    Q_OBJECT

public:
    explicit CSpecification(QWidget* parent = nullptr);

    void SetAgent(std::shared_ptr<ko::CDataAgent> agent) { agent_ = std::move(agent); }
    // Each makes its kind the dialog's, shows the first test and the first section.
    void SetTests(std::vector<std::shared_ptr<ko::CVehicleTest>> tests);
    void SetTests(std::vector<std::shared_ptr<ko::CComTest>> tests);
    void SetTests(std::vector<std::shared_ptr<ko::CBioTest>> tests);

    ko::TestKind Kind() const { return kind_; }
    int ShownIndex() const { return shown_; }
    int TestNumber() const;
    void ShowTest(int index);
    void ShowSection(const std::string& section);
    const std::string& SectionName() const { return section_; }
    const ko::CSpecSection& Section() const { return rows_; }

    void Copy(ko::SpecCopy copy) const;
    // "Copy Information" of a vehicle section (all sections for "").
    void CopyInformation(const std::string& section) const;
    // Opens the media record of the sheet's current row.
    void OpenMedia();
    void SaveEV5();

    CSpecificationGrid& Grid() const { return *grid_; }
    QRadioButton* SectionButton(const std::string& section) const;
    QSpinBox& Spin() const { return *spin_; }
    QLineEdit& Count() const { return *count_; }
    QPushButton& MediaButton() const { return *media_; }
    // Says so when the shown test has no record of the section.
    QLabel& Note() const { return *note_; }

private:
    void BuildSectionButtons();
    void Refresh();
    void FillMenu(QMenu& menu);
    bool SectionHasRecords(const std::string& section) const;
    std::string EV5Text() const;

    std::shared_ptr<ko::CDataAgent> agent_;
    ko::TestKind kind_ = ko::TestKind::None;
    std::vector<std::shared_ptr<ko::CVehicleTest>> vehTests_;
    std::vector<std::shared_ptr<ko::CComTest>> comTests_;
    std::vector<std::shared_ptr<ko::CBioTest>> bioTests_;
    int shown_ = -1;
    std::string section_;
    ko::CSpecSection rows_;
    std::map<std::string, QRadioButton*> buttons_;
    QWidget* sectionPanel_ = nullptr;
    CSpecificationGrid* grid_ = nullptr;
    QSpinBox* spin_ = nullptr;
    QLineEdit* count_ = nullptr;
    QPushButton* media_ = nullptr;
    QPushButton* save_ = nullptr;
    QLabel* note_ = nullptr;
};

}  // namespace kores
