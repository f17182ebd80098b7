// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// COMDB.ROV (no SECURITY); COMDB.H_ROV has VEHNO after TSTNO as well.
#define KO_COM_ROLLOVER_COLUMNS(X, B)                                \
    X(TSTNO, Manual, "Test number")                                  \
    X(VEHNO, HoldInt, "Vehicle number within the test")              \
    X(TITYPF, Text, "Front tyre type")                               \
    X(TISIZF, Text, "Front tyre size")                               \
    X(TIPRSF, Double, "Front tyre pressure")                         \
    X(TITYPR, Text, "Rear tyre type")                                \
    X(TISIZR, Text, "Rear tyre size")                                \
    X(TIPRSR, Double, "Rear tyre pressure")                          \
    X(TRACK, Double, "Track width")                                  \
    X(TRACKF, Double, "Front track width")                           \
    X(TRACKR, Double, "Rear track width")                            \
    X(TRACKFA, Double, "Front track width, measurement A")           \
    X(TRACKFB, Double, "Front track width, measurement B")           \
    X(TRACKFC, Double, "Front track width, measurement C")           \
    X(TRACKFD, Double, "Front track width, measurement D")           \
    X(TRACKRE, Double, "Rear track width, measurement E")            \
    X(TRACKRF, Double, "Rear track width, measurement F")            \
    X(TRACKRG, Double, "Rear track width, measurement G")            \
    X(TRACKRH, Double, "Rear track width, measurement H")            \
    X(WHLBAS, Double, "Wheelbase")                                   \
    X(WHLBASL, Double, "Left wheelbase")                             \
    X(WHLBASR, Double, "Right wheelbase")                            \
    X(ROOFHT, Double, "Roof height")                                 \
    X(GVWR, Double, "Gross vehicle weight rating")                   \
    X(GAWRF, Double, "Front gross axle weight rating")               \
    X(GAWRR, Double, "Rear gross axle weight rating")                \
    X(WT, Double, "Measured weight")                                 \
    X(WTLF, Double, "Weight, left front wheel")                      \
    X(WTRF, Double, "Weight, right front wheel")                     \
    X(WTLR, Double, "Weight, left rear wheel")                       \
    X(WTRR, Double, "Weight, right rear wheel")                      \
    X(CGLONG, Double, "Centre of gravity, longitudinal position")    \
    X(CGLATE, Double, "Centre of gravity, lateral position")         \
    X(CGHT, Double, "Centre of gravity height")                      \
    X(CGWT1, Double, "Tilt measurement 1: weight")                   \
    X(CGANGLE1, Double, "Tilt measurement 1: angle")                 \
    X(CGMOTION1, Text, "Tilt measurement 1: motion")                 \
    X(CGHT1, Double, "Tilt measurement 1: centre of gravity height") \
    X(CGWT2, Double, "Tilt measurement 2: weight")                   \
    X(CGANGLE2, Double, "Tilt measurement 2: angle")                 \
    X(CGMOTION2, Text, "Tilt measurement 2: motion")                 \
    X(CGHT2, Double, "Tilt measurement 2: centre of gravity height") \
    X(CGWT3, Double, "Tilt measurement 3: weight")                   \
    X(CGANGLE3, Double, "Tilt measurement 3: angle")                 \
    X(CGMOTION3, Text, "Tilt measurement 3: motion")                 \
    X(CGHT3, Double, "Tilt measurement 3: centre of gravity height") \
    X(CGWT4, Double, "Tilt measurement 4: weight")                   \
    X(CGANGLE4, Double, "Tilt measurement 4: angle")                 \
    X(CGMOTION4, Text, "Tilt measurement 4: motion")                 \
    X(CGHT4, Double, "Tilt measurement 4: centre of gravity height") \
    X(CGWT5, Double, "Tilt measurement 5: weight")                   \
    X(CGANGLE5, Double, "Tilt measurement 5: angle")                 \
    X(CGMOTION5, Text, "Tilt measurement 5: motion")                 \
    X(CGHT5, Double, "Tilt measurement 5: centre of gravity height") \
    X(SSF, Double, "Static stability factor")                        \
    X(POSS, Double, "Probability of rollover")                       \
    X(RRS, Double, "Rollover resistance rating score")               \
    X(STAR, Int, "Rollover star rating")

namespace ko::com {

// The rollover measurements of a component test (one per test). Tyre types and
// sizes and the tilt motions are texts, the rating STAR an integer, every other
// measurement a double.
class CRollover : public CRecord {
public:
    CRollover();
    KO_RECORD_COLUMNS(CRollover, KO_COM_ROLLOVER_COLUMNS)
};

}  // namespace ko::com
