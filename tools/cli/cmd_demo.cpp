// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli demo OUT: writes a demo signal, a smooth 100 ms crash pulse sampled
// at 10 kHz, as a UDS-1992 file.
#include <cmath>
#include <iostream>
#include <numbers>
#include <stdexcept>
#include <string>

#include "core/signal.h"
#include "formats/uds_signal.h"
#include "tools/cli/command_registry.h"

namespace {

constexpr double kStep = 0.0001;   // s
constexpr double kDuration = 0.1;  // s
constexpr double kPeak = -35.0;    // G'S
constexpr int kPreTrigger = 100;   // samples before time zero

ko::CNSignal DemoPulse()
{
    ko::CNSignal signal;
    signal.SetTITLE("VELDER DEMO CRASH PULSE");
    signal.SetTSTNAM("DEMO");
    signal.SetSENATT("VEHICLE CG");
    signal.SetAXIS("XG");
    signal.SetYTYPE("ACCELERATION");
    signal.SetYUNITS("G'S");
    signal.SetCHANFORM("Y");
    signal.SetStatus("COMPUTED");
    signal.SetINIVEL(56.0);
    signal.SetDEL(kStep);
    const int last = static_cast<int>(std::lround(kDuration / kStep));
    signal.SetNFP(-kPreTrigger);
    signal.SetNLP(last + kPreTrigger);
    std::vector<double> y;
    for (int i = -kPreTrigger; i <= last + kPreTrigger; ++i) {
        const double t = i * kStep;
        const double s = t > 0.0 && t < kDuration ? std::sin(std::numbers::pi * t / kDuration) : 0.0;
        y.push_back(s == 0.0 ? 0.0 : kPeak * s * s);
    }
    signal.SetY(std::move(y));
    return signal;
}

int Demo(const std::vector<std::string>& args)
{
    if (args.size() != 1) throw std::invalid_argument("usage: velder-cli demo OUT");
    const ko::CNSignal signal = DemoPulse();
    WriteUDS(signal, args[0]);
    std::cout << "wrote " << signal.GetPointCount() << " points to " << args[0] << "\n";
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("demo", "demo OUT", Demo);
