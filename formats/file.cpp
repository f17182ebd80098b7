// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "core/failure.h"
#include "formats/file_bytes.h"

namespace ko {

namespace fs = std::filesystem;

namespace {

bool EndsWithSeparator(std::string_view path)
{
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

// A path written with backslashes only is a drive path; everything else takes "/".
std::string WithSeparator(const std::string& path)
{
    if (EndsWithSeparator(path)) return path;
    const bool backslashStyle = path.find('\\') != std::string::npos && path.find('/') == std::string::npos;
    return path + (backslashStyle ? '\\' : '/');
}

bool IsDirectory(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

// The name of the first regular file of directory (listing order) that matches.
bool FindEntry(const std::string& directory, const std::function<bool(const std::string&)>& matches,
               std::string& found)
{
    try {
        for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
            std::error_code error;
            if (!entry.is_regular_file(error)) continue;
            const std::string name = entry.path().filename().string();
            if (matches(name)) {
                found = name;
                return true;
            }
        }
    } catch (const std::exception& failure) {
        throw CFailure(failure.what());
    }
    return false;
}

// Characters 7-9 of a UDS file name as a number; 0 unless all three are digits.
int CurveDigits(const std::string& name)
{
    int value = 0;
    for (char c : name.substr(7, 3)) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// "7", "07", "007" for 1-9; "42", "042" for 10-99; "123" for 100-999; none else.
std::vector<std::string> CurveCandidates(int curve)
{
    if (curve < 1 || curve > 999) return {};
    const std::string text = std::to_string(curve);
    std::vector<std::string> candidates{text};
    for (std::string padded = text; padded.size() < 3;) {
        padded.insert(0, 1, '0');
        candidates.push_back(padded);
    }
    return candidates;
}

}  // namespace

std::string ReadFileText(const std::string& path)
{
    if (auto text = ReadRegularFile(path)) return std::move(*text);
    throw CFailure("Failure to open file: " + path + " for reading.");
}

void CFile::SetDirectory(const std::string& path)
{
    if (path.empty()) throw CFailure("Path is empty.");
    const std::string directory = WithSeparator(path);
    if (!IsDirectory(directory)) throw CFailure("Invalid Directory: " + directory);
    directory_ = directory;
}

void CFile::SetFoundDirectory(const std::string& path)
{
    if (path.empty()) throw CFailure("Path is empty.");
    directory_ = WithSeparator(path);
}

void CFile::SetFileName(const std::string& name)
{
    if (name.empty()) throw CFailure("File Name is empty.");
    fileName_ = name;
}

void CFile::SetPathAndFileName(const std::string& fullPath)
{
    if (fullPath.empty()) throw CFailure("Path and File Name is empty.");
    const std::size_t cut = fullPath.find_last_of("/\\");
    const std::string directory = cut == std::string::npos ? std::string() : fullPath.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? fullPath : fullPath.substr(cut + 1);
    if (name.empty()) throw CFailure("File Name is empty.");
    SetDirectory(directory);
    SetFileName(name);
    ComposePath();
}

void CFile::ComposePath()
{
    if (directory_.empty()) throw CFailure("Empty path");
    if (fileName_.empty()) throw CFailure("Empty file name");
    fullPath_ = directory_ + fileName_;
}

void CFile::ReadAll()
{
    ComposePath();
    contents_ = ReadFileText(fullPath_);
}

bool CFile::DirectoryExists() const
{
    return IsDirectory(directory_);
}

bool CFile::FileExists() const
{
    if (directory_.empty() || fileName_.empty()) return false;
    std::error_code error;
    return fs::is_regular_file(directory_ + fileName_, error);
}

void CFile::Search(const std::function<bool(const std::string&)>& matches, const std::string& missing,
                   std::string& found)
{
    if (!DirectoryExists()) throw CFailure("Invalid path");
    std::string name;
    if (!FindEntry(directory_, matches, name)) throw CFailure(missing);
    fileName_ = name;
    ComposePath();
    found = name;
}

void CFile::FindUDSByCurve(int curve, std::string& found)
{
    const auto matches = [curve](const std::string& name) {
        return name.size() == 17 && Lower(fs::path(name).extension().string()) == ".uds" &&
               CurveDigits(name) == curve;
    };
    Search(matches, "A UDS file was not found for Curve Number: " + std::to_string(curve), found);
}

void CFile::FindByCurveExtension(int curve, std::string& found)
{
    const std::vector<std::string> candidates = CurveCandidates(curve);
    const bool inExtension = kind_ == kCurveInExtension;
    const auto matches = [&candidates, inExtension](const std::string& name) {
        const std::string extension = fs::path(name).extension().string();
        const std::string piece = inExtension
                                      ? (extension.size() > 1 ? extension.substr(1, 3) : std::string())
                                      : (name.size() > 7 ? name.substr(7, 3) : std::string());
        return std::find(candidates.begin(), candidates.end(), piece) != candidates.end();
    };
    Search(matches, "Curve Number Extension: " + std::to_string(curve) + " was not found.", found);
}

void CFile::FindByExtension(const std::string& extension, std::string& found)
{
    if (extension.empty()) throw CFailure("Extension is empty");
    const auto matches = [&extension](const std::string& name) {
        const std::string lower = Lower(name);
        return lower.substr(lower.size() < 3 ? 0 : lower.size() - 3).find(extension) != std::string::npos;
    };
    Search(matches, "A file with the extension: " + extension + " was not found.", found);
}

}  // namespace ko
