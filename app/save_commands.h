// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;
namespace ko {
class CNSignal;
class CSaveNames;
}  // namespace ko

namespace kores {

class CVelderDoc;

// "Save ACSII" and "&Save UDS": a folder from the browser, then one file per
// current signal under a name the user confirms. A file that exists is
// replaced only when the user says so, a file a signal was read from never,
// and two signals of one save never get the same name. Files are written in
// full before they take their place.
class CSaveCommands {
public:
    CSaveCommands(CVelderDoc& doc, QWidget& owner) : doc_(doc), owner_(owner) {}

    void SaveAscii();
    void SaveUds();

private:
    struct CTarget {
        std::string path;
        bool replace = false;
    };
    using Propose = std::function<std::string(const ko::CNSignal&)>;
    using Save = std::function<void(const ko::CNSignal&, const std::string& path)>;

    void SaveAll(const QString& prompt, const Propose& propose, const Save& save);
    // The name the user gives for a signal; nothing on Cancel.
    std::optional<CTarget> AskTarget(const QString& folder, const std::string& proposed,
                                     const std::vector<std::string>& inputs, const ko::CSaveNames& names);
    bool AskReplace(const QString& path);

    CVelderDoc& doc_;
    QWidget& owner_;
};

}  // namespace kores
