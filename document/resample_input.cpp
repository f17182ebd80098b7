// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/resample_input.h"

#include <stdexcept>

#include "core/failure.h"
#include "core/number_text.h"
#include "core/signal.h"
#include "document/typed_number.h"

namespace ko {

CChecked<double> CheckTimeStep(const std::string& text)
{
    if (text.empty()) return {0.0, "The Time Step is emtpy.  Please enter a valid Time Step"};
    const auto value = ParseTypedDouble(text);
    if (!value) return {0.0, "Failure to convert Time Step: " + text + "\n" + kConversionError};
    if (!(*value > 0.0))
        return {0.0, "Time Step: " + GeneralText(*value) + " needs to be greater then zero."};
    return {*value, {}};
}

CChecked<std::int32_t> CheckPointCount(const std::string& text)
{
    if (text.empty()) return {1, "The Number of Points is emtpy.  Please enter a valid Number of Points."};
    const auto value = ParseTypedInt(text);
    if (!value) return {1, "Failure to convert Number of Points: " + text + "\n" + kConversionError};
    if (*value <= 1)
        return {1, "Number of Points: " + std::to_string(*value) + " needs to be greater then one."};
    return {*value, {}};
}

double TimeStepForPoints(const CNSignal& signal, std::int32_t points)
{
    const auto& x = signal.GetX();
    if (points < 2)
        throw CFailure("Number of Points: " + std::to_string(points) + " needs to be greater then one.");
    if (x.size() < 2 || !(x.back() > x.front())) throw CFailure("Not enough data points");
    return (x.back() - x.front()) / (points - 1);
}

}  // namespace ko
