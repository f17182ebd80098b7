// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <vector>

namespace ko {

// A fixed-seed generator for the sample store's measurement noise: integer
// arithmetic only, so every machine draws the same numbers.
class CSampleRandom {
public:
    explicit CSampleRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    // Uniform in [0, 1).
    double Uniform();
    // Approximately normal with mean 0 and standard deviation 1 (the sum of
    // twelve uniforms less six).
    double Normal();

private:
    std::uint64_t state_;
};

// sin(x) from a fixed polynomial (the library's sin may round differently
// from machine to machine).
double SampleSine(double x);

// How one sample curve is drawn over its time window [start, start + duration]:
//   Pulse        peak x bump(u) x (1 + ringing x wave(u)), u the window fraction;
//                bump(u) = 16u^2(1-u)^2 is smooth, 1 at u = 0.5, and the
//                ringing waves integrate to zero over the window
//   Deflection   the pulse up to its peak, then back down to residual x peak
//   Oscillation  peak x bump(u) x sin(4 pi u): zero mean
//   Ramp         from 0 to peak with a smooth step, then held
//   Flat         nothing but offset and noise (a failed channel)
// Every shape adds offset and normal noise of the given standard deviation and
// is clipped to +-clip when clip is not 0.
struct CSampleCurve {
    enum class Shape { Pulse, Deflection, Oscillation, Ramp, Flat };
    Shape shape = Shape::Pulse;
    double start = 0.0;     // s
    double duration = 0.1;  // s
    double peak = 0.0;
    double ringing = 0.0;
    double residual = 0.0;
    double offset = 0.0;
    double noise = 0.0;
    double clip = 0.0;
};

// The peak acceleration in G's of a pulse of that duration whose integral is
// the speed change in km/h.
double PulsePeakForSpeed(double kmh, double duration);

// The values at times (firstPoint + i) x step, i = 0 .. count - 1.
std::vector<double> SampleValues(const CSampleCurve& curve, int firstPoint, int count, double step,
                                 CSampleRandom& random);

// sqrt(a^2 + b^2 + c^2) point by point (a computed resultant channel).
std::vector<double> SampleResultant(const std::vector<double>& a, const std::vector<double>& b,
                                    const std::vector<double>& c);

}  // namespace ko
