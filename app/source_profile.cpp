// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/source_profile.h"

#include <QSettings>

namespace kores {

namespace {
constexpr const char* kSettings = "Settings/";
}  // namespace

int SourceKindFromText(const QString& text)
{
    if (text == "SS_DB") return kSourceDatabase;
    if (text == "SS_WEB") return kSourceWeb;
    if (text == "SS_FILE") return kSourceFiles;
    return kSourceUnknown;
}

QString SourceKindText(int sourceKind)
{
    switch (sourceKind) {
        case kSourceDatabase: return "SS_DB";
        case kSourceWeb: return "SS_WEB";
        case kSourceFiles: return "SS_FILE";
        default: return "SS_UNKNOWN";
    }
}

QString CSourceProfile::Read(const char* key)
{
    return QSettings().value(QString(kSettings) + key).toString();
}

void CSourceProfile::Write(const char* key, const QString& value)
{
    QSettings().setValue(QString(kSettings) + key, value);
}

int CSourceProfile::Selection()
{
    return SourceKindFromText(Read("Selection"));
}
void CSourceProfile::SetSelection(int sourceKind)
{
    Write("Selection", SourceKindText(sourceKind));
}
QString CSourceProfile::Database()
{
    return Read("Database");
}
void CSourceProfile::SetDatabase(const QString& name)
{
    Write("Database", name);
}
QString CSourceProfile::UserName()
{
    return Read("UserName");
}
void CSourceProfile::SetUserName(const QString& name)
{
    Write("UserName", name);
}
QString CSourceProfile::Drive()
{
    return Read("Drive");
}
void CSourceProfile::SetDrive(const QString& drive)
{
    Write("Drive", drive);
}
QString CSourceProfile::TempDir()
{
    return Read("TempDir");
}
void CSourceProfile::SetTempDir(const QString& directory)
{
    Write("TempDir", directory);
}
QString CSourceProfile::WebURL()
{
    return Read("WebURL");
}
void CSourceProfile::SetWebURL(const QString& url)
{
    Write("WebURL", url);
}
QString CSourceProfile::CAFile()
{
    return Read("CAFile");
}
void CSourceProfile::SetCAFile(const QString& path)
{
    Write("CAFile", path);
}
bool CSourceProfile::Insecure()
{
    return Read("WebInsecure") == "1";
}
void CSourceProfile::SetInsecure(bool insecure)
{
    Write("WebInsecure", insecure ? "1" : "0");
}

QString CSourceProfile::TnsOfShortName(const QString& shortName)
{
    return QSettings().value(QString(kTnsSection) + "/" + shortName).toString();
}
bool CSourceProfile::UsageTracking()
{
    return Read("UsageTracking") == "1";
}

QStringList CSourceProfile::Paths(const QString& section)
{
    QSettings settings;
    QStringList paths;
    for (int i = 0; i < kMostPaths; ++i) {
        const QString path = settings.value(section + "/Path" + QString::number(i)).toString();
        if (!path.isEmpty()) paths << path;
    }
    return paths;
}

void CSourceProfile::AddPath(const QString& section, const QString& path)
{
    QStringList paths = Paths(section);
    paths.removeAll(path);
    paths.prepend(path);
    QSettings settings;
    settings.remove(section);
    for (int i = 0; i < paths.size() && i < kMostPaths; ++i)
        settings.setValue(section + "/Path" + QString::number(i), paths[i]);
}

}  // namespace kores
