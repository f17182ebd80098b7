// SPDX-License-Identifier: GPL-3.0-or-later
// The tests of the sample store: records and how each curve is drawn.
#pragma once
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/vehicle_test.h"
#include "samples/sample_signal.h"

namespace ko::sample {

// What a channel measures; decides units, data type and sensor type.
enum class Quantity { Acceleration, Force, Deflection, Angle, Curvature };

// One channel as the test lists build it; the curve number is its place in the list.
struct CChannel {
    int vehicle = 1;             // VEHNO (vehicle and component tests)
    int component = 1;           // CMPNO (component tests)
    std::string location;        // SENLOC (vehicle and biomechanics tests): "01", "03", "NA"
    std::string attachment;      // SENATT code
    std::string attachmentText;  // SENATTD
    std::string axis = "XL";     // AXIS code: XL, YL, ZL, RS
    Quantity quantity = Quantity::Acceleration;
    std::string status = "AM";  // DASTAT: AM, CM, CF, QD, NO
    CSampleCurve curve;
    std::vector<int> resultantOf;  // curve numbers of the X, Y, Z channels of a resultant
};

// The time base of a test's channels: points NFP to NLP, DELT in microseconds.
struct CTimeBase {
    int nfp = -300;
    int nlp = 3000;
    double delt = 100.0;
};

struct CSampleTest {
    TestKind kind = TestKind::Vehicle;
    int number = 0;
    bool extension = false;   // EV5 Extension file (.e5x) instead of EV5 (.ev5)
    bool pointFiles = false;  // curves as ASCII point files beside the test file
    std::tm date{};           // test date, also the date written in the file headers
    CTimeBase time;
    std::shared_ptr<CVehicleTest> vehicle;
    std::shared_ptr<CComTest> component;
    std::shared_ptr<CBioTest> biomechanics;
    std::map<int, CChannel> channels;  // by curve number
    std::vector<std::shared_ptr<veh::CIntrusion>> intrusions;
};

std::vector<CSampleTest> VehicleTests();
std::vector<CSampleTest> ComponentTests();
std::vector<CSampleTest> BiomechanicsTests();

// The broken-down date of year, month (1-12) and day.
std::tm Date(int year, int month, int day);

// Sets the columns every kind of instrumentation row shares from channel.
void FillRow(ko::CInstrumentation& row, int curve, const CChannel& channel, const CTimeBase& time,
             const std::tm& date, double initialVelocity);

// Channel builders.
CChannel Accelerometer(std::string location, std::string attachment, std::string text, CSampleCurve curve,
                       std::string axis = "XL");
CChannel LoadCell(std::string location, std::string attachment, std::string text, CSampleCurve curve,
                  std::string axis = "ZL");
CChannel Transducer(std::string location, std::string attachment, std::string text, CSampleCurve curve);

// Numbers the channels from 1 on in order and appends their rows to test;
// place sets the columns of the kind's own (VEHNO, SENLOC, ...).
template <class Row, class Test, class Place>
void AddChannels(CSampleTest& sample, Test& test, const std::vector<CChannel>& channels, double speed,
                 Place place)
{
    for (const CChannel& channel : channels) {
        const int curve = static_cast<int>(sample.channels.size()) + 1;
        auto row = std::make_shared<Row>();
        FillRow(*row, curve, channel, sample.time, sample.date, speed);
        place(*row, channel);
        test.AddInstrumentation(row);
        sample.channels[curve] = channel;
    }
}

// A sample test of the aggregate's kind holding only its test record.
template <class Test, class Record>
CSampleTest NewSample(int number, const std::tm& date, bool extension, std::shared_ptr<Record> record)
{
    CSampleTest sample;
    sample.number = number;
    sample.extension = extension;
    sample.date = date;
    auto test = std::make_shared<Test>();
    test->SetTest(std::move(record));
    sample.kind = test->GetDatabase()->GetKind();
    if constexpr (std::is_same_v<Test, CVehicleTest>) sample.vehicle = test;
    if constexpr (std::is_same_v<Test, CComTest>) sample.component = test;
    if constexpr (std::is_same_v<Test, CBioTest>) sample.biomechanics = test;
    return sample;
}

// The columns the test records of all kinds share (the laboratory's contract).
template <class Record>
std::shared_ptr<Record> TestHeader(const std::string& title, const std::string& objective,
                                   const std::string& reference, const std::tm& date)
{
    auto test = std::make_shared<Record>();
    test->SetVERNO("1");
    test->SetTITLE(title);
    test->SetTSTOBJ(objective);
    test->SetTSTDAT(date);
    test->SetTSTPRF("WIL");
    test->SetTSTPRFD("WESTFIELD IMPACT LABORATORY");
    test->SetCONNO("K-2004-0117");
    test->SetTSTREF(reference);
    return test;
}

// The recording columns of vehicle and biomechanics test records: on-board
// recorders on an umbilical cable, the closing speed.
template <class Record>
void SetRecording(Record& test, double speed)
{
    test.SetTEMP(21);
    test.SetRECTYP("ONB");
    test.SetRECTYPD("ON-BOARD");
    test.SetLINK("UMB");
    test.SetLINKD("UMBILICAL CABLE");
    test.SetCLSSPD(speed);
}

// A deceleration pulse whose integral is speed (km/h).
CSampleCurve Deceleration(double speed, double start, double duration, double ringing, double noise);
CSampleCurve Pulse(double peak, double start, double duration, double noise);

}  // namespace ko::sample
