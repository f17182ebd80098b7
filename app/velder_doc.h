// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "model/test_kind.h"

namespace ko {
class CDocument;
}

namespace kores {

class CBatchTestNumbers;

// The program's single document: the document model with the batch test
// dialog that owns the data agent and the loaded tests. Views follow it
// through update hints.
class CVelderDoc : public QObject {
    Q_OBJECT

public:
    static constexpr int kHintFirst = 0;
    static constexpr int kHintSignals = 100;  // the current signals changed
    static constexpr int kHintLoaded = 120;   // new tests are loaded

    explicit CVelderDoc(QObject* parent = nullptr);
    ~CVelderDoc() override;

    ko::CDocument& Model() { return *model_; }
    const ko::CDocument& Model() const { return *model_; }
    CBatchTestNumbers& Batch() const { return *batch_; }
    ko::TestKind GetKind() const;

    // Whether the plot view shows a graph (set by the plot view).
    bool HasGraph() const { return graph_; }
    void SetGraph(bool exists) { graph_ = exists; }

    // "&Open...": the batch test dialog, then its tests.
    void OnFileOpen();
    // Makes the batch dialog's tests of its database's kind the loaded tests
    // and sends the loaded hint; false, with nothing changed, for another kind.
    bool LoadFromBatch();
    // Selects the title a grid row shows (field texts without the count),
    // reads its signals and sends the signals hint.
    void SelectTitle(const std::vector<std::string>& fieldTexts);
    // Reads the selected title's signals again and sends the signals hint.
    void Reload();

    void UpdateAllViews(int hint);

Q_SIGNALS:
    void Updated(int hint);

private:
    std::unique_ptr<ko::CDocument> model_;
    std::shared_ptr<CBatchTestNumbers> batch_;
    bool graph_ = false;
};

}  // namespace kores
