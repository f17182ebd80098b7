// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/op_args.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <map>
#include <stdexcept>

#include "core/number_text.h"
#include "core/signal.h"
#include "document/resample_input.h"
#include "tools/cli/signal_files.h"

namespace cli {

namespace {

using Values = std::span<const std::string>;
using Apply = std::function<void(ko::CNSignal&)>;
using Builder = Apply (*)(const std::string& option, Values values);

struct OptionInfo {
    std::size_t values;
    Builder build;
};

const std::map<std::string, OptionInfo>& Options()
{
    static const std::map<std::string, OptionInfo> options{
        {"--cfc",
         {1,
          [](const std::string& o, Values v) -> Apply {
              const int cfc = ParseIndex(v[0], o);
              return [cfc](ko::CNSignal& s) { s.FilterClass(cfc); };
          }}},
        {"--filter",
         {1,
          [](const std::string& o, Values v) -> Apply {
              const double f = ParseNumber(v[0], o);
              return [f](ko::CNSignal& s) { s.Filter(f); };
          }}},
        {"--integrate",
         {0, [](const std::string&, Values) -> Apply { return [](ko::CNSignal& s) { s.Integrate(); }; }}},
        {"--derivative",
         {0, [](const std::string&, Values) -> Apply { return [](ko::CNSignal& s) { s.Derivative(); }; }}},
        {"--resample",
         {1,
          [](const std::string& o, Values v) -> Apply {
              const double dt = ParseNumber(v[0], o);
              return [dt](ko::CNSignal& s) { s.Resample(dt); };
          }}},
        {"--resample-points",
         {1,
          [](const std::string& o, Values v) -> Apply {
              const auto points = ko::CheckPointCount(v[0]);
              if (!points.Ok()) throw std::invalid_argument(o + ": " + points.message);
              return [n = points.value](ko::CNSignal& s) { s.Resample(ko::TimeStepForPoints(s, n)); };
          }}},
        {"--truncate",
         {2,
          [](const std::string& o, Values v) -> Apply {
              const double start = ParseNumber(v[0], o), stop = ParseNumber(v[1], o);
              return [start, stop](ko::CNSignal& s) { s.Truncate(start, stop); };
          }}},
        {"--truncate-index",
         {2,
          [](const std::string& o, Values v) -> Apply {
              const int first = ParseIndex(v[0], o), last = ParseIndex(v[1], o);
              return [first, last](ko::CNSignal& s) { s.TruncateIndex(first, last); };
          }}},
    };
    return options;
}

}  // namespace

double ParseNumber(const std::string& text, const std::string& option)
{
    double value = 0.0;
    if (!ko::ReadNumber(text, value) || !std::isfinite(value))
        throw std::invalid_argument(option + ": not a number: '" + text + "'");
    return value;
}

int ParseIndex(const std::string& text, const std::string& option)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        throw std::invalid_argument(option + ": not a whole number: '" + text + "'");
    return value;
}

std::vector<SignalOperation> ParseOperations(std::span<const std::string> args)
{
    std::vector<SignalOperation> operations;
    for (std::size_t i = 0; i < args.size();) {
        const auto it = Options().find(args[i]);
        if (it == Options().end())
            throw std::invalid_argument("unknown operation: '" + args[i] + "'; " + kOpsHelp);
        const auto& [option, info] = *it;
        if (args.size() - i - 1 < info.values)
            throw std::invalid_argument(option + " needs " + std::to_string(info.values) + " value(s)");
        operations.push_back({option, info.build(option, args.subspan(i + 1, info.values))});
        i += 1 + info.values;
    }
    return operations;
}

void ApplyOperations(ko::CNSignal& signal, const std::vector<SignalOperation>& operations)
{
    for (const auto& operation : operations) operation.apply(signal);
}

int RunOnFile(const std::string& in, const std::string& out, const std::vector<SignalOperation>& operations)
{
    const auto signal = LoadSignal(in);
    try {
        ApplyOperations(*signal, operations);
    } catch (...) {
        PrintWarnings(*signal, std::cerr);
        throw;
    }
    PrintWarnings(*signal, std::cerr);
    SaveSignals({{signal.get(), out}});
    std::cout << "wrote " << signal->GetY().size() << " points to " << out << "\n";
    return 0;
}

}  // namespace cli
