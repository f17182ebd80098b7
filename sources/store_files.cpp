// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/store_files.h"

#include <stdexcept>

#include "core/failure.h"
#include "sources/data_agent_file.h"

namespace ko {

std::shared_ptr<CFile> FileIn(const std::string& directory, int kind, const std::string& name)
{
    auto file = std::make_shared<CFile>();
    file->SetDirectory(directory);
    if (!name.empty()) file->SetFileName(name);
    file->SetKind(kind);
    return file;
}

std::string FirstWithExtension(const std::string& directory, const char* extension)
{
    CFile probe;
    probe.SetDirectory(directory);
    std::string found;
    try {
        probe.FindByExtension(extension, found);
    } catch (const std::logic_error&) {
        return {};
    }
    return found;
}

namespace {

bool Holds(const std::string& directory, const char* extension)
{
    try {
        return !FirstWithExtension(directory, extension).empty();
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

bool HoldsTestFile(const std::string& directory)
{
    return Holds(directory, "ev5") || Holds(directory, "e5x");
}

bool HoldsIntrusionFile(const std::string& directory)
{
    return Holds(directory, "ip5");
}

void FindTestFile(const std::string& directory, std::string& name, int& kind)
{
    name = FirstWithExtension(directory, "ev5");
    kind = CDataAgentFile::kTextKind;
    if (name.empty()) {
        name = FirstWithExtension(directory, "e5x");
        kind = CDataAgentFile::kExtensionKind;
    }
    if (name.empty()) throw CFailure("A file with the extension: ev5 was not found.");
}

}  // namespace ko
