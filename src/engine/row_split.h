#pragma once

#include <cstdint>
#include <system_error>
#include <thread>

namespace lorvex {

// Runs work(first, last) over the rows [0, count): on machines with a second
// core, large jobs give the upper half of the rows to a second thread. The
// rows must be independent of one another; each row sees exactly the same
// operations either way, so the results do not depend on the split.
template <class Work>
void forRowRanges(std::int32_t count, bool largeJob, const Work& work) {
    if (largeJob && count >= 2 && std::thread::hardware_concurrency() >= 2) {
        const std::int32_t middle = count / 2;
        try {
            std::jthread upper([&work, middle, count] { work(middle, count); });
            work(0, middle);
            return;
        } catch (const std::system_error&) {
            // No thread to be had: everything below runs here.
        }
    }
    work(0, count);
}

}  // namespace lorvex
