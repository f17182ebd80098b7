// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velder_app.h"

#include <QAction>
#include <QDialog>
#include <QTimer>
#include <iostream>

#include "app/direct_start.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/start_options.h"
#include "app/tool_icons.h"
#include "app/viewer_commands.h"
#include "document/run_folder.h"

namespace kores {

namespace {
// How long the window may settle before its screenshot is taken.
constexpr int kScreenshotDelayMs = 300;
}  // namespace

CVelderApp::CVelderApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName("Pellow");
    setApplicationName("Velder");
    setApplicationDisplayName("Velder");
    setApplicationVersion("0.1");
    setWindowIcon(ApplicationIcon());
}

int CVelderApp::Run()
{
    CStartOptions options;
    QString error;
    if (!ParseStartOptions(arguments(), options, error)) {
        std::cerr << error.toStdString() << "\nusage: " << StartUsage().toStdString() << "\n";
        return 2;
    }
    ko::CRunFolder::RemoveStale();
    CMainFrame frame;
    frame.show();
    const bool direct = options.HasSource();
    if (direct || !options.files.isEmpty()) {
        const QString problems =
            options.files.isEmpty() ? StartDirect(frame, options) : StartFiles(frame, options.files);
        if (!problems.isEmpty()) {
            std::cerr << problems.toStdString();
            if (options.screenshot.isEmpty()) ShowStop(&frame, problems);
        }
    }
    std::unique_ptr<QDialog> dialog;
    if (!options.show.isEmpty()) {
        dialog = frame.CreateViewer(*CViewerCommands::CommandOfName(options.show));
        if (!dialog) {
            std::cerr << "The " << options.show.toStdString() << " dialog has nothing to show.\n";
            if (!options.screenshot.isEmpty()) return 1;
        } else {
            dialog->setModal(true);
            dialog->show();
        }
    }
    if (options.command) {
        QAction* action = frame.Action(*options.command);
        if (!action) {
            std::cerr << "There is no command " << *options.command << "\n";
            return 2;
        }
        QTimer::singleShot(0, action, &QAction::trigger);
    }
    if (!options.screenshot.isEmpty()) {
        int code = 0;
        QTimer::singleShot(kScreenshotDelayMs, &frame, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* over = dialog ? dialog.get() : modal != &frame ? modal : nullptr;
            if (!SaveScreenshot(frame, options.screenshot, over)) {
                std::cerr << "Failure to write the screenshot: " << options.screenshot.toStdString() << "\n";
                code = 1;
            }
            quit();
        });
        exec();
        return code;
    }
    if (options.files.isEmpty() && (!direct || options.tests.empty())) frame.PostOpen();
    return exec();
}

}  // namespace kores
