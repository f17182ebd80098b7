// SPDX-License-Identifier: GPL-3.0-or-later
// The resultant of three axes of one measurement.
#pragma once
#include <memory>

namespace ko {

class CNSignal;

// A copy of x whose values are sqrt(x^2 + y^2 + z^2), AXIS "RS", status
// "COMPUTED", no file name and the fallback name "Resultant". Throws
// std::logic_error "Resultant: ..." when an axis is refused by UniformSamples,
// the axes differ in units or are not sampled alike (length included).
std::shared_ptr<CNSignal> Resultant(const CNSignal& x, const CNSignal& y, const CNSignal& z);

}  // namespace ko
