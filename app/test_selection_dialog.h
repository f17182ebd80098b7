// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "document/cascade_filter.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace kores {

// The per-database test selection: drop-down filters in cascade, the last of
// which lists the remaining test numbers, and read-only descriptions of the
// test chosen there. Each row holds the filter texts (test number last), then
// the description texts.
class CTestSelectionDialog : public QDialog {
    Q_OBJECT

public:
    // Offered first in every filter but the last: no choice.
    static constexpr const char* kAnyValue = "(All)";

    CTestSelectionDialog(const QString& title, const QStringList& filterLabels,
                         const QStringList& descriptionLabels, std::vector<std::vector<std::string>> rows,
                         QWidget* parent = nullptr);

    int FilterCount() const { return static_cast<int>(filters_.size()); }
    QComboBox* Filter(int index) const { return filters_.at(static_cast<std::size_t>(index)); }
    QLineEdit* Description(int index) const { return descriptions_.at(static_cast<std::size_t>(index)); }
    QLabel* DescriptionLabel(int index) const
    {
        return descriptionLabels_.at(static_cast<std::size_t>(index));
    }
    // Chooses a listed value of a filter as the user does; false when it is not listed.
    bool ChooseFilter(int index, const QString& value);
    // The test number chosen in the last filter, 0 when none.
    int GetTestNumber() const;

protected:
    // Called after the choice of filter index changed and the later filters
    // were refilled.
    virtual void FilterChanged(int index) { (void)index; }
    const ko::CCascadeFilter& Cascade() const { return cascade_; }
    void SetDescriptionShown(int index, bool shown);

private:
    void OnFilterActivated(int index);
    void Refill(int first);
    void ShowDescriptions();

    ko::CCascadeFilter cascade_;
    std::vector<QComboBox*> filters_;
    std::vector<QLabel*> descriptionLabels_;
    std::vector<QLineEdit*> descriptions_;
    QFormLayout* descriptionForm_ = nullptr;
};

// "Vehicle: Select Test".
class CDAVehTNDlg : public CTestSelectionDialog {
    Q_OBJECT

public:
    CDAVehTNDlg(std::vector<std::vector<std::string>> rows, QWidget* parent = nullptr);
};

// "Component: Select Test".
class CDAComTNDlg : public CTestSelectionDialog {
    Q_OBJECT

public:
    CDAComTNDlg(std::vector<std::vector<std::string>> rows, QWidget* parent = nullptr);
};

// "Biomechanics: Select Test": the occupant type decides whether the test's
// age and weight (a biological occupant) or the dummy size are shown.
class CDABioTNDlg : public CTestSelectionDialog {
    Q_OBJECT

public:
    CDABioTNDlg(std::vector<std::vector<std::string>> rows, QWidget* parent = nullptr);

protected:
    void FilterChanged(int index) override;
};

}  // namespace kores
