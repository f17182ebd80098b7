// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ko {

class CData;

// Relative closeness of two time steps (tolerance 0.0001).
bool CloseSteps(double a, double b);

// Whether a and b cover the same file indices: NFP, NLP and point count.
bool SameIndexRange(const CData& a, const CData& b);

// Whether a.Align(b) leaves both as they are: b without a step, or a step
// close to a's over the same index range.
bool AlignsUnchanged(const CData& a, const CData& b);

}  // namespace ko
