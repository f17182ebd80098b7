// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kores {

// A one-line question without a caption: the question above an edit with the
// proposed answer; OK needs an answer.
class CQuestion : public QDialog {
    Q_OBJECT

public:
    explicit CQuestion(QWidget* parent = nullptr);

    void SetQuestion(const QString& question);
    void SetAnswer(const QString& answer);
    QString Answer() const { return answer_; }
    QLineEdit& AnswerEdit() const { return *edit_; }

    void accept() override;

private:
    QLabel* question_;
    QLineEdit* edit_;
    QString answer_;
};

}  // namespace kores
