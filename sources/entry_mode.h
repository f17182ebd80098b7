// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ko {

// How the source selection opens: A offers the database (the marker file is in
// the working directory and a drive carries the UDS store), B the web and the
// local files, W the same when the working directory cannot be read.
enum class EEntryMode { A, B, W };

// The file whose presence in the working directory offers the database.
inline constexpr const char* kDataEntryMarker = "DataEntrySetting_DoNotDeleteDoNotChange_KORVA_ZEB";
// The file below a drive's root that marks the drive of the UDS store.
inline constexpr const char* kUdsDriveIdentifier = "uds/IamKORVAkoDriverIdentifier";

struct CDrive {
    char letter = 'A';
    std::string root;  // "J:\" on Windows; elsewhere a directory standing for the drive
};

// The environment variable that maps drive letters to folders where there are
// no drive letters: "U=/srv/uds:K=/media/k" (letter, "=", folder; ":" between).
inline constexpr const char* kDriveMapVariable = "VELDER_DRIVES";

// The drives present, A first. Windows: the logical drives. Elsewhere the
// one-letter directories of /mnt (such as /mnt/j) stand for drive letters,
// and the mappings of VELDER_DRIVES add to them or take their place.
std::vector<CDrive> AvailableDrives();
// The drives of a VELDER_DRIVES text, A first; a malformed entry is skipped,
// and of two entries for one letter the later wins.
std::vector<CDrive> MappedDrives(const std::string& mappings);
// The root of the drive with letter (either case), empty when there is none.
std::string DriveRoot(const std::vector<CDrive>& drives, char letter);

// Of the drives, the one with the highest letter that carries the identifier file.
std::optional<char> FindUdsDrive(const std::vector<CDrive>& drives);

struct CEntryDecision {
    EEntryMode mode = EEntryMode::B;
    std::optional<char> drive;  // mode A: the drive of the UDS store
    bool driveMissing = false;  // the marker file is there but no drive carries the store
};

// workingDirectory: none when it cannot be read.
CEntryDecision DecideEntryMode(const std::optional<std::string>& workingDirectory,
                               const std::vector<CDrive>& drives);
// The working directory of the process, none when it cannot be read.
std::optional<std::string> WorkingDirectory();
bool HasDataEntryMarker(const std::string& directory);

// The message shown when the marker file is there but no drive carries the store.
std::string DriveMissingMessage();

}  // namespace ko
