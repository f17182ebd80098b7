// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/veh_instrumentation.h"

namespace ko::veh {

CInstrumentation::CInstrumentation() : ko::CInstrumentation(TestKind::Vehicle)
{
    SetSENTYP("AC");
    SetSENATT("HDCG");
    SetAXIS("XL");
    SetXUNITS("SEC");
    SetYUNITS("G'S");
    SetDELT(0.0001);
    SetDASTAT("AM");
    SetCHSTAT("P");
    SetSENLOC("01");
}

KO_DEFINE_COLUMNS(CInstrumentation, KO_VEH_INSTRUMENTATION_COLUMNS)

}  // namespace ko::veh
