// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/signal_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/document/document_fixtures.h"

namespace {

using doc_test::MakeSignal;

TEST(CopyData, ShorterSignalsLeaveTheirColumnsEmpty)
{
    auto a = MakeSignal({0, 1, 2}, {10, 11, 12.5}, 4021, 3);
    auto b = MakeSignal({0, 0.5, 1, 1.5, 2}, {1e-7, 2, 3, 4, 123456789}, 4022, 3);
    auto c = MakeSignal({0, 1, 2}, {7, 8, 9}, 0, 0);
    const std::string text = ko::CopyDataText({a, b, c});
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line, '\n');) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        lines.push_back(line.substr(0, line.size() - 1));
    }
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Test/Curve Number: 4021/3\t\tTest/Curve Number: 4022/3\t\tTest/Curve Number: 0/0\t");
    EXPECT_EQ(lines[1], "0\t10\t0\t1e-07\t0\t7");
    EXPECT_EQ(lines[3], "2\t12.5\t1\t3\t2\t9");
    EXPECT_EQ(lines[4], "\t\t1.5\t4\t\t");
    EXPECT_EQ(lines[5], "\t\t2\t1.23457e+08\t\t");
}

TEST(SaveNames, TextNamesFollowTheFileName)
{
    ko::CNSignal signal;
    EXPECT_EQ(ko::ProposedTextName(signal), "");
    EXPECT_EQ(ko::ProposedUDSName(signal), "");
    signal.SetFallbackName("Plus 1 Sigma");
    EXPECT_EQ(ko::ProposedTextName(signal), "Plus 1 Sigma");
    EXPECT_EQ(ko::ProposedUDSName(signal), "Plus 1 Sigma");
    signal.SetFileName("v04021001.uds");
    EXPECT_EQ(ko::ProposedTextName(signal), "v04021001.txt");
    EXPECT_EQ(ko::ProposedUDSName(signal), "v04021001.uds");
    signal.SetFileName("v04021.001.uds");
    EXPECT_EQ(ko::ProposedTextName(signal), "v04021_001.txt");
    signal.SetFileName("V04021001.UDS");  // case-sensitive: the dot is replaced instead
    EXPECT_EQ(ko::ProposedTextName(signal), "V04021001_UDS.txt");
}

class SaveFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("velder_doc_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

TEST_F(SaveFiles, XYTextIsFixedWithSixDecimals)
{
    const auto signal = MakeSignal({-0.0009, 0.5}, {1.0 / 3.0, -2e6});
    EXPECT_EQ(ko::XYFileText(*signal), "-0.000900\t0.333333\r\n0.500000\t-2000000.000000\r\n");
    const auto path = (dir_ / "out.txt").string();
    {
        std::ofstream(path) << "old contents that are longer than the new ones, to be replaced whole\n";
    }
    ko::SaveXYText(*signal, path);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), ko::XYFileText(*signal));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);  // no temporary left
}

TEST_F(SaveFiles, FailuresThrow)
{
    const auto signal = MakeSignal({0.0, 1.0}, {1.0, 2.0}, 5, 6);
    signal->SetNLP(1);
    EXPECT_THROW(ko::SaveXYText(*signal, (dir_ / "missing" / "a.txt").string()), std::exception);
    EXPECT_THROW(ko::SaveUDS(*signal, (dir_ / "missing" / "a.uds").string()), std::exception);
}

}  // namespace
