// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/component_test.h"

#include <stdexcept>
#include <string>

#include "core/failure.h"

namespace ko {

CComTest::CComTest()
{
    SetDatabase(TestKind::Component);
}

com::CTest& CComTest::TestRecord() const
{
    if (!test_) throw CFailure("Invalid Component Test");
    return *test_;
}

std::shared_ptr<com::CInstrumentation> CComTest::GetInstrumentation(int curveNumber) const
{
    auto row = FindRecord(instrumentations_, [&](const auto& r) { return r.GetCURNO() == curveNumber; });
    if (!row) throw std::range_error("Curve Number: " + std::to_string(curveNumber) + " was not found");
    return row;
}

std::shared_ptr<com::CVehicle> CComTest::GetVehicle(int vehicleNumber) const
{
    auto vehicle = FindRecord(vehicles_, [&](const auto& v) { return v.GetVEHNO() == vehicleNumber; });
    if (!vehicle)
        throw std::range_error("Vehicle Number: " + std::to_string(vehicleNumber) + " was not found");
    return vehicle;
}

std::shared_ptr<com::CComponent> CComTest::GetComponent(int vehicleNumber, int componentNumber) const
{
    auto component = FindRecord(components_, [&](const auto& c) {
        return c.GetVEHNO() == vehicleNumber && c.GetCMPNO() == componentNumber;
    });
    if (!component) {
        throw std::range_error("Vehicle Number - Component Number: " + std::to_string(vehicleNumber) + " - " +
                               std::to_string(componentNumber) + " was not found");
    }
    return component;
}

std::shared_ptr<com::CConfiguration> CComTest::GetConfiguration(int vehicleNumber, int componentNumber,
                                                                int configurationNumber) const
{
    auto configuration = FindRecord(configurations_, [&](const auto& c) {
        return c.GetVEHNO() == vehicleNumber && c.GetCMPNO() == componentNumber &&
               c.GetCNFNO() == configurationNumber;
    });
    if (!configuration) {
        throw std::range_error("Vehicle Number - Component Number - Configuration Number: " +
                               std::to_string(vehicleNumber) + " - " + std::to_string(componentNumber) +
                               " - " + std::to_string(configurationNumber) + " was not found");
    }
    return configuration;
}

}  // namespace ko
