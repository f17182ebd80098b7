// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>

namespace ko {

// Runs body(0) .. body(count - 1), each once, on up to threads threads (0:
// one per core) of which the calling one is the first; returns when all are
// done. When threads cannot be started the running ones share the work. The
// first exception a body throws is thrown here once all have stopped; the
// bodies not yet started then do not run.
void ParallelFor(std::size_t count, const std::function<void(std::size_t)>& body, unsigned threads = 0);

}  // namespace ko
