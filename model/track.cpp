// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/track.h"

namespace ko {

CTrack::CTrack(int kindCode) : CRecord(kindCode) {}

KO_DEFINE_COLUMNS(CTrack, KO_TRACK_COLUMNS)

}  // namespace ko
