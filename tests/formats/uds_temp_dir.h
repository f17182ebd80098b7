// SPDX-License-Identifier: GPL-3.0-or-later
// The temporary-directory fixture under its earlier name, for the tests that
// still include it.
#pragma once
#include <string>
#include <vector>

#include "tests/formats/temp_dir_test.h"

namespace udstest {

class TempDirTest : public formatstest::TempDirTest {
protected:
    static std::vector<unsigned char> Bytes(const std::string& path) { return formatstest::Bytes(path); }
};

}  // namespace udstest
