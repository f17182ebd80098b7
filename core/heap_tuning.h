// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ko {

// Keeps the memory a selection frees for the next one instead of handing it
// back to the system and faulting it in again: blocks up to 32 MB come from
// the heap, and up to 64 MB of free heap top stay mapped (what glibc settles
// on by itself only after it has freed a block of that size). Call once at
// start-up.
void TuneHeap();

}  // namespace ko
