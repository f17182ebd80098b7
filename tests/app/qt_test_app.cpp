// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_test_app.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<QApplication>& Instance()
{
    static std::unique_ptr<QApplication> app;
    return app;
}

class CQtAppEnvironment : public ::testing::Environment {
public:
    void TearDown() override { Instance().reset(); }
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new CQtAppEnvironment);

}  // namespace

QApplication& TestApp()
{
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QApplication>& app = Instance();
    if (!app) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QApplication>(argc, argv);
    }
    return *app;
}
