// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// BIODB.ANTH (BIODB.H_ANTH without SECURITY).
#define KO_BIO_ANTHROPOMETRIC_COLUMNS(X, B)      \
    X(TSTNO, Manual, "Test number")              \
    X(STATUR, Int, "Stature")                    \
    X(SHLDHT, Int, "Shoulder height")            \
    X(VRTSYM, Int, "Vertex to symphysis length") \
    X(WASTHT, Int, "Waist height")               \
    X(SHLDBD, Int, "Shoulder breadth")           \
    X(CHSTBD, Int, "Chest breadth")              \
    X(WASTBD, Int, "Waist breadth")              \
    X(HIPBD, Int, "Hip breadth")                 \
    X(SHLDEL, Int, "Shoulder to elbow length")   \
    X(FARMHD, Int, "Forearm and hand length")    \
    X(TIBLHT, Int, "Tibiale height")             \
    X(ANKLHT, Int, "Ankle height")               \
    X(FOOTBD, Int, "Foot breadth")               \
    X(FOOTLN, Int, "Foot length")                \
    X(HDTROC, Int, "Head to trochanter length")  \
    X(SEATHT, Int, "Sitting height")             \
    X(KNEEHT, Int, "Knee height")                \
    X(HEADLN, Int, "Head length")                \
    X(HEADBD, Int, "Head breadth")               \
    X(HEADCH, Int, "Head circumference")         \
    X(BICPCR, Int, "Biceps circumference")       \
    X(ELBWCR, Int, "Elbow circumference")        \
    X(FARMCR, Int, "Forearm circumference")      \
    X(WRSTCR, Int, "Wrist circumference")        \
    X(THGHCR, Int, "Upper thigh circumference")  \
    X(LTGHCR, Int, "Lower thigh circumference")  \
    X(KNEECR, Int, "Knee circumference")         \
    X(CALFCR, Int, "Calf circumference")         \
    X(ANKLCR, Int, "Ankle circumference")        \
    X(NECKCR, Int, "Neck circumference")         \
    X(SCYECR, Int, "Scye circumference")         \
    X(CHSTCR, Int, "Chest circumference")        \
    X(WASTCR, Int, "Waist circumference")        \
    X(BUTTCR, Int, "Buttock circumference")      \
    X(CHSTDP, Int, "Chest depth")                \
    X(WASTDP, Int, "Waist depth")                \
    X(BUTTDP, Int, "Buttock depth")              \
    X(INSCYE, Int, "Interscye distance")         \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// The 38 body measures of the occupant of a biomechanics test.
class CAnthropometric : public CRecord {
public:
    CAnthropometric();
    KO_RECORD_COLUMNS(CAnthropometric, KO_BIO_ANTHROPOMETRIC_COLUMNS)
};

}  // namespace ko::bio
