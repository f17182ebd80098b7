// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <set>
#include <string>

namespace ko {

// The file names one save has used, so that two signals proposing the same
// name get distinct files: the later ones get "_2", "_3", ... before the
// extension ("a.txt", "a_2.txt"; "Plus 1 Sigma", "Plus 1 Sigma_2").
class CSaveNames {
public:
    // The name itself when this save has not used it, else its first free variant.
    std::string Distinct(const std::string& name) const;
    void Take(const std::string& name) { taken_.insert(name); }
    bool Taken(const std::string& name) const { return taken_.count(name) != 0; }

private:
    std::set<std::string> taken_;
};

}  // namespace ko
