// SPDX-License-Identifier: GPL-3.0-or-later
// Instrumentation rows of the sample tests: codes, descriptions and ratings by quantity.
#include <array>
#include <string_view>
#include <utility>

#include "samples/sample_tests.h"

namespace ko::sample {

namespace {

struct CQuantityCodes {
    const char* sensor;
    const char* sensorText;
    const char* units;
    const char* unitsText;
    const char* type;
    int rating;
    int channelMaximum;
};

const CQuantityCodes& Codes(Quantity quantity)
{
    static const std::array<CQuantityCodes, 5> codes{{
        {"AC", "ACCELEROMETER", "G'S", "G'S", "ACCELERATION", 2000, 1000},
        {"LC", "LOAD CELL", "NWT", "NEWTONS", "FORCE", 20000, 15000},
        {"DS", "DISPLACEMENT TRANSDUCER", "MM", "MILLIMETERS", "DISPLACEMENT", 100, 80},
        {"PT", "POTENTIOMETER", "DEG", "DEGREES", "ANGULAR DISPLACEMENT", 90, 90},
        {"CB", "CHEST BAND", "RMM", "RECIPROCAL MM", "CURVATURE", 1, 1},
    }};
    return codes[static_cast<std::size_t>(quantity)];
}

std::string Described(std::string_view code,
                      std::initializer_list<std::pair<std::string_view, const char*>> table)
{
    for (const auto& [key, text] : table)
        if (key == code) return text;
    return {};
}

std::string AxisText(const std::string& axis)
{
    return Described(axis, {{"XL", "X LOCAL"},
                            {"YL", "Y LOCAL"},
                            {"ZL", "Z LOCAL"},
                            {"RS", "RESULTANT"},
                            {"NA", "NOT APPLICABLE"}});
}

std::string StatusText(const std::string& status)
{
    return Described(status, {{"AM", "AS MEASURED"},
                              {"CM", "COMPUTED"},
                              {"CF", "CHANNEL FAILED"},
                              {"QD", "QUESTIONABLE DATA"},
                              {"NO", "NO DATA"}});
}

CChannel Channel(Quantity quantity, std::string location, std::string attachment, std::string text,
                 CSampleCurve curve, std::string axis)
{
    CChannel channel;
    channel.location = std::move(location);
    channel.attachment = std::move(attachment);
    channel.attachmentText = std::move(text);
    channel.axis = std::move(axis);
    channel.quantity = quantity;
    channel.curve = curve;
    return channel;
}

// The 15th of the month before the test.
std::tm CalibrationDate(const std::tm& test)
{
    std::tm date{};
    date.tm_year = test.tm_mon == 0 ? test.tm_year - 1 : test.tm_year;
    date.tm_mon = test.tm_mon == 0 ? 11 : test.tm_mon - 1;
    date.tm_mday = 15;
    return date;
}

}  // namespace

std::tm Date(int year, int month, int day)
{
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    return date;
}

void FillRow(ko::CInstrumentation& row, int curve, const CChannel& channel, const CTimeBase& time,
             const std::tm& date, double initialVelocity)
{
    const CQuantityCodes& codes = Codes(channel.quantity);
    const bool timed = time.delt < 1000.0;  // crash channels; slow ones have no anti-alias filter
    row.SetCURNO(curve);
    row.SetSENTYP(codes.sensor);
    row.SetSENTYPD(codes.sensorText);
    row.SetSENATT(channel.attachment);
    row.SetSENATTD(channel.attachmentText);
    row.SetAXIS(channel.axis);
    row.SetAXISD(AxisText(channel.axis));
    row.SetXUNITS("SEC");
    row.SetXUNITSD("SECONDS");
    row.SetYUNITS(codes.units);
    row.SetYUNITSD(codes.unitsText);
    row.SetPREFIL(timed ? 3000 : 0);
    row.SetINSMAN("ORSA");
    row.SetCALDAT(CalibrationDate(date));
    row.SetINSRAT(codes.rating);
    row.SetCHLMAX(codes.channelMaximum);
    row.SetINIVEL(channel.quantity == Quantity::Acceleration ? initialVelocity : 0.0);
    row.SetNFP(time.nfp);
    row.SetNLP(time.nlp);
    row.SetDELT(time.delt);
    row.SetDASTAT(channel.status);
    row.SetDASTATD(StatusText(channel.status));
    row.SetSCFCTR(1.0);
    row.SetCHSTAT("P");
    row.SetCHSTATD("PRIMARY");
    row.SetINSCOM(channel.attachmentText + " " + codes.type);
    row.SetXTYPE("TIME");
    row.SetYTYPE(codes.type);
    row.SetSIGCREDATE(date);
    row.SetSCALEHISTORY(1.0);
}

CChannel Accelerometer(std::string location, std::string attachment, std::string text, CSampleCurve curve,
                       std::string axis)
{
    return Channel(Quantity::Acceleration, std::move(location), std::move(attachment), std::move(text), curve,
                   std::move(axis));
}

CChannel LoadCell(std::string location, std::string attachment, std::string text, CSampleCurve curve,
                  std::string axis)
{
    return Channel(Quantity::Force, std::move(location), std::move(attachment), std::move(text), curve,
                   std::move(axis));
}

CChannel Transducer(std::string location, std::string attachment, std::string text, CSampleCurve curve)
{
    return Channel(Quantity::Deflection, std::move(location), std::move(attachment), std::move(text), curve,
                   "XL");
}

CSampleCurve Deceleration(double speed, double start, double duration, double ringing, double noise)
{
    CSampleCurve curve;
    curve.start = start;
    curve.duration = duration;
    curve.peak = -PulsePeakForSpeed(speed, duration);
    curve.ringing = ringing;
    curve.noise = noise;
    return curve;
}

CSampleCurve Pulse(double peak, double start, double duration, double noise)
{
    CSampleCurve curve;
    curve.start = start;
    curve.duration = duration;
    curve.peak = peak;
    curve.noise = noise;
    return curve;
}

}  // namespace ko::sample
