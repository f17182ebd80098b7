// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "app/source_selection.h"
#include "document/test_number_choice.h"
#include "model/bio_selection.h"
#include "model/biomechanics_test.h"
#include "model/com_selection.h"
#include "model/component_test.h"
#include "model/database.h"
#include "model/veh_selection.h"
#include "model/vehicle_test.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ko {
class CDataAgent;
}

namespace kores {

class CTestSelectionDialog;

// "Multi Test Number Selection": the database and the test numbers to load,
// typed, chosen from the agent's test lists or read from a list file. OK
// loads every chosen test through the data agent. The dialog keeps its agent,
// database, choices, cached test lists and loaded tests between showings.
class CBatchTestNumbers : public QDialog {
    Q_OBJECT

public:
    static constexpr ko::KindMask kAllKinds = ko::kLoadableKinds | ko::TestKind::CollisionWarning;

    explicit CBatchTestNumbers(QWidget* parent = nullptr);
    ~CBatchTestNumbers() override;

    void SetAllowedKinds(ko::KindMask kinds) { allowedKinds_ = kinds; }
    ko::KindMask GetAllowedKinds() const { return allowedKinds_; }
    int GetSourceKind() const { return sourceKind_; }
    const std::shared_ptr<ko::CDataAgent>& GetAgent() const { return agent_; }
    const std::shared_ptr<ko::CDatabase>& GetDatabase() const { return database_; }
    const std::vector<std::shared_ptr<ko::CBioTest>>& GetBioTests() const { return bioTests_; }
    const std::vector<std::shared_ptr<ko::CComTest>>& GetComTests() const { return comTests_; }
    const std::vector<std::shared_ptr<ko::CVehicleTest>>& GetVehicleTests() const { return vehicleTests_; }

    // Shows the dialog modally, after the source selection when it needs one.
    int Run();
    // No agent yet, or local files that hold one test (a store root is kept).
    bool NeedsSourceSelection() const;
    // Takes the agent and choices of a source selection and forgets the cached
    // test lists. True when the dialog ends here: local files holding one test,
    // which becomes the loaded test of its kind.
    bool TakeSource(const CSourceResult& source);

    // What the controls do.
    void Prepare();
    void ChooseDatabase(ko::TestKind kind);
    void Add();
    void AddAll();
    void RemoveSelected();
    void RemoveAll();
    bool FillAvailable();
    bool ReadList(const QString& path);
    bool WriteList(const QString& path);
    // The selection dialog of the database over its (cached) test list; null
    // when the list cannot be loaded (the failure was shown).
    std::unique_ptr<CTestSelectionDialog> MakeSelectionDialog();
    // Adds a number as a typed one: 1 to 99999, once.
    void AddNumber(int number);
    // The OK step: loads every chosen test of the database's kind; the error
    // report (one line per test that failed) is returned, not shown.
    QString LoadChosenTests();
    const std::vector<int>& ChosenNumbers() const { return choice_.Numbers(); }

    QComboBox* DatabaseBox() const { return databaseBox_; }
    QLineEdit* NumberEdit() const { return numberEdit_; }
    QListWidget* AvailableList() const { return available_; }
    QListWidget* ChosenList() const { return chosen_; }
    QCheckBox* ReloadCheck() const { return reload_; }
    QGroupBox* NumberGroup() const { return numberGroup_; }
    QPushButton* SelectButton() const { return select_; }

public Q_SLOTS:
    void accept() override;

private:
    void BuildLayout();
    QGroupBox* BuildNumberGroup();
    QPushButton* AddButton(const QString& text, const std::function<void()>& action);
    void SetCaptions();
    bool EnsureTestList();
    bool RunSourceSelection(QWidget* parent);
    void ChangeSource();
    void ChooseWithDialog();
    void BrowseRead();
    void BrowseWrite();
    void ShowChosen();
    template <class Test>
    using CurrentTest = const std::shared_ptr<Test>& (ko::CDataAgent::*)() const;
    template <class Test>
    QString LoadTests(std::vector<std::shared_ptr<Test>>& tests, CurrentTest<Test> current);

    ko::KindMask allowedKinds_ = kAllKinds;
    int sourceKind_ = kSourceFiles;
    bool storeRoot_ = false;
    std::shared_ptr<ko::CDataAgent> agent_;
    std::shared_ptr<ko::CDatabase> database_;
    ko::CTestNumberChoice choice_;
    std::vector<std::shared_ptr<ko::CBioTest>> bioTests_;
    std::vector<std::shared_ptr<ko::CComTest>> comTests_;
    std::vector<std::shared_ptr<ko::CVehicleTest>> vehicleTests_;
    std::vector<std::shared_ptr<ko::bio::CSelection>> bioList_;
    std::vector<std::shared_ptr<ko::com::CSelection>> comList_;
    std::vector<std::shared_ptr<ko::veh::CSelection>> vehList_;

    QComboBox* databaseBox_ = nullptr;
    QGroupBox* numberGroup_ = nullptr;
    QLineEdit* numberEdit_ = nullptr;
    QPushButton* select_ = nullptr;
    QListWidget* available_ = nullptr;
    QListWidget* chosen_ = nullptr;
    QCheckBox* reload_ = nullptr;
};

}  // namespace kores
