// SPDX-License-Identifier: GPL-3.0-or-later
// A fixture with a fresh temporary directory per test and writers for the
// files a file agent reads.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "formats/directory.h"
#include "formats/ev5_vehicle.h"
#include "formats/uds_file.h"
#include "model/vehicle_test.h"

namespace velder_test {

class AgentFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("velder_" + std::to_string(getpid()) + "_" + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Dir() const { return dir_.string(); }
    std::string Sub(const std::string& name) const
    {
        std::filesystem::create_directories(dir_ / name);
        return (dir_ / name).string();
    }
    static void PutText(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The vehicle test as an EV5 (or EV5 Extension) file at path.
    static void PutEV5(const std::string& path, const std::shared_ptr<ko::CVehicleTest>& test, int number,
                       bool extension = false)
    {
        std::string text;
        if (extension)
            ko::CEV5VehExt(test, number).ToString(text);
        else
            ko::CEV5Veh(test, number).ToString(text);
        PutText(path, text);
    }
    // A UDS-1992 file of the y values with time step 1e-4 s.
    static void PutUDS(const std::string& path, const std::vector<double>& y)
    {
        ko::CUDSFile file;
        std::vector<double> x;
        for (std::size_t i = 0; i < y.size(); ++i) x.push_back(static_cast<double>(i) * 1e-4);
        file.SetFILEFORM("Y");
        file.SetCHANFORM("Y");
        file.SetNFP(0);
        file.SetNLP(static_cast<int>(y.size()) - 1);
        file.SetDEL(1e-4f);
        file.SetData(x, y);
        file.Write(path);
    }
    // The evdata and uds directories of a test under the store root Dir().
    std::pair<std::string, std::string> StoreDirs(int number) const
    {
        ko::CDirectory directory;
        directory.SetPathStyle(ko::CDirectory::kSlashStyle);
        directory.SetRoot(Dir());
        directory.SetDatabase(ko::TestKind::Vehicle);
        directory.SetTestNumber(number);
        const std::string evdata = directory.GetEVDataDirectory();
        const std::string uds = directory.GetUDSDirectory();
        std::filesystem::create_directories(evdata);
        std::filesystem::create_directories(uds);
        return {evdata, uds};
    }

    std::filesystem::path dir_;
};

}  // namespace velder_test
