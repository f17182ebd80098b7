// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/direct_start.h"

#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QStatusBar>
#include <algorithm>

#include "app/batch_test_numbers.h"
#include "app/main_frame.h"
#include "app/start_options.h"
#include "app/status_progress.h"
#include "app/velder_doc.h"
#include "app/velder_grid.h"
#include "app/velder_view.h"
#include "core/signal.h"
#include "document/document.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"
#include "sources/data_agent_file.h"
#include "sources/data_agent_otl.h"
#include "sources/data_agent_web.h"
#include "sources/db_session.h"

namespace kores {

namespace {

// The web agent of --web-url, connected, its status lines in the status bar.
std::shared_ptr<ko::CDataAgentWeb> ConnectWeb(CMainFrame& frame, const CStartOptions& options, QString& error)
{
    ko::CWebOptions web;
    web.caFile = QFile::encodeName(options.caFile).toStdString();
    web.insecure = options.insecure;
    auto agent = std::make_shared<ko::CDataAgentWeb>(web);
    agent->SetServerURL(options.webUrl.toStdString());
    agent->SetStatusSink(StatusLineSink(frame.statusBar()));
    if (agent->Connect()) return agent;
    error = "KORVA Web Connection Error: \n" + QString::fromStdString(agent->GetLastError()) + "\n";
    return nullptr;
}

// The database agent of --db-url, logged in; an expiring password is
// reported in the status bar.
std::shared_ptr<ko::CDataAgentOtl> LoginDatabase(CMainFrame& frame, const CStartOptions& options,
                                                 QString& error)
{
    auto agent = std::make_shared<ko::CDataAgentOtl>();
    agent->SetTnsName(options.dbUrl.toStdString());
    agent->SetUDSDrive(QFile::encodeName(options.uds).toStdString());
    try {
        if (agent->Login(options.user.toStdString(),
                         ko::LoginPassword(QFile::encodeName(options.passwordFile).toStdString()))) {
            if (!agent->GetLastError().empty())
                frame.statusBar()->showMessage(QString::fromStdString(agent->GetLastError()));
            return agent;
        }
        error = QString::fromStdString(agent->GetLastError()) + "\n";
    } catch (const std::exception& e) {
        error = QString::fromStdString(e.what()) + "\n";
    }
    return nullptr;
}

}  // namespace

QString StartDirect(CMainFrame& frame, const CStartOptions& options)
{
    CVelderDoc& doc = frame.Document();
    CBatchTestNumbers& batch = doc.Batch();
    if (!options.webUrl.isEmpty()) {
        QString error;
        const auto agent = ConnectWeb(frame, options, error);
        if (!agent) return error;
        batch.TakeSource({agent, options.kind, kSourceWeb, ko::kLoadableKinds, false});
    } else if (!options.dbUrl.isEmpty()) {
        QString error;
        const auto agent = LoginDatabase(frame, options, error);
        if (!agent) return error;
        batch.TakeSource({agent, options.kind, kSourceDatabase, ko::kLoadableKinds, false});
    } else {
        auto agent = std::make_shared<ko::CDataAgentFile>();
        if (!agent->SetStoreRoot(options.store.toStdString()))
            return QString::fromStdString(agent->GetLastError());
        batch.TakeSource({agent, options.kind, kSourceFiles, ko::kLoadableKinds, true});
    }
    if (options.tests.empty()) return {};

    for (const int number : options.tests) batch.AddNumber(number);
    QString problems = batch.LoadChosenTests();
    doc.LoadFromBatch();
    if (options.titleRow) {
        CVelderGrid& grid = frame.TitleView().Grid();
        if (*options.titleRow < grid.Model().RowCount())
            grid.ChooseRow(*options.titleRow);
        else
            problems += QString("There is no title row %1: the tests have %2 titles.\n")
                            .arg(*options.titleRow)
                            .arg(grid.Model().RowCount());
    }
    return problems;
}

QString StartFiles(CMainFrame& frame, const QStringList& files)
{
    ko::CSignalList signals;
    QString problems;
    for (const QString& file : files) {
        const QFileInfo info(file);
        try {
            ko::CUDSFile uds;
            uds.Read(file.toStdString());
            auto signal = std::make_shared<ko::CNSignal>();
            ko::SetFromUDSFile(*signal, std::move(uds));
            signal->SetDirectory(info.absolutePath().toStdString());
            signal->SetFileName(info.fileName().toStdString());
            signals.push_back(std::move(signal));
        } catch (const std::exception& error) {
            problems += file + ": " + QString::fromStdString(error.what()) + "\n";
        }
    }
    if (signals.empty()) return problems;
    frame.Document().Model().SetCurrentSignals(std::move(signals));
    frame.Document().UpdateAllViews(CVelderDoc::kHintSignals);
    return problems;
}

bool SaveScreenshot(QWidget& window, const QString& path, QWidget* dialog)
{
    QPixmap image = window.grab();
    if (dialog) {
        // The dialog under a caption strip with its window title, as a window manager would frame it.
        const QPixmap over = dialog->grab();
        QPainter painter(&image);
        const int caption = dialog->fontMetrics().height() + 8;
        const QPoint at(std::max(0, (image.width() - over.width()) / 2),
                        std::max(caption, (image.height() - over.height() + caption) / 2));
        const QRect strip(at.x(), at.y() - caption, over.width(), caption);
        painter.fillRect(strip.united(QRect(at, over.size())).adjusted(-1, -1, 1, 1), Qt::black);
        painter.fillRect(strip, QColor(60, 70, 90));
        painter.setPen(Qt::white);
        painter.drawText(strip.adjusted(8, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         dialog->windowTitle());
        painter.drawPixmap(at, over);
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

}  // namespace kores
