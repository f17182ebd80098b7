// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

namespace ko {

class CNSignal;

// Hertz per channel frequency class: F = CFC * 1.66666666667.
inline constexpr double kClassToFrequency = 1.66666666667;

// Phaseless four-pole Butterworth low-pass of y in place (time step t, -3 dB
// frequency f). Appends the tail-length warning to signal when the data are
// shorter than the reflected tail. Values are left unchanged when f is too
// close to the Nyquist frequency. Throws std::logic_error for no data, a
// nonpositive t or f, and fewer than 3 values.
bool ButterworthFilter(CNSignal& signal, std::vector<double>& y, double t, double f);

// Channel frequency class recorded for a filtering at f Hz, or 0 when f is in
// none of the class bands.
int ClassOfFilterFrequency(double f);

}  // namespace ko
