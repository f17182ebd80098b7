// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/print_job.h"

#include <QPrinter>
#include <QThread>

namespace kores {

CPrintJob::CPrintJob(std::unique_ptr<QPrinter> printer, CPrintDocument document, QObject* parent)
    : QObject(parent), printer_(std::move(printer)), document_(std::move(document))
{
}

CPrintJob::~CPrintJob()
{
    if (thread_) thread_->wait();
}

void CPrintJob::Start()
{
    if (thread_) return;
    thread_ = QThread::create([this] { pages_ = PrintDocument(*printer_, document_); });
    connect(thread_, &QThread::finished, this, [this] { Q_EMIT Finished(pages_); });
    thread_->setParent(this);
    thread_->start();
}

bool CPrintJob::Wait(int ms)
{
    return !thread_ || thread_->wait(QDeadlineTimer(ms));
}

}  // namespace kores
