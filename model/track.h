// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// VEHDB.TRACK, COMDB.TRACK and BIODB.TRACK (production only).
#define KO_TRACK_COLUMNS(X, B)                                    \
    X(TSTNO, Manual, "Test number")                               \
    X(TSTPRF, Text, "Test performer")                             \
    X(TSTREF, Text, "Test reference number")                      \
    X(STATUS, Text, "Data status: PRODUCTION or HOLDING")         \
    X(COTR, Text, "Technical representative")                     \
    X(COTRPROXY, Text, "Technical representative proxy")          \
    X(QCDATE, Date, "Quality check date")                         \
    X(DATALOADDATE, Date, "Data load date")                       \
    X(DATARCPTDATE, Date, "Data receipt date")                    \
    X(DATACOMMENT, Text, "Data commentary")                       \
    X(PAPERREPORTEXISTS, Text, "Paper report exists")             \
    X(ELECREPORTEXISTS, Text, "Electronic report exists")         \
    X(ELECREPTTSTNO, Int, "Test number of the electronic report") \
    X(ELECREPTCOMMENT, Text, "Electronic report commentary")      \
    X(HARDFILMEXISTS, Text, "Film exists")                        \
    X(ELECVIDEOEXISTS, Text, "Electronic video exists")           \
    X(ELECVIDEOTSTNO, Int, "Test number of the electronic video") \
    X(ELECVIDEOCOMMENT, Text, "Electronic video commentary")      \
    X(PHOTOEXISTS, Text, "Photos exist")                          \
    X(PHOTOTSTNO, Int, "Test number of the photos")               \
    X(PHOTOCOMMENT, Text, "Photo commentary")

namespace ko {

// The TRACK row of a test in any of the three databases. STATUS "HOLDING"
// (any case) means the test's rows are in the H_ tables. The database is the
// vehicle row unless the constructor is given another kind.
class CTrack : public CRecord {
public:
    explicit CTrack(TestKind kind = TestKind::Vehicle);
    KO_RECORD_COLUMNS(CTrack, KO_TRACK_COLUMNS)
};

}  // namespace ko
