// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs of columns that several tables share, in the same order and with the
// same types; each record's column list includes them where they stand.

// The test tables of the three databases, after TSTNO.
#define KO_TEST_HEADER_COLUMNS(X)                  \
    X(VERNO, Text, "Version number")               \
    X(TITLE, Text, "Test title")                   \
    X(TSTOBJ, Text, "Test objective")              \
    X(TSTDAT, Date, "Test date")                   \
    X(TSTPRF, Text, "Test performer")              \
    X(TSTPRFD, Text, "Test performer description") \
    X(CONNO, Text, "Contract number")              \
    X(TSTREF, Text, "Test reference number")

// The vehicle and biomechanics test tables, after the test configuration.
#define KO_TEST_RECORDING_COLUMNS(X)              \
    X(TEMP, Int, "Ambient temperature")           \
    X(RECTYP, Text, "Recorder type")              \
    X(RECTYPD, Text, "Recorder type description") \
    X(LINK, Text, "Recorder link")                \
    X(LINKD, Text, "Recorder link description")   \
    X(CLSSPD, Double, "Closing speed")            \
    X(IMPANG, Int, "Impact angle")

// The vehicle tables of the vehicle and component databases, after VEHNO.
#define KO_VEHICLE_IDENTITY_COLUMNS(X)           \
    X(MAKE, Text, "Vehicle make")                \
    X(MAKED, Text, "Vehicle make description")   \
    X(MODEL, Text, "Vehicle model")              \
    X(MODELD, Text, "Vehicle model description") \
    X(YEAR, Int, "Model year")                   \
    X(KORVANO, Text, "Vehicle code number")      \
    X(BODY, Text, "Body type")                   \
    X(BODYD, Text, "Body type description")      \
    X(VIN, Text, "Vehicle identification number")

// The restraint tables of the vehicle and biomechanics databases.
#define KO_RESTRAINT_COLUMNS(X)                          \
    X(RSTNO, Int, "Restraint number")                    \
    X(RSTTYP, Text, "Restraint type")                    \
    X(RSTTYPD, Text, "Restraint type description")       \
    X(RSTMNT, Text, "Restraint mounting")                \
    X(RSTMNTD, Text, "Restraint mounting description")   \
    X(DEPLOY, Text, "Restraint deployment")              \
    X(DEPLOYD, Text, "Restraint deployment description") \
    X(RSTCOM, Text, "Restraint commentary")

// The dummy of a vehicle occupant or a biomechanics dummy occupant.
#define KO_DUMMY_COLUMNS(X)                               \
    X(MTHCAL, Text, "Method of calibration")              \
    X(MTHCALD, Text, "Method of calibration description") \
    X(DUMSIZ, Text, "Dummy size")                         \
    X(DUMSIZD, Text, "Dummy size description")            \
    X(DUMMAN, Text, "Dummy manufacturer")                 \
    X(DUMMOD, Text, "Dummy modification")                 \
    X(DUMDSC, Text, "Dummy description")

// The injury criteria of a vehicle occupant or a biomechanics dummy occupant.
#define KO_INJURY_CRITERIA_COLUMNS(X)                  \
    X(HIC, Int, "Head injury criterion")               \
    X(T1, Double, "Start of the HIC interval")         \
    X(T2, Double, "End of the HIC interval")           \
    X(CLIP3M, Double, "Chest acceleration, 3 ms clip") \
    X(LFEM, Int, "Left femur load")                    \
    X(RFEM, Int, "Right femur load")                   \
    X(CSI, Int, "Chest severity index")                \
    X(LBELT, Int, "Lap belt load")                     \
    X(SBELT, Int, "Shoulder belt load")                \
    X(TTI, Double, "Thoracic trauma index")            \
    X(PELVG, Double, "Pelvis acceleration")
