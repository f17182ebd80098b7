// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/ev5_reading.h"

#include <cctype>

#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"

namespace ko {
namespace {

template <class Plain, class Extension, class Test>
void ReadWith(const std::shared_ptr<Test>& test, const std::string& text, int number, bool extension)
{
    if (extension || IsEV5ExtensionText(text))
        Extension(test, number).Read(text);
    else
        Plain(test, number).Read(text);
}

}  // namespace

void ReadEV5Test(const std::shared_ptr<CBioTest>& test, const std::string& text, int number, bool extension)
{
    ReadWith<CEV5Bio, CEV5BioExt>(test, text, number, extension);
}

void ReadEV5Test(const std::shared_ptr<CComTest>& test, const std::string& text, int number, bool extension)
{
    ReadWith<CEV5Com, CEV5ComExt>(test, text, number, extension);
}

void ReadEV5Test(const std::shared_ptr<CVehicleTest>& test, const std::string& text, int number,
                 bool extension)
{
    ReadWith<CEV5Veh, CEV5VehExt>(test, text, number, extension);
}

bool SetTestNumberFromName(CTestNumber& number, const std::string& fileName)
{
    if (fileName.size() < 6 || !std::isalpha(static_cast<unsigned char>(fileName[0]))) return false;
    int value = 0;
    for (std::size_t i = 1; i < 6; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(fileName[i]))) return false;
        value = value * 10 + (fileName[i] - '0');
    }
    if (value < CTestNumber::kMinimum || value > CTestNumber::kMaximum) return false;
    number.Set(value);
    return true;
}

}  // namespace ko
