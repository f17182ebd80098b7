// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/file_name.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <exception>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace ko {

namespace {

struct CLetterGroup {
    char letter;
    std::initializer_list<std::string_view> texts;
};

// Groups in the order they are tried; the first exact match wins.
// clang-format off
const std::array<CLetterGroup, 14> kQuantityGroups{{
    {'a', {"AMP", "RP2", "DP2", "MS2", "AMPERES", "AMPERAGE", "ACCELERATION", "ANGULAR ACCELERATION"}},
    {'c', {"RMM", "RPC", "RPM", "RPI", "CURVATURE", "RECIPROCAL MM", "RECIPROCAL CMS", "RECIPROCAL MET",
           "RECIPROCAL INS"}},
    {'d', {"MM", "CMS", "MET", "INS", "RAD", "DEG", "NON", "FET", "BLN", "NOM", "METERS", "INCHES", "RADIANS",
           "DEGREES", "MILLIMETERS", "CENTIMETERS", "DIMENSIONLESS", "DISPLACEMENT", "BOOLEAN", "FEET",
           "ANGULAR DISPLACEMENT"}},
    {'e', {"ENERGY"}},
    {'f', {"NWT", "NWF", "LBS", "KLB", "FORCE", "NEWTONS", "POUNDS", "KILOPOUNDS"}},
    {'g', {"KPG", "PIG", "KILOPASCALS GA", "POUNDS/IN**2 GA", "GAUGE PRESSURE"}},
    {'i', {"NSC", "PSC", "NEWTON-SECONDS", "POUND-SECONDS", "IMPULSE", "ANGULAR IMPULSE"}},
    {'n', {"DEC", "NOISE", "DECIBELS"}},
    {'o', {"OTH", "OTHER"}},
    {'p', {"KPA", "PIA", "PSI", "PRESSURE", "ABSOLUTE PRESSURE", "KILOPASCALS AB", "POUNDS/IN**2 AB"}},
    {'s', {"MPM", "MPI", "PST", "MICROMET/MET", "MICROIN/IN", "PERCENT STRAIN", "STRAIN", "STATIC FORCE"}},
    {'t', {"NWM", "SEC", "CEN", "LBF", "NEWTON-METERS", "POUND-FEET", "SECONDS", "DEGREES CELSIUS",
           "TEMPERATURE", "TIME", "MOMENT", "TORQUE"}},
    {'v', {"KPH", "MPH", "RPS", "DPS", "VOL", "MPS", "KILOMETERS/HOUR", "MILES/HOUR", "RADIANS/SEC",
           "DEGREES/SEC", "METERS/SEC", "VOLTS", "VELOCITY", "VOLTAGE", "ANGULAR VELOCITY"}},
    {'_', {"UNK", "NOT KNOWN", "UNKNOWN"}},
}};

const std::array<CLetterGroup, 11> kStatusGroups{{
    {'a', {"AM", "AS MEASURED"}},
    {'c', {"CM", "COMPUTED"}},
    {'d', {"DFT"}},
    {'f', {"CF", "SF", "CHANNEL FAILED", "FILTERED", "SYSTEM FAILED"}},
    {'l', {"ALIGEND"}},
    {'m', {"MN", "MODIFIED", "MEANINGLESS"}},
    {'n', {"NO", "NO DATA"}},
    {'q', {"QD", "QUESTIONABLE DATA"}},
    {'s', {"SC", "SCALED", "SUBSAMPLED", "SCALING FACTOR"}},
    {'t', {"TRUNCATED"}},
    {'_', {"UN", "NOT KNOW"}},
}};
// clang-format on

template <std::size_t N>
char LetterOf(const std::array<CLetterGroup, N>& groups, std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const CLetterGroup& group : groups) {
        if (std::find(group.texts.begin(), group.texts.end(), text) != group.texts.end()) return group.letter;
    }
    return '_';
}

// A new number set from value and its padded text; zeros when value is out of range.
template <class Number>
std::string PaddedText(Number& number, int value, const char* zeros)
{
    number = Number();
    try {
        number.Set(value);
        return number.GetPaddedText();
    } catch (const std::exception&) {
        return zeros;
    }
}

}  // namespace

char QuantityLetter(const std::string& units)
{
    return LetterOf(kQuantityGroups, units);
}

char StatusLetter(const std::string& dataStatus)
{
    return LetterOf(kStatusGroups, dataStatus);
}

char FilterLetter(double frequency)
{
    static constexpr std::array<std::pair<double, char>, 8> kFilters{
        {{0, '0'}, {15, 'a'}, {30, 'b'}, {60, 'c'}, {100, 'd'}, {300, 'e'}, {500, 'f'}, {1000, 'g'}}};
    for (const auto& [cut, letter] : kFilters) {
        if (frequency == cut) return letter;
    }
    return '_';
}

void CFileName::SetDatabase(const std::string& database)
{
    database_ = CDatabase();
    char letter = '_';
    try {
        database_.Set(database);
        letter = database_.GetLetter().at(0);
    } catch (const std::exception&) {
        // Not a database: the letter stays '_'.
    }
    udsName_[0] = letter;
    testName_[0] = letter;
}

void CFileName::SetTestNumber(int number)
{
    const std::string padded = PaddedText(testNumber_, number, "00000");
    udsName_.replace(1, 5, padded);
    testName_.replace(1, 5, padded);
}

void CFileName::SetCurveNumber(int number)
{
    udsName_.replace(7, 3, PaddedText(curveNumber_, number, "000"));
}

void CFileName::SetQuantity(const std::string& units)
{
    udsName_[10] = QuantityLetter(units);
}

void CFileName::SetStatus(const std::string& dataStatus)
{
    udsName_[11] = StatusLetter(dataStatus);
}

void CFileName::SetFilter(double frequency)
{
    udsName_[12] = FilterLetter(frequency);
}

}  // namespace ko
