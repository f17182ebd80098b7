// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// The failure text of an HTTP status code other than 200.
std::string StatusText(long code);

// The status line shown while a download runs, by the status code of the web
// session (10 resolving, 20 connecting, 30 sending, 40 receiving, 50 closing,
// ...); info is the name, size, location or state the code carries, empty when
// there is none. ownHandle tells the session's own handle from a request's.
std::string StatusCallbackText(int status, const std::string& info, bool ownHandle = false);

}  // namespace ko
