// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>

namespace ko {

// One file of the store: its directory (always ending with a separator once
// set), its name, the full path and, after ReadAll, its contents. The searches
// look through the directory (not recursively, in the order the file system
// lists it) for the file of a curve or an extension; a hit becomes the file
// name. Every failure is a std::logic_error and leaves the fields as they were.
class CFile {
public:
    // For the curve-extension search: the curve number stands in the extension.
    static constexpr int kCurveInExtension = 5;

    CFile() = default;
    virtual ~CFile() = default;

    // Stores path with a separator appended when it has none at its end ("\" for
    // a path written with backslashes only, else "/"). Throws "Path is empty." or
    // "Invalid Directory: <stored text>" when it is not an existing directory.
    void SetDirectory(const std::string& path);
    // The same for a path the caller has just found a file in: not looked up again.
    void SetFoundDirectory(const std::string& path);
    // Throws "File Name is empty.".
    void SetFileName(const std::string& name);
    // Splits at the last "/" or "\" into directory and name, sets both and
    // composes the path. Throws "Path and File Name is empty." or the texts of
    // the two setters.
    void SetPathAndFileName(const std::string& fullPath);
    // Full path = directory + name; throws "Empty path" or "Empty file name".
    void ComposePath();
    // Composes the path and reads the file whole into the contents. Throws
    // "Failure to open file: <path> for reading.".
    void ReadAll();

    bool DirectoryExists() const;
    bool FileExists() const;

    int GetKind() const { return kind_; }
    void SetKind(int kind) { kind_ = kind; }
    const std::string& GetDirectory() const { return directory_; }
    const std::string& GetFileName() const { return fileName_; }
    const std::string& GetFullPath() const { return fullPath_; }
    const std::string& GetContents() const { return contents_; }

    // The first "*.uds" file (extension in any case) of 17 characters whose
    // characters 7-9 read as the curve number. Throws "Invalid path" or "A UDS
    // file was not found for Curve Number: <curve>".
    void FindUDSByCurve(int curve, std::string& found);
    // The first file whose curve piece is the curve number with up to two
    // leading zeros ("7", "07", "007"; "42", "042"; "123"). The piece is the
    // extension after the dot with kind 5, else characters 7-9 of the name.
    // Throws "Invalid path" or "Curve Number Extension: <curve> was not found.".
    void FindByCurveExtension(int curve, std::string& found);
    // The first file whose lower-cased name holds extension within its last three
    // characters; extension is given in lower case without the dot. Throws
    // "Extension is empty", "Invalid path" or "A file with the extension: <ext>
    // was not found.".
    void FindByExtension(const std::string& extension, std::string& found);

private:
    // Walks the directory; the first match becomes the file name, else throws missing.
    void Search(const std::function<bool(const std::string&)>& matches, const std::string& missing,
                std::string& found);

    std::string directory_;
    std::string fileName_;
    std::string fullPath_;
    std::string contents_;
    int kind_ = 200;
};

// The whole file at path. Throws std::logic_error "Failure to open file: <path>
// for reading." when it cannot be opened or read (a directory included).
std::string ReadFileText(const std::string& path);

}  // namespace ko
