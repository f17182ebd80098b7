// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kores {

// "Option - Select a Path": the folder of the compare program, kept in the
// profile (section "Setting", entry "SpawnPath"; by default the folder of
// this program). The program's name is kept beside it ("SpawnProgram"; by
// default this program).
class CSpawnPath : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kSection = "Setting";
    static constexpr const char* kEntry = "SpawnPath";
    static constexpr const char* kProgramEntry = "SpawnProgram";

    // Reads the path from the profile.
    explicit CSpawnPath(QWidget* parent = nullptr);

    QString GetPath() const { return path_; }
    static QString DefaultPath();
    // The compare program's name from the profile.
    static QString ProgramName();

    // Shows the path and runs the dialog; its result.
    int DoModal();

    QLineEdit& PathEdit() const { return *edit_; }
    QPushButton& BrowseButton() const { return *browse_; }

    void accept() override;

private:
    void Browse();

    QLineEdit* edit_;
    QPushButton* browse_;
    QString path_;
};

}  // namespace kores
