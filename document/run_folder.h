// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// A folder of this run's temporary files under the system's temporary folder
// ("velder-run-<pid>-XXXXXX"), made on first use and removed with its
// contents when the object goes. Folders that runs which have ended left
// behind are removed by RemoveStale.
class CRunFolder {
public:
    // root: where the folder is made; the system's temporary folder when empty.
    explicit CRunFolder(std::string root = {});
    CRunFolder(const CRunFolder&) = delete;
    CRunFolder& operator=(const CRunFolder&) = delete;
    ~CRunFolder();

    // The folder, made now when there is none; throws std::runtime_error.
    const std::string& Path();

    // Removes the run folders in root (the system's temporary folder when
    // empty) of this user whose process no longer runs.
    static void RemoveStale(const std::string& root = {});

private:
    std::string root_;
    std::string path_;
};

}  // namespace ko
