// SPDX-License-Identifier: GPL-3.0-or-later
// A fresh temporary directory per test whose name also carries the process id,
// so that test programs of several build trees can run at the same time.
#pragma once
#include <unistd.h>

#include <filesystem>
#include <string>

#include "uds_temp_dir.h"

namespace filetest {

class FileTempDirTest : public udstest::TempDirTest {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ =
            std::filesystem::temp_directory_path() / ("velder_" + std::string(info->test_suite_name()) + "_" +
                                                      info->name() + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
};

}  // namespace filetest
