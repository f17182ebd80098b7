// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/track.h"

namespace ko {

CTrack::CTrack(TestKind kind) : CRecord(kind) {}

KO_DEFINE_COLUMNS(CTrack, KO_TRACK_COLUMNS)

}  // namespace ko
