// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

namespace kores {

// The application: its profile lives under the organisation "Pellow" and the
// application "Velder". Run shows the main window and either posts the test
// selection or starts directly on a store given on the command line.
class CVelderApp : public QApplication {
    Q_OBJECT

public:
    CVelderApp(int& argc, char** argv);

    // The exit code: 2 for bad options, else the event loop's.
    int Run();
};

}  // namespace kores
