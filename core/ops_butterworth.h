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

// Direct form I state: the last two inputs and outputs.
struct CSectionState {
    double x1, x2, y1, y2;
};

// One sample through the section, summed left to right as the difference
// equation is written, so results match the established procedure bit for bit.
inline double Step(const CButterworthSection& c, CSectionState& s, double in)
{
    const double out = c.a0 * in + c.a1 * s.x1 + c.a2 * s.x2 + c.b1 * s.y1 + c.b2 * s.y2;
    s.x2 = s.x1;
    s.x1 = in;
    s.y2 = s.y1;
    s.y1 = out;
    return out;
}

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
// The state each pass starts its run over y with, after the reflected tail.
CSectionState ButterworthForwardStart(std::span<const double> y, const CButterworthSection& c,
                                      std::size_t nt);
CSectionState ButterworthBackwardStart(std::span<const double> y, const CButterworthSection& c,
                                       std::size_t nt);

// The whole filter in place: validates, skips values too close to Nyquist,
// limits the tail to the data and runs both passes.
struct CButterworthRun {
    bool filtered = false;       // false: f above the Nyquist margin, y unchanged
    bool tailShortened = false;  // the tail was limited to y.size() - 2 samples
    std::size_t tail = 0;        // tail length used
};
CButterworthRun ButterworthInPlace(std::span<double> y, double t, double f);
// What ButterworthInPlace will do with n values (the same checks and throws),
// without filtering.
CButterworthRun ButterworthPlan(std::size_t n, double t, double f);

}  // namespace ko
