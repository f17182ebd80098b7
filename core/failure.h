// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace ko {

// A failure of the data or of input/output (a bad file, a missing record, an
// operation the signals cannot take), whose text is the message shown to the
// user. It is a std::logic_error, as callers of the library expect; catching
// CFailure alone tells such failures apart from faults in the program.
class CFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

}  // namespace ko
