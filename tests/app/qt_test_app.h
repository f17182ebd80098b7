// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

// The test program's one QApplication, created on first use (headless unless
// a platform is chosen in the environment) and deleted after the last test,
// before the program's static objects go.
QApplication& TestApp();
