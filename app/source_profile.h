// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace kores {

// Source kinds: where tests come from.
inline constexpr int kSourceDatabase = 1;  // "SS_DB"
inline constexpr int kSourceWeb = 2;       // "SS_WEB"
inline constexpr int kSourceFiles = 3;     // "SS_FILE"
inline constexpr int kSourceUnknown = 4;   // "SS_UNKNOWN"

// "SS_DB" 1, "SS_WEB" 2, "SS_FILE" 3, anything else 4.
int SourceKindFromText(const QString& text);
// The profile text of a source kind ("SS_UNKNOWN" for any other).
QString SourceKindText(int sourceKind);

// The entries of the application profile's "Settings" section and the lists of
// local directories and archives offered in the source selection.
class CSourceProfile {
public:
    static constexpr const char* kFileDataSection = "FileDataSettings";
    static constexpr const char* kZipDataSection = "ZipDataSettings";
    // The connection texts of the database used before, kept like the paths;
    // an entry named by a short service name completes that name.
    static constexpr const char* kTnsSection = "Database TNS";
    static constexpr int kMostPaths = 10;

    static int Selection();
    static void SetSelection(int sourceKind);
    static QString Database();
    static void SetDatabase(const QString& name);
    static QString UserName();
    static void SetUserName(const QString& name);
    static QString Drive();
    static void SetDrive(const QString& drive);
    static QString TempDir();
    static void SetTempDir(const QString& directory);
    // The web server: its URL, the CA file that verifies it (empty: the
    // system store) and whether verification is skipped.
    static QString WebURL();
    static void SetWebURL(const QString& url);
    static QString CAFile();
    static void SetCAFile(const QString& path);
    static bool Insecure();
    static void SetInsecure(bool insecure);
    // The connection text stored for a short service name, empty when none is.
    static QString TnsOfShortName(const QString& shortName);
    // Whether each run ends with a usage row in the database it logged into
    // ("UsageTracking" = "1"); off unless set.
    static bool UsageTracking();

    // The remembered paths of a section, the most recent first.
    static QStringList Paths(const QString& section);
    // Puts path first in the section's list (once), keeping the most recent ones.
    static void AddPath(const QString& section, const QString& path);

private:
    static QString Read(const char* key);
    static void Write(const char* key, const QString& value);
};

}  // namespace kores
