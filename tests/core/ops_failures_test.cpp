// SPDX-License-Identifier: GPL-3.0-or-later
// Every refused signal operation: its exact text, and the signal left as it was.
#include <gtest/gtest.h>

#include <cmath>

#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace ko::test {
namespace {

struct Refusal {
    const char* label;
    std::shared_ptr<CNSignal> signal;
    std::function<void(CNSignal&)> op;
    std::string text;
};

const Op kIntegrate = [](CNSignal& s) { return s.Integrate(); };
const Op kDerivative = [](CNSignal& s) { return s.Derivative(); };

std::shared_ptr<CNSignal> WithNLP(std::shared_ptr<CNSignal> s, int nlp)
{
    s->SetNLP(nlp);
    return s;
}
std::shared_ptr<CNSignal> WithDEL(std::shared_ptr<CNSignal> s, double del)
{
    s->SetDEL(del);
    return s;
}

TEST(Refusals, TextAndSignalUnchanged)
{
    auto uneven = SampledSignal(0.001, 0, {1, 2, 3, 4, 5});
    uneven->XValues().pop_back();
    auto beforeTimeZero = SampledSignal(0.001, -20, Values(11, 1.0));  // NLP -10
    beforeTimeZero->SetYUNITS("G'S");
    auto emptyRange = XYSignal({0, 0.1, 0.2}, {1, 2, 3});
    emptyRange->SetNFP(-1);
    const auto ten = [] { return SampledSignal(1.0, 0, Ramp(10, 10)); };  // x = 0 .. 9, y = 10 x
    const auto hundred = [] { return SampledSignal(0.001, -10, Ramp(100)); };
    const std::string interpolating = "Error Interpolating Data", step = "Requested Time step <= 0";
    const std::string outside = "Unable to provide requested stop/start indices";
    const std::string fewForDerivative = "Too few data points to compute a derivative";
    const std::string xyDerivative = "Error Computing an XY derivative";
    const std::string tooFewToFilter = "Too few data points to filter (at least 3 are needed)";
    const auto three = [] { return SampledSignal(0.001, 0, {1, 2, 3}); };
    const auto four = [] { return SampledSignal(0.001, 0, {1, 2, 3, 4}); };
    const Refusal rows[] = {
        {"integral of 3", three(), kIntegrate, "Too few data points to compute an Integral"},
        {"integral, no data", WithNLP(std::make_shared<CNSignal>(), 10), kIntegrate, "X or Y data is empty."},
        {"integral, uneven", uneven, kIntegrate, "The number of data (X and Y) points are not same."},
        {"integral, time zero after the end", beforeTimeZero, kIntegrate,
         "Time zero is after the last data point: no anchor for the Integral"},
        {"derivative of 1", SampledSignal(0.001, 1, {1}), kDerivative, fewForDerivative},
        {"derivative of 2", SampledSignal(0.001, 1, {1, 2}), kDerivative, fewForDerivative},
        {"derivative of 3", SampledSignal(0.001, 1, {1, 2, 4}), kDerivative, fewForDerivative},
        {"xy derivative of 2", XYSignal({0, 1}, {1, 2}), kDerivative, xyDerivative},
        {"xy derivative of 3", XYSignal({0, 1, 3}, {1, 2, 5}), kDerivative, xyDerivative},
        {"step 0", four(), Resample(0.0), step},
        {"step -1", four(), Resample(-1.0), step},
        {"step NaN", four(), Resample(std::nan("")), step},
        {"resample empty", std::make_shared<CNSignal>(), Resample(0.001), "Not enough data points"},
        {"x backwards", XYSignal({0, 2, 1, 3}, {1, 2, 3, 4}), Resample(0.5),
         "X axis data is not monotonically increasing"},
        // A vertical pair at the start leaves no line for a time before it.
        {"vertical start", XYSignal({0.3, 0.3, 1}, {1, 2, 3}), Resample(0.25), interpolating},
        {"single point", SampledSignal(0.001, 1, {5}), Resample(0.001), interpolating},
        {"header claims more", WithNLP(four(), 50), Resample(0.002), interpolating},
        {"range beyond 32 bits", XYSignal({0, 1e6}, {0, 1}), Resample(1e-6), interpolating},
        {"empty new range", WithNLP(emptyRange, 1), Resample(1.0), "No Y Signal Data"},
        {"stop = start", ten(), Truncate(2, 2), "Stop time (2) is before or equals Start Time (2)"},
        {"stop < start", ten(), Truncate(0.0015, 0.0001),
         "Stop time (0.0001) is before or equals Start Time (0.0015)"},
        {"six digits", ten(), Truncate(1234567.0, -2.5),
         "Stop time (-2.5) is before or equals Start Time (1.23457e+06)"},
        {"after the data", ten(), Truncate(20, 30), "No X or Y Signal Data"},
        {"only the last sample", ten(), Truncate(9, 30), "No X or Y Signal Data"},
        {"first = last", hundred(), TruncateIndex(3, 3), "Start Index (3)is >= Stop Index (3)"},
        {"first > last", hundred(), TruncateIndex(5, -2), "Start Index (5)is >= Stop Index (-2)"},
        {"before the data", hundred(), TruncateIndex(-20, 0), outside},
        {"after the data", hundred(), TruncateIndex(0, 90), outside},
        {"int extremes", hundred(), TruncateIndex(-2147483647 - 1, 2147483647), outside},
        {"header claims more", WithNLP(hundred(), 200), TruncateIndex(0, 150), outside},
        {"filter, no data", std::make_shared<CNSignal>(), Filter(100), "Nonpositive number of Data Points"},
        {"filter, DEL 0", WithDEL(three(), 0.0), Filter(100), "Nonpositive time step"},
        {"filter, DEL NaN", WithDEL(three(), std::nan("")), Filter(100), "Nonpositive time step"},
        {"filter at -1 Hz", three(), Filter(-1), "Nonpositive Cutoff Frequency"},
        {"filter at NaN", three(), Filter(std::nan("")), "Nonpositive Cutoff Frequency"},
        {"filter 1 value", SampledSignal(0.001, 1, {7}), Filter(100), tooFewToFilter},
        {"filter 2 values", SampledSignal(0.001, 0, {7, 8}), Filter(5000), tooFewToFilter},
        {"unknown class", SampledSignal(0.0001, 0, Ramp(100)), [](CNSignal& s) { s.FilterClass(100); },
         "BWfilt: Frequency Channel Class is not specified in SAE J211"},
    };
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.label);
        ExpectRefused(*row.signal, row.op, row.text);
    }
}

TEST(Refusals, MultiSignalTexts)
{
    const std::string lengths = "Signal lengths not the same.  Resample/Tuncate.";
    const std::vector<std::shared_ptr<CNSignal>> uneven{SampledSignal(0.001, 0, Values(1000, 1.0)),
                                                        SampledSignal(0.001, 0, Values(999, 1.0))};
    auto disjoint = SampledSignal(0.0001, 20, Values(10, 1.0));
    const Refusal rows[] = {
        {"average of none", {}, [](CNSignal& s) { s.Average({}); }, "Empty Container of Signals."},
        {"average, uneven", {}, [&](CNSignal& s) { s.Average(uneven); }, lengths},
        {"sum, uneven", {}, [&](CNSignal& s) { s.Sum(uneven); }, lengths},
        {"sum of null", {}, [](CNSignal& s) { s.Sum({nullptr}); }, "Empty Container of Signals."},
        {"align disjoint", SampledSignal(0.0001, 0, Values(10, 1.0)), [&](CNSignal& s) { s.Align(disjoint); },
         "Start Index (20)is >= Stop Index (9)"},
    };
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.label);
        auto s = row.signal ? row.signal : std::make_shared<CNSignal>();
        s->SetFileName("old.uds");
        ExpectRefused(*s, row.op, row.text);
        EXPECT_EQ(s->GetFileName(), "old.uds");
    }
}

}  // namespace
}  // namespace ko::test
