// SPDX-License-Identifier: GPL-3.0-or-later
#include "velder_test_env.h"

#include <QDir>
#include <QDirIterator>
#include <QSettings>

#include "qt_test_app.h"
#include "samples/sample_store.h"

using namespace kores;

CVelderTestEnv::CVelderTestEnv()
    : hook_([this](QMessageBox::Icon icon, const QString& text) { messages_.emplace_back(icon, text); })
{
    QApplication& app = TestApp();
    app.setOrganizationName("Pellow");
    app.setApplicationName("Velder");
    app.setApplicationDisplayName("Velder");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path() + "/profile");
}

QString SampleStoreRoot()
{
    static QTemporaryDir store;
    static const bool written = [] {
        ko::WriteSampleStore(store.path().toStdString());
        return true;
    }();
    (void)written;
    return store.path();
}

QStringList SampleTestDirectories()
{
    QStringList directories;
    QDirIterator it(SampleStoreRoot() + "/evdata", QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString directory = it.next();
        if (!QDir(directory).entryList({"*.ev5", "*.e5x"}, QDir::Files).isEmpty()) directories << directory;
    }
    directories.sort();
    return directories;
}
