// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/vehicle_test.h"

namespace ko {

class CUDSFile;
class CPoints;

// Header of the curve curveNumber of a test, built from the test records and
// the curve's instrumentation row (a missing row throws the test's lookup
// text, a test without test record its "Invalid ... Test" text). Only the
// header is touched; the data stay as they are.
void FillBioHeader(CUDSFile& file, const CBioTest& test, int curveNumber);
void FillComHeader(CUDSFile& file, const CComTest& test, int curveNumber);
void FillVehHeader(CUDSFile& file, const CVehicleTest& test, int curveNumber);

// Text curve points as the file's data. With deltMicroseconds > 0 the k-th point
// (from 1) gets x = (nfp + k) * deltMicroseconds * 1e-6; otherwise x stays as read.
void SetTextCurveData(CUDSFile& file, const CPoints& points, int nfp, double deltMicroseconds);

}  // namespace ko
