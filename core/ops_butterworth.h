// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <span>

namespace ko {

// Second-order Butterworth low-pass section:
// out(k) = a0 in(k) + a1 in(k-1) + a2 in(k-2) + b1 out(k-1) + b2 out(k-2).
struct CButterworthSection {
    double a0 = 0.0, a1 = 0.0, a2 = 0.0, b1 = 0.0, b2 = 0.0;
};

// Coefficients for time step t (s) and -3 dB frequency f (Hz) of the phaseless
// four-pole filter (the section's own cut-off is warped by 1.2465).
CButterworthSection ButterworthCoefficients(double t, double f);

// True when f is too close to the Nyquist frequency to filter (f > 0.775 * 0.5 / t).
bool ButterworthAboveNyquist(double t, double f);

// Reflected tail length in samples before it is limited by the data: one period
// of f below 100 Hz, 10 ms above, at least 1. Saturates instead of overflowing.
std::size_t ButterworthTailLength(double t, double f);

// One pass over y in place, started from a reflected tail of nt samples
// (1 <= nt <= y.size() - 2). The backward pass reproduces the established
// asymmetric end tail exactly.
void ButterworthForward(std::span<double> y, const CButterworthSection& c, std::size_t nt);
void ButterworthBackward(std::span<double> y, const CButterworthSection& c, std::size_t nt);

// The whole filter in place: validates, skips values too close to Nyquist,
// limits the tail to the data and runs both passes.
struct CButterworthRun {
    bool filtered = false;       // false: f above the Nyquist margin, y unchanged
    bool tailShortened = false;  // the tail was limited to y.size() - 2 samples
    std::size_t tail = 0;        // tail length used
};
CButterworthRun ButterworthInPlace(std::span<double> y, double t, double f);

}  // namespace ko
