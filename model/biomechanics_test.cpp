// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/biomechanics_test.h"

#include <stdexcept>
#include <string>

#include "core/failure.h"

namespace ko {

namespace {

std::string CurveNotFound(int curveNumber)
{
    return "Curve Number: " + std::to_string(curveNumber) + " was not found";
}

}  // namespace

CBioTest::CBioTest()
{
    SetDatabase(TestKind::Biomechanics);
}

bio::CTest& CBioTest::TestRecord() const
{
    if (!test_) throw CFailure("Invalid Biomechanics Test");
    return *test_;
}

std::shared_ptr<bio::CInstrumentation> CBioTest::GetInstrumentation(int curveNumber) const
{
    const std::size_t position = CurvePosition(instrumentations_, curveNumber);
    if (position == instrumentations_.size()) throw std::range_error(CurveNotFound(curveNumber));
    return instrumentations_[position];
}

std::size_t CBioTest::FindInstrumentation(int curveNumber) const
{
    const std::size_t position = CurvePosition(instrumentations_, curveNumber);
    if (position == instrumentations_.size()) throw std::out_of_range(CurveNotFound(curveNumber));
    return position;
}

}  // namespace ko
