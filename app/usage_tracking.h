// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace ko {
class CDataAgent;
}

namespace kores {

// At the end of a run: one usage row (the application, the system's user
// name, the time) in the database the agent is logged into, when the profile
// turns tracking on and the data-entry marker file is not in the working
// directory. Never shows anything, never throws; bounded by a short timeout.
void TrackRun(const std::shared_ptr<ko::CDataAgent>& agent);

}  // namespace kores
