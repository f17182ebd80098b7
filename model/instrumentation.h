// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

#include "model/column_table.h"
#include "model/curve_number.h"
#include "model/record.h"

// The instrumentation columns common to the three kinds, in two runs: the kind
// tables put their own columns before, between and after them.
#define KO_INSTRUMENTATION_SENSOR_COLUMNS(X) \
    X(CURNO, Manual, "Curve number")         \
    X(SENTYP, Text, "Sensor type")           \
    X(SENTYPD, Text, "Sensor type description")

#define KO_INSTRUMENTATION_DATA_COLUMNS(X)                         \
    X(SENATT, Text, "Sensor attachment")                           \
    X(SENATTD, Text, "Sensor attachment description")              \
    X(AXIS, Text, "Axis direction of the sensor")                  \
    X(AXISD, Text, "Axis direction description")                   \
    X(XUNITS, Text, "Time or independent-axis units")              \
    X(XUNITSD, Text, "Time or independent-axis units description") \
    X(YUNITS, Text, "Data measurement units")                      \
    X(YUNITSD, Text, "Data measurement units description")         \
    X(PREFIL, Int, "Pre-filter frequency")                         \
    X(PREMAX, Double, "Pre-maximum")                               \
    X(PREMIN, Double, "Pre-minimum")                               \
    X(INSMAN, Text, "Manufacturer of the instrument")              \
    X(CALDAT, Date, "Calibration date")                            \
    X(INSRAT, Int, "Instrument rating")                            \
    X(CHLMAX, Int, "Channel maximum rating")                       \
    X(INIVEL, Double, "Initial velocity")                          \
    X(NFP, Int, "Number of the first data point")                  \
    X(NLP, Int, "Number of the last data point")                   \
    X(DELT, Double, "Time increment between points")               \
    X(DASTAT, Text, "Data status")                                 \
    X(DASTATD, Text, "Data status description")                    \
    X(SCFCTR, Double, "Scale factor")                              \
    X(CHSTAT, Text, "Channel status")                              \
    X(CHSTATD, Text, "Channel status description")                 \
    X(INSCOM, Text, "Instrumentation commentary")                  \
    X(XTYPE, Text, "X data type")                                  \
    X(YTYPE, Text, "Y data type")                                  \
    X(SIGNALNAME, Text, "Signal name")                             \
    X(SIGCREDATE, Date, "Signal creation date")                    \
    X(SIGREVDATE, Date, "Signal revision date")                    \
    X(SCALEHISTORY, Double, "Scale history")                       \
    X(BIAS, Double, "Bias")                                        \
    X(BIASHISTORY, Double, "Bias history")

namespace ko {

// One row of an instrumentation table: what one curve of a test measured and
// how. Base of veh::, com:: and bio::CInstrumentation, which add their own
// columns and set the database. A copy shares the curve number, database and
// security objects with the original.
class CInstrumentation : public CRecord {
public:
    CInstrumentation();
    CInstrumentation(const CInstrumentation&) = default;
    CInstrumentation& operator=(const CInstrumentation&) = default;
    ~CInstrumentation() override = default;

    // CURNO: forwards to the shared CCurveNumber (throws its out-of-range text).
    int GetCURNO() const { return curveNumber_->GetNumber(); }
    void SetCURNO(int number) { curveNumber_->Set(number); }
    const std::string& GetPaddedCURNO() const { return curveNumber_->GetPaddedText(); }
    const std::shared_ptr<CCurveNumber>& GetCurveNumber() const { return curveNumber_; }

    KO_INSTRUMENTATION_SENSOR_COLUMNS(KO_COLUMN_ACCESS)
    KO_INSTRUMENTATION_DATA_COLUMNS(KO_COLUMN_ACCESS)
    KO_ACCESS_Security(SECURITY)

        protected : explicit CInstrumentation(TestKind kind);

private:
    std::shared_ptr<CCurveNumber> curveNumber_ = std::make_shared<CCurveNumber>();
    KO_INSTRUMENTATION_SENSOR_COLUMNS(KO_COLUMN_MEMBER)
    KO_INSTRUMENTATION_DATA_COLUMNS(KO_COLUMN_MEMBER)
    KO_MEMBER_Security(SECURITY)
};

}  // namespace ko
