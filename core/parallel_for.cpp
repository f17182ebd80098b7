// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace ko {

void ParallelFor(std::size_t count, const std::function<void(std::size_t)>& body, unsigned threads)
{
    if (count == 0) return;
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, count));
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureMutex;
    const auto run = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;) {
            try {
                body(i);
            } catch (...) {
                const std::lock_guard lock(failureMutex);
                if (!failure) failure = std::current_exception();
                next = count;
            }
        }
    };
    std::vector<std::thread> pool;
    try {
        for (unsigned i = 1; i < threads; ++i) pool.emplace_back(run);
    } catch (const std::system_error&) {
        // Fewer threads: the ones running and this one share the work.
    }
    run();
    for (std::thread& thread : pool) thread.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace ko
