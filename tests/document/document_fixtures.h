// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-built tests and rows for the document tests, and a data agent that
// serves them from memory.
#pragma once
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/signal.h"
#include "formats/uds_file.h"
#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/vehicle_test.h"
#include "sources/data_agent.h"

namespace doc_test {

// A vehicle row: the title fields that vary in these tests, the rest fixed.
inline std::shared_ptr<ko::veh::CInstrumentation> VehRow(int test, int curve, int vehno,
                                                         const std::string& senloc, const std::string& senatt,
                                                         const std::string& dastat = "AM")
{
    auto row = std::make_shared<ko::veh::CInstrumentation>();
    if (test > 0) row->SetTSTNO(test);
    if (curve > 0) row->SetCURNO(curve);
    row->SetVEHNO(vehno);
    row->SetSENLOC(senloc);
    row->SetSENATT(senatt);
    row->SetDASTAT(dastat);
    return row;
}

// A vehicle row whose title differs from others by SENATT alone.
inline std::shared_ptr<ko::veh::CInstrumentation> Titled(int test, int curve, const std::string& senatt)
{
    return VehRow(test, curve, 1, "01", senatt);
}

inline std::shared_ptr<ko::CVehicleTest> VehicleTest(
    int number, std::vector<std::shared_ptr<ko::veh::CInstrumentation>> rows, const std::string& title = "")
{
    auto test = std::make_shared<ko::CVehicleTest>();
    test->SetTest(std::make_shared<ko::veh::CTest>());
    if (number > 0) test->SetTestNumber(number);
    test->SetTITLE(title);
    test->SetInstrumentations(std::move(rows));
    return test;
}

// A vehicle test with one row per SENATT text, curves numbered from 1.
inline std::shared_ptr<ko::CVehicleTest> TestWithTitles(int number, const std::vector<std::string>& senatts)
{
    std::vector<std::shared_ptr<ko::veh::CInstrumentation>> rows;
    for (std::size_t i = 0; i < senatts.size(); ++i)
        rows.push_back(Titled(number, static_cast<int>(i) + 1, senatts[i]));
    return VehicleTest(number, std::move(rows));
}

// One fill the agent was asked for: the agent's current test number and curve
// number, and the number of the current test object it filled from.
struct CFill {
    int testNumber;
    int curveNumber;
    int currentTest;
    bool operator==(const CFill&) const = default;
};

// Serves prepared tests by number. A curve's signal has three points with
// x = 0, 0.001, 0.002 s and y = test * 1000 + curve + i; TSTNO, CURNO, SENATT
// and YUNITS come from its row.
class CFakeAgent : public ko::CDataAgent {
public:
    void Add(std::shared_ptr<ko::CTestType> test, int number) { tests_[number] = std::move(test); }
    void FailCurve(int test, int curve, std::string text) { failing_[{test, curve}] = std::move(text); }
    const std::vector<CFill>& Fills() const { return fills_; }

    using ko::CDataAgent::LoadTest;
    bool LoadTest(const std::shared_ptr<ko::CTestType>& test) override
    {
        return Guard([&] {
            BeginLoad(*test);
            const int number = GetTestNumber()->GetNumber();
            const auto found = tests_.find(number);
            if (found == tests_.end())
                throw std::logic_error("Failure to load test number: " + std::to_string(number));
            Copy(*found->second, *test);
            return true;
        });
    }

protected:
    void FillVehSignal(ko::CUDSFile& file) override { Fill(*GetVehicleTest(), file); }
    void FillComSignal(ko::CUDSFile& file) override { Fill(*GetComTest(), file); }
    void FillBioSignal(ko::CUDSFile& file) override { Fill(*GetBioTest(), file); }

private:
    static void Copy(const ko::CTestType& from, ko::CTestType& to)
    {
        if (auto* v = dynamic_cast<ko::CVehicleTest*>(&to)) *v = dynamic_cast<const ko::CVehicleTest&>(from);
        if (auto* c = dynamic_cast<ko::CComTest*>(&to)) *c = dynamic_cast<const ko::CComTest&>(from);
        if (auto* b = dynamic_cast<ko::CBioTest*>(&to)) *b = dynamic_cast<const ko::CBioTest&>(from);
    }

    template <class Test>
    void Fill(const Test& test, ko::CUDSFile& file)
    {
        const int t = GetTestNumber()->GetNumber(), c = GetCurveNumber()->GetNumber();
        fills_.push_back({t, c, test.GetTest() ? test.GetTest()->GetTSTNO() : 0});
        if (const auto failing = failing_.find({t, c}); failing != failing_.end())
            throw std::logic_error(failing->second);
        const auto row = test.GetInstrumentation(c);
        const double base = t * 1000.0 + c;
        file.SetData({0.0, 0.001, 0.002}, {base, base + 1, base + 2});
        file.SetTSTNO(t);
        file.SetCURNO(c);
        file.SetSENATT(row->GetSENATT());
        file.SetYUNITS(row->GetYUNITS());
        file.SetFileName("v" + std::to_string(t) + "c" + std::to_string(c) + ".uds");
    }

    std::map<int, std::shared_ptr<ko::CTestType>> tests_;
    std::map<std::pair<int, int>, std::string> failing_;
    std::vector<CFill> fills_;
};

// A signal with the given points and header texts.
inline std::shared_ptr<ko::CNSignal> MakeSignal(std::vector<double> x, std::vector<double> y, int test = 0,
                                                int curve = 0)
{
    auto signal = std::make_shared<ko::CNSignal>();
    signal->SetXY(std::move(x), std::move(y));
    signal->SetTSTNO(test);
    signal->SetCURNO(curve);
    return signal;
}

}  // namespace doc_test
