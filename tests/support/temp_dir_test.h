// SPDX-License-Identifier: GPL-3.0-or-later
// A fixture with a fresh temporary directory per test, whose name also carries
// the process id so that test programs of several build trees can run at once,
// the text of a failure and the bytes of a file.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport {

// The text of the std::logic_error the action throws.
inline std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::logic_error& failure) {
        return failure.what();
    }
    return "no failure";
}

inline std::vector<unsigned char> Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TempDirTest : public ::testing::Test {
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
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::size_t Entries() const
    {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()));
    }
    std::string Put(const std::string& name, const std::vector<unsigned char>& bytes) const
    {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    std::filesystem::path dir_;
};

}  // namespace testsupport
