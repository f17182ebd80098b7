// SPDX-License-Identifier: GPL-3.0-or-later
// A generated store of 50 vehicle tests x 100 channels x 3,300 points in the
// slash layout, written once per process and removed at exit; WriteStore writes
// one of any size.
#pragma once
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/signal.h"
#include "formats/directory.h"
#include "formats/ev5_vehicle.h"
#include "formats/file_name.h"
#include "formats/uds_signal.h"
#include "model/test_number.h"
#include "model/vehicle_test.h"

namespace benchstore {

inline constexpr int kTests = 50;
inline constexpr int kChannels = 100;
inline constexpr int kPoints = 3300;
inline constexpr std::size_t kSelectedTitle = 37;

inline ko::CDirectory StoreDirectory(const std::string& root, int test)
{
    ko::CDirectory directory;
    directory.SetPathStyle(ko::CDirectory::kSlashStyle);
    directory.SetRoot(root);
    directory.SetDatabase(ko::TestKind::Vehicle);
    directory.SetTestNumber(test);
    return directory;
}

inline std::string CurveName(int test, int curve)
{
    ko::CFileName name;
    name.SetDatabase("vehdb");
    name.SetTestNumber(test);
    name.SetCurveNumber(curve);
    name.SetQuantity("G'S");
    name.SetStatus("AM");
    name.SetFilter(0.0);
    return name.GetUDSName();
}

inline std::shared_ptr<ko::veh::CInstrumentation> Row(int test, int curve, int points = kPoints)
{
    auto row = std::make_shared<ko::veh::CInstrumentation>();
    row->SetTSTNO(test);
    row->SetCURNO(curve);
    row->SetVEHNO(1);
    row->SetSENATT(std::to_string(curve).insert(0, 1, 'S'));  // "S" + text trips GCC 12's -Wrestrict
    row->SetNFP(0);
    row->SetNLP(points - 1);
    row->SetDELT(100.0);
    row->SetSIGNALNAME(CurveName(test, curve));
    return row;
}

inline void WriteCurve(const std::string& path, int test, int curve, int points = kPoints)
{
    ko::CNSignal signal;
    signal.SetTSTNO(test);
    signal.SetCURNO(curve);
    signal.SetDEL(1e-4);
    signal.SetYUNITS("G'S");
    signal.SetNFP(0);
    signal.SetNLP(points - 1);
    std::vector<double> y(static_cast<std::size_t>(points));
    for (int i = 0; i < points; ++i) y[static_cast<std::size_t>(i)] = 40.0 * std::sin(i * 0.002 + curve);
    signal.SetY(std::move(y));
    WriteUDS(signal, path);
}

inline void WriteTest(const std::string& root, int number, int channels = kChannels, int points = kPoints)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    test->SetTest(std::make_shared<ko::veh::CTest>());
    test->SetTestNumber(number);
    test->SetTITLE("Generated test " + std::to_string(number));
    auto directory = StoreDirectory(root, number);
    std::filesystem::create_directories(directory.GetUDSDirectory());
    for (int curve = 1; curve <= channels; ++curve) {
        test->AddInstrumentation(Row(number, curve, points));
        WriteCurve(directory.GetUDSDirectory() + "/" + CurveName(number, curve), number, curve, points);
    }
    std::filesystem::create_directories(directory.GetEVDataDirectory());
    std::ofstream out(directory.GetEVDataDirectory() + "/v" + ko::ZeroPadded(number, 5) + ".ev5");
    ko::CEV5Veh(test, number).Write(out);
}

// Tests 1..tests with channels curves of points points each under root.
inline void WriteStore(const std::string& root, int tests, int channels, int points)
{
    for (int test = 1; test <= tests; ++test) WriteTest(root, test, channels, points);
}

// The store, written once and removed at exit.
inline const std::string& Store()
{
    static const struct Generated {
        std::string root =
            (std::filesystem::temp_directory_path() / ("velder_bench_store_" + std::to_string(::getpid())))
                .string();
        Generated() { WriteStore(root, kTests, kChannels, kPoints); }
        ~Generated() { std::filesystem::remove_all(root); }
    } store;
    return store.root;
}

inline std::vector<int> TestNumbers(int tests = kTests)
{
    std::vector<int> numbers;
    for (int test = 1; test <= tests; ++test) numbers.push_back(test);
    return numbers;
}

}  // namespace benchstore
