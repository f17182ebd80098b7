// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ko {

// Channel frequency class (60, 180, 600, 1000; 1001 unknown) recorded by a header:
// from FCUT when it is not 0, else from PREFIL.
int ClassFromFrequency(double prefil, double fcut);

}  // namespace ko
