// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

#include "printing/print_document.h"

class QPrinter;
class QThread;

namespace kores {

// Prints a document on a worker thread, so a long report never freezes the
// window; Finished (on the thread that started the job) gives the page
// count, 0 when printing failed. The job owns the printer until then.
class CPrintJob : public QObject {
    Q_OBJECT

public:
    CPrintJob(std::unique_ptr<QPrinter> printer, CPrintDocument document, QObject* parent = nullptr);
    ~CPrintJob() override;

    void Start();
    // Waits for the worker at most ms milliseconds; true when it is done.
    bool Wait(int ms);

Q_SIGNALS:
    void Finished(int pages);

private:
    std::unique_ptr<QPrinter> printer_;
    CPrintDocument document_;
    QThread* thread_ = nullptr;
    int pages_ = 0;
};

}  // namespace kores
