// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/usage_tracking.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>

#include "app/source_profile.h"
#include "sources/data_agent_otl.h"
#include "sources/db_session.h"
#include "sources/entry_mode.h"

namespace kores {

namespace {

std::string SystemUserName()
{
    const passwd* entry = getpwuid(geteuid());
    return entry && entry->pw_name ? entry->pw_name : "";
}

}  // namespace

void TrackRun(const std::shared_ptr<ko::CDataAgent>& agent)
{
    if (!CSourceProfile::UsageTracking()) return;
    const auto working = ko::WorkingDirectory();
    if (working && ko::HasDataEntryMarker(*working)) return;
    const auto database = std::dynamic_pointer_cast<ko::CDataAgentOtl>(agent);
    if (!database || !database->GetConnection()) return;
    ko::TrackUsage(database->GetConnection().get(), QCoreApplication::applicationName().toStdString(),
                   SystemUserName());
}

}  // namespace kores
