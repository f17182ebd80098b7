// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one table of UDS-1992 header fields, in file order.
// X(kind, name, record, offset, width, default, label)
//   kind:   Text (std::string), Int (32-bit int), Real (32-bit float, a double in the
//           signal), Clip (as Real, but the signal keeps its double in CData),
//           Status (text; the signal stores it normalised as its status text)
//   record: Test (record 1), Object2 (optional "CMP-2 HDR" record), Curve
//   label:  the name printed by `velder-cli header`
// clang-format off
#define KO_UDS_FIELDS(X)                                                        \
    X(Text, FILEID, Test, 0, 12, "UDS-1992", "FILEID")                          \
    X(Int, VERNO, Test, 12, 4, 1, "VERNO")                                      \
    X(Text, FILEFORM, Test, 16, 10, "X-Y", "FILEFORM")                          \
    X(Text, NUMFORM, Test, 26, 5, "", "NUMFORM")                                \
    X(Text, DIMSYS, Test, 31, 3, "MET", "DIMSYS")                               \
    X(Text, TSTSRC, Test, 34, 15, "USER DATA", "TSTSRC")                        \
    X(Int, TSTNO, Test, 49, 4, 0, "TSTNO")                                      \
    X(Text, TSTNAM, Test, 53, 12, "0", "TSTNAM")                                \
    X(Text, TITLE, Test, 65, 70, "", "TITLE")                                   \
    X(Text, TSTPRF, Test, 135, 25, "OTHER", "TSTPRF")                           \
    X(Text, TSTREF, Test, 160, 10, "", "TSTREF")                                \
    X(Text, TSTCFN, Test, 170, 3, "OTH", "TSTCFN")                              \
    X(Int, IMPANG, Test, 173, 4, 0, "IMPANG")                                   \
    X(Real, CLSSPD, Test, 177, 4, 0.0f, "CLSSPD")                               \
    X(Int, VehicleNumber1, Test, 181, 4, 0, "VEH1.Vehicle_Number")              \
    X(Text, ComponentType1, Test, 185, 2, "", "VEH1.Component_Type")            \
    X(Text, Description1, Test, 187, 30, "", "VEH1.Description")                \
    X(Text, Make1, Test, 217, 15, "", "VEH1.Make")                              \
    X(Text, Model1, Test, 232, 25, "", "VEH1.Model")                            \
    X(Int, Year1, Test, 257, 4, 0, "VEH1.Year")                                 \
    X(Text, BodyType1, Test, 261, 25, "", "VEH1.Body_Type")                     \
    X(Text, EngineType1, Test, 286, 4, "", "VEH1.Engine_Type")                  \
    X(Real, VehicleWeight1, Test, 290, 4, 0.0f, "VEH1.Vehicle_Weight")          \
    X(Real, VEHSPD1, Test, 294, 4, 0.0f, "VEH1.VEHSPD")                         \
    X(Text, Type1, Test, 298, 6, "", "OCC1.Type")                               \
    X(Int, Age1, Test, 304, 4, 0, "OCC1.Age")                                   \
    X(Text, Sex1, Test, 308, 1, "", "OCC1.Sex")                                 \
    X(Real, Weight1, Test, 309, 4, 0.0f, "OCC1.Weight")                         \
    X(Text, Size1, Test, 313, 2, "", "OCC1.Size")                               \
    X(Text, FirstRestraint1, Test, 315, 20, "NONE", "OCC1.1st_Restraint")       \
    X(Text, SecondRestraint1, Test, 335, 20, "NONE", "OCC1.2nd_Restraint")      \
    X(Real, HIC, Test, 355, 4, 0.0f, "HIC")                                     \
    X(Real, T1, Test, 359, 4, 0.0f, "T1")                                       \
    X(Real, T2, Test, 363, 4, 0.0f, "T2")                                       \
    X(Real, HICDTUP, Test, 367, 4, 0.0f, "HICDTUP")                             \
    X(Clip, CLIP3M, Test, 371, 4, 0.0f, "CLIP3M")                               \
    X(Real, CSI, Test, 375, 4, 0.0f, "CSI")                                     \
    X(Text, AIS, Test, 379, 1, "", "AIS")                                       \
    X(Int, VehicleNumber2, Object2, 12, 4, 0, "VEH2.Vehicle_Number")            \
    X(Text, ComponentType2, Object2, 16, 2, "", "VEH2.Component_Type")          \
    X(Text, Description2, Object2, 18, 30, "", "VEH2.Description")              \
    X(Text, Make2, Object2, 48, 15, "", "VEH2.Make")                            \
    X(Text, Model2, Object2, 63, 25, "", "VEH2.Model")                          \
    X(Int, Year2, Object2, 88, 4, 0, "VEH2.Year")                               \
    X(Text, BodyType2, Object2, 92, 25, "", "VEH2.Body_Type")                   \
    X(Text, EngineType2, Object2, 117, 4, "", "VEH2.Engine_Type")               \
    X(Real, VehicleWeight2, Object2, 121, 4, 0.0f, "VEH2.Vehicle_Weight")       \
    X(Real, VEHSPD2, Object2, 125, 4, 0.0f, "VEH2.VEHSPD")                      \
    X(Text, Type2, Object2, 129, 6, "", "OCC2.Type")                            \
    X(Int, Age2, Object2, 135, 4, 0, "OCC2.Age")                                \
    X(Text, Sex2, Object2, 139, 1, "", "OCC2.Sex")                              \
    X(Real, Weight2, Object2, 140, 4, 0.0f, "OCC2.Weight")                      \
    X(Text, Size2, Object2, 144, 2, "", "OCC2.Size")                            \
    X(Text, FirstRestraint2, Object2, 146, 20, "", "OCC2.1st_Restraint")        \
    X(Text, SecondRestraint2, Object2, 166, 20, "", "OCC2.2nd_Restraint")       \
    X(Int, ICHAN, Curve, 12, 4, 1, "ICHAN")                                     \
    X(Text, CHANFORM, Curve, 16, 10, "X-Y", "CHANFORM")                         \
    X(Int, CURNO, Curve, 26, 4, 0, "CURNO")                                     \
    X(Text, CURNAM, Curve, 30, 12, "0", "CURNAM")                               \
    X(Text, SENATT, Curve, 42, 30, "", "SENATT")                                \
    X(Text, SENLOC, Curve, 72, 2, "", "SENLOC")                                 \
    X(Int, SENNUM, Curve, 74, 4, 0, "SENNUM")                                   \
    X(Int, BANDNO, Curve, 78, 4, 0, "BANDNO")                                   \
    X(Int, GAGNO, Curve, 82, 4, 0, "GAGNO")                                     \
    X(Text, AXIS, Curve, 86, 2, "", "AXIS")                                     \
    X(Text, YTYPE, Curve, 88, 20, "", "YTYPE")                                  \
    X(Text, YUNITS, Curve, 108, 20, "", "YUNITS")                               \
    X(Text, XTYPE, Curve, 128, 20, "TIME", "XTYPE")                             \
    X(Text, XUNITS, Curve, 148, 20, "SECONDS", "XUNITS")                        \
    X(Status, STATUS, Curve, 168, 20, "COMPUTED", "STATUS")                     \
    X(Text, CURTYP, Curve, 188, 20, "TIME SERIES", "CURTYP")                    \
    X(Text, DESC, Curve, 208, 70, "COMPUTED / SIMULATED DATA", "DESC")          \
    X(Int, NFP, Curve, 278, 4, 0, "NFP")                                        \
    X(Int, NLP, Curve, 282, 4, 0, "NLP")                                        \
    X(Real, DEL, Curve, 286, 4, 0.0f, "DEL")                                    \
    X(Real, INIVEL, Curve, 290, 4, 0.0f, "INIVEL")                              \
    X(Real, PREFIL, Curve, 294, 4, 1650.0f, "PREFIL")                           \
    X(Real, FCUT, Curve, 298, 4, 0.0f, "FCUT")                                  \
    X(Real, FCOR, Curve, 302, 4, 0.0f, "FCOR")                                  \
    X(Real, FSTP, Curve, 306, 4, 0.0f, "FSTP")                                  \
    X(Real, SCLFAC, Curve, 310, 4, 1.0f, "SCLFAC")                              \
    X(Int, ID1, Curve, 314, 4, 0, "ID1")                                        \
    X(Int, ID2, Curve, 318, 4, 0, "ID2")                                        \
    X(Int, ID3, Curve, 322, 4, 0, "ID3")                                        \
    X(Int, ID4, Curve, 326, 4, 0, "ID4")                                        \
    X(Int, ID5, Curve, 330, 4, 0, "ID5")                                        \
    X(Real, RD1, Curve, 334, 4, 0.0f, "RD1")                                    \
    X(Real, RD2, Curve, 338, 4, 0.0f, "RD2")                                    \
    X(Real, RD3, Curve, 342, 4, 0.0f, "RD3")                                    \
    X(Real, RD4, Curve, 346, 4, 0.0f, "RD4")                                    \
    X(Real, RD5, Curve, 350, 4, 0.0f, "RD5")                                    \
    X(Text, CD1, Curve, 354, 20, "", "CD1")                                     \
    X(Text, CD2, Curve, 374, 70, "", "CD2")
// clang-format on

// C++ type of each kind in the field set.
#define KO_UDS_TYPE_Text std::string
#define KO_UDS_TYPE_Status std::string
#define KO_UDS_TYPE_Int std::int32_t
#define KO_UDS_TYPE_Real float
#define KO_UDS_TYPE_Clip float

// C++ type of each kind in the signal's accessors (reals are doubles there).
#define KO_SIG_TYPE_Text std::string
#define KO_SIG_TYPE_Status std::string
#define KO_SIG_TYPE_Int std::int32_t
#define KO_SIG_TYPE_Real double
#define KO_SIG_TYPE_Clip double
