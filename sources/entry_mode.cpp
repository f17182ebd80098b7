// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/entry_mode.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ko {

namespace fs = std::filesystem;

std::vector<CDrive> MappedDrives(const std::string& mappings)
{
    std::map<char, std::string> roots;
    std::size_t start = 0;
    while (start <= mappings.size()) {
        const std::size_t end = std::min(mappings.find(':', start), mappings.size());
        const std::string entry = mappings.substr(start, end - start);
        if (entry.size() > 2 && entry[1] == '=' && std::isalpha(static_cast<unsigned char>(entry[0])))
            roots[static_cast<char>(std::toupper(static_cast<unsigned char>(entry[0])))] = entry.substr(2);
        start = end + 1;
    }
    std::vector<CDrive> drives;
    for (const auto& [letter, root] : roots) drives.push_back({letter, root});
    return drives;
}

std::string DriveRoot(const std::vector<CDrive>& drives, char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const CDrive& drive : drives)
        if (drive.letter == upper) return drive.root;
    return {};
}

std::vector<CDrive> AvailableDrives()
{
    std::vector<CDrive> drives;
#ifdef _WIN32
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (mask & (1u << i))
            drives.push_back({static_cast<char>('A' + i), std::string(1, char('A' + i)) + ":\\"});
    }
#else
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const fs::path root = fs::path("/mnt") / std::string(1, static_cast<char>(letter - 'A' + 'a'));
        std::error_code error;
        if (fs::is_directory(root, error)) drives.push_back({letter, root.string()});
    }
    const char* mappings = std::getenv(kDriveMapVariable);
    for (const CDrive& mapped : MappedDrives(mappings ? mappings : "")) {
        std::erase_if(drives, [&](const CDrive& drive) { return drive.letter == mapped.letter; });
        drives.push_back(mapped);
    }
    std::sort(drives.begin(), drives.end(),
              [](const CDrive& a, const CDrive& b) { return a.letter < b.letter; });
#endif
    return drives;
}

std::optional<char> FindUdsDrive(const std::vector<CDrive>& drives)
{
    std::optional<char> found;
    for (const CDrive& drive : drives) {
        std::error_code error;
        if (fs::exists(fs::path(drive.root) / kUdsDriveIdentifier, error) &&
            (!found || drive.letter > *found))
            found = drive.letter;
    }
    return found;
}

std::optional<std::string> WorkingDirectory()
{
    std::error_code error;
    const fs::path path = fs::current_path(error);
    if (error) return std::nullopt;
    return path.string();
}

bool HasDataEntryMarker(const std::string& directory)
{
    std::error_code error;
    return fs::exists(fs::path(directory) / kDataEntryMarker, error);
}

CEntryDecision DecideEntryMode(const std::optional<std::string>& workingDirectory,
                               const std::vector<CDrive>& drives)
{
    CEntryDecision decision;
    if (!workingDirectory) {
        decision.mode = EEntryMode::W;
        return decision;
    }
    if (HasDataEntryMarker(*workingDirectory)) {
        decision.drive = FindUdsDrive(drives);
        decision.driveMissing = !decision.drive;
        if (decision.drive) decision.mode = EEntryMode::A;
    }
    return decision;
}

std::string DriveMissingMessage()
{
    return "Fails to find the dirve accommodating UDS files.\n"
           "The WEB entry is selected automatically.\n\n"
           "To work with the KORVA Database, map the network share of the UDS store to a drive letter:\n"
           "1. Open the file manager.\n"
           "2. Choose \"Map network drive\".\n"
           "3. Choose a free drive letter.\n"
           "4. Enter \\\\korvastore\\uds as the folder.\n"
           "5. Tick \"Reconnect at sign-in\" and finish.\n\n"
           "If the drive cannot be mapped again after a restart, the server is down: "
           "please call the administrator.";
}

}  // namespace ko
