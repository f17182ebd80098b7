// SPDX-License-Identifier: GPL-3.0-or-later
// The per-test channels that criteria, align and outliers read: from a source
// with --title ROW[,ROW...] or from UDS files given directly.
#pragma once
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace ko {
class CNSignal;
}

namespace cli {

inline constexpr const char* kChannelOptions = "[--cfc N] [--resultant]";

struct TestChannels {
    std::string label;                                    // test number, or the file name
    std::vector<std::shared_ptr<ko::CNSignal>> channels;  // one per title row or file of the group
    std::string failure;                                  // not empty: the test could not be read
};

struct TestSet {
    std::vector<TestChannels> tests;
    int cfc = 0;  // the class --cfc applied, 0 for none
};

// Takes the source options, --title ROW[,ROW...], --cfc N and --resultant out
// of rest, or, when rest starts with file names, those files, and reads every
// test's channels: count title rows or files per test, or with --resultant
// three axes whose resultant is the one channel (count must be 1). The
// signals of a title row are matched to tests by test number; a test that
// lacks a row, a file that cannot be read and a filter that fails give that
// test its failure. Load failures are written to err. Throws
// std::invalid_argument for malformed options and std::runtime_error when no
// test could be loaded.
TestSet ReadTestChannels(std::vector<std::string>& rest, std::size_t count, std::ostream& err);

// "CFC 1000 applied" or "no CFC filter applied (--cfc N to filter)".
std::string FilterNote(int cfc);

// Writes "<label>: <failure>" to err for each test that failed; true when any did.
bool PrintTestFailures(const std::vector<TestChannels>& tests, std::ostream& err);

}  // namespace cli
