// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace ko {

// Writes the sample test store below root in the store's slash layout:
//   <root>/evdata/<db>/<l><ten-thousands>/<l><hundreds>/<l><number>/
//       the test's EV5 (.ev5) or EV5 Extension (.e5x) file, named like
//       v00101_000.e5x; for a test with text curves also its point files
//       (v00104_000.001, the curve number as extension) and its IP5 file
//   <root>/uds/<db>/.../<l><number>/
//       one UDS-1992 file per curve with data, named by the row's SIGNALNAME
// Four frontal vehicle tests (VEHDB 101-104), two component tests (COMDB
// 201-202) and two biomechanics tests (BIODB 301-302); curves are smooth crash
// pulses with measurement noise from a fixed seed, so every run on every
// machine writes the same bytes. Files are written atomically. Returns the
// paths written, in order. Throws std::logic_error or std::runtime_error when
// a directory or file cannot be written.
std::vector<std::string> WriteSampleStore(const std::string& root);

// One line per test of the store: "<db> <number> <title>: <n> channels".
std::vector<std::string> SampleStoreContents();

}  // namespace ko
