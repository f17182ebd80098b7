// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

#include "formats/file.h"

namespace ko {

// A file of the kind in directory, named name when it is not empty.
std::shared_ptr<CFile> FileIn(const std::string& directory, int kind, const std::string& name = {});

// The name of the first file of directory whose name ends with the extension
// (as CFile::FindByExtension finds it), or "" when there is none. Throws the
// CFile texts for an empty or missing directory.
std::string FirstWithExtension(const std::string& directory, const char* extension);

// Whether directory holds a test file (EV5 or EV5 extension), as a test
// directory does and a store root does not; false for a missing directory.
bool HoldsTestFile(const std::string& directory);
// Whether directory holds an IP5 intrusion file; false for a missing directory.
bool HoldsIntrusionFile(const std::string& directory);

// The test file of a test directory: its EV5 file (kind 5), else its EV5
// extension file (kind 24). Throws "A file with the extension: ev5 was not
// found." without either.
void FindTestFile(const std::string& directory, std::string& name, int& kind);

}  // namespace ko
