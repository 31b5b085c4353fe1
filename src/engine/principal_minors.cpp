#include "engine/principal_minors.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "engine/tolerances.h"

namespace lorvex::principal_minors {

using gauss_jordan::Block;

Binomials::Binomials(std::int32_t order)
    : size_(static_cast<std::size_t>(order) + 1), values_(size_ * size_, 0) {
    for (std::size_t n = 0; n < size_; ++n) {
        values_[n * size_] = 1;
        for (std::size_t k = 1; k <= n; ++k)
            values_[n * size_ + k] =
                values_[(n - 1) * size_ + k - 1] + (k < n ? values_[(n - 1) * size_ + k] : 0);
    }
}

namespace {

// Thrown inside the second thread when the first one gives up.
struct Abandoned {};

}  // namespace

// One thread's walk through index sets. The calling thread's walker polls the
// stop check after every minor and reports the progress of both; the second
// thread's only publishes its counts and gives up when asked to.
template <class T>
class PrincipalMinors<T>::Walker {
  public:
    Walker(PrincipalMinors& minors, Shared* shared, bool polls)
        : m_(minors),
          n_(minors.n_),
          shared_(shared),
          polls_(polls),
          publishes_(!polls && minors.stop_.wantsProgress()),
          tables_(static_cast<std::size_t>(std::max(minors.last_ - 1, 0))) {
        for (auto& table : tables_)
            table.resize(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_));
    }

    // The sets of `size` + 1 indices that add one index x in [first, end) to
    // a set whose elimination left `table` (valid after the set's largest
    // index), the product of its pivots `product` and the colex rank `rank`,
    // and their extensions.
    void extend(std::int32_t size, const T* table, T product, std::uint64_t rank,
                std::int32_t first, std::int32_t end) {
        for (std::int32_t x = first; x < end; ++x) {
            const T pivot = table[at(x, x)];
            const std::uint64_t rankX = rank + m_.binomials_(x, size + 1);
            const bool regular = gauss_jordan::sizeOf(pivot) > kZeroTolerance;
            const T productX = product * pivot;
            record(size + 1, rankX, x, regular ? productX : T{});
            if (x + 1 == n_ || size + 1 == m_.last_) continue;
            if (!regular) {
                std::vector<std::int32_t> indices{x};
                resumeEach(size + 1, table, product, rankX, indices);
                continue;
            }
            T* next = tables_[static_cast<std::size_t>(size)].data();
            eliminate(table, next, x, pivot);
            extend(size + 1, next, productX, rankX, x + 1, n_);
        }
    }

    // The pivot step of column x: each later row less the pivot row scaled
    // by the pivot's inverse, times the row's element in x. The scaled pivot
    // row is formed again for each row instead of being stored: a long double
    // read back just after it is stored waits for the store to complete.
    void eliminate(const T* table, T* next, std::int32_t x, T pivot) const {
        const T inverse = gauss_jordan::quotient(T{1}, pivot);
        const T* source = table + at(x, 0);
        for (std::int32_t i = x + 1; i < n_; ++i) {
            const T* row = table + at(i, 0);
            T* reduced = next + at(i, 0);
            const T factor = row[x];
            for (std::int32_t j = x + 1; j < n_; ++j)
                reduced[j] = row[j] - (source[j] * inverse) * factor;
        }
    }

    // The extensions of a set whose next pivot column, indices.front(), has
    // a zero on the diagonal: each minor's trailing block is taken from
    // `table` and reduced on its own from the product of the set's pivots.
    // `indices` holds the trailing indices of the minor last recorded.
    void resumeEach(std::int32_t size, const T* table, T product, std::uint64_t rank,
                    std::vector<std::int32_t>& indices) {
        if (size == m_.last_) return;
        for (std::int32_t y = indices.back() + 1; y < n_; ++y) {
            indices.push_back(y);
            const auto k = static_cast<std::int32_t>(indices.size());
            const std::uint64_t rankY = rank + m_.binomials_(y, size + 1);
            Block<T> block{k, k, std::vector<T>(static_cast<std::size_t>(k) * k)};
            for (std::int32_t i = 0; i < k; ++i) {
                for (std::int32_t j = 0; j < k; ++j)
                    block.at(i, j) = table[at(indices[static_cast<std::size_t>(i)],
                                              indices[static_cast<std::size_t>(j)])];
            }
            T value = product;
            record(size + 1, rankY, y, gauss_jordan::resumeDeterminant(block, value) ? value : T{});
            resumeEach(size + 1, table, product, rankY, indices);
            indices.pop_back();
        }
    }

    // A minor of the group is kept and counted; one of a smaller order,
    // visited again on the way to the group, only counts in the work done.
    void record(std::int32_t k, std::uint64_t rank, std::int32_t last, T value) {
        if (k >= 2) work += minorWork(n_, last);
        Kept& kept = m_.determinants_[static_cast<std::size_t>(k)];
        const bool keep = k >= m_.first_ && rank >= m_.from_ && rank - m_.from_ < kept.count;
        if (keep) {
            kept.values[rank - m_.from_] = value;
            ++done;
        }
        afterMinor(keep);
    }

    // The stop poll and progress report after each minor, or in the second
    // thread the publication of its counts and the test of a request to give up.
    void afterMinor(bool kept) {
        if (polls_) {
            if (kept && m_.stop_.wantsProgress()) report();
            m_.stop_.poll();
            return;
        }
        if (publishes_ && kept) {
            shared_->done.store(done, std::memory_order_relaxed);
            shared_->work.store(work, std::memory_order_relaxed);
        }
        if (shared_->abandon.load(std::memory_order_relaxed)) throw Abandoned{};
    }

    // The minors done by both threads, and their share of the work.
    void report() const {
        std::uint64_t allDone = done;
        double allWork = work;
        if (shared_ != nullptr) {
            allDone += shared_->done.load(std::memory_order_relaxed);
            allWork += shared_->work.load(std::memory_order_relaxed);
        }
        m_.stop_.report({allDone, m_.total_, allWork / m_.totalWork_});
    }

    std::uint64_t done = 0;
    double work = 0;

  private:
    std::size_t at(std::int32_t row, std::int32_t col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(n_) +
               static_cast<std::size_t>(col);
    }

    PrincipalMinors& m_;
    std::int32_t n_;
    Shared* shared_;
    bool polls_;
    bool publishes_;
    // The table left by the pivot step of each set size.
    std::vector<std::vector<T>> tables_;
};

template <class T>
PrincipalMinors<T>::PrincipalMinors(const Block<T>& a, const StopCheck& stop)
    : n_(a.rows),
      a_(a),
      stop_(stop),
      binomials_(n_),
      determinants_(static_cast<std::size_t>(n_) + 1),
      total_(principalMinorCount(n_)),
      totalWork_(characteristicPolynomialWork(n_)) {}

template <class T>
void PrincipalMinors<T>::computeOrders(std::int32_t first, std::int32_t last, std::uint64_t from,
                                       std::uint64_t count) {
    for (std::int32_t k = 2; k <= n_; ++k) {
        Kept& kept = determinants_[static_cast<std::size_t>(k)];
        kept = Kept{};
        if (k < first || k > last) continue;
        const std::uint64_t size = std::min(count, binomials_(n_, k) - from);
        if (size > std::vector<T>().max_size()) throw std::bad_alloc();
        // Every slot is written by its minor before it is read.
        kept.values = std::make_unique_for_overwrite<T[]>(static_cast<std::size_t>(size));
        kept.count = static_cast<std::size_t>(size);
    }
    first_ = first;
    last_ = last;
    from_ = from;
    Shared shared;
    const bool threaded = n_ >= kThreadedOrder && std::thread::hardware_concurrency() >= 2;
    Walker walker(*this, threaded ? &shared : nullptr, true);
    walker.done = done_;
    walker.work = work_;
    if (threaded) {
        computeShared(walker, shared);
    } else {
        walker.extend(0, a_.cells.data(), T{1}, 0, 0, n_);
    }
    done_ = walker.done + shared.done;
    work_ = walker.work + shared.work;
}

// The sets of one index are visited here, leaving their tables; the
// subtrees of the sets of two indices (or, after a zero pivot, all the
// extensions of a set of one) are then shared between the two threads.
template <class T>
void PrincipalMinors<T>::computeShared(Walker& walker, Shared& shared) {
    struct Subtree {
        std::int32_t x;
        std::int32_t y;  // -1: the extensions of {x}, whose pivot is zero
        std::int32_t largestFirst() const { return y < 0 ? x : y; }
    };
    const T* root = a_.cells.data();
    std::vector<std::vector<T>> tables(static_cast<std::size_t>(n_));
    std::vector<T> products(static_cast<std::size_t>(n_));
    std::vector<Subtree> subtrees;
    for (std::int32_t x = 0; x < n_; ++x) {
        const T pivot = root[static_cast<std::size_t>(x) * n_ + x];
        const bool regular = gauss_jordan::sizeOf(pivot) > kZeroTolerance;
        const T product = T{1} * pivot;
        walker.record(1, static_cast<std::uint64_t>(x), x, regular ? product : T{});
        if (x + 1 == n_ || last_ == 1) continue;
        if (!regular) {
            subtrees.push_back({x, -1});
            continue;
        }
        auto& table = tables[static_cast<std::size_t>(x)];
        table.resize(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_));
        walker.eliminate(root, table.data(), x, pivot);
        products[static_cast<std::size_t>(x)] = product;
        for (std::int32_t y = x + 1; y < n_; ++y)
            subtrees.push_back({x, y});
    }
    std::stable_sort(subtrees.begin(), subtrees.end(), [](const Subtree& a, const Subtree& b) {
        return a.largestFirst() < b.largestFirst();
    });

    // The calling thread takes the largest subtree left, the second thread
    // the smallest: whenever the second thread is held up, what it holds is
    // small, and the calling thread, which waits for it, goes on meanwhile.
    std::mutex taking;
    std::size_t front = 0;
    std::size_t back = subtrees.size();
    const auto walk = [&](Walker& w, bool largest) {
        for (;;) {
            Subtree s{};
            {
                const std::lock_guard lock(taking);
                if (front == back) return;
                s = largest ? subtrees[front++] : subtrees[--back];
            }
            const auto rank = static_cast<std::uint64_t>(s.x);
            if (s.y < 0) {
                std::vector<std::int32_t> indices{s.x};
                w.resumeEach(1, root, T{1}, rank, indices);
            } else {
                const auto at = static_cast<std::size_t>(s.x);
                w.extend(1, tables[at].data(), products[at], rank, s.y, s.y + 1);
            }
        }
    };

    Walker second(*this, &shared, false);
    std::mutex mutex;
    std::condition_variable finished;
    // Declared last, so that leaving by an exception stops and joins the
    // second thread before anything it uses goes away.
    struct Joined {
        Shared& shared;
        std::jthread thread;
        ~Joined() {
            shared.abandon = true;
            if (thread.joinable()) thread.join();
        }
    } joined{shared, {}};
    try {
        joined.thread = std::jthread([&] {
            try {
                walk(second, false);
            } catch (const Abandoned&) {
                // The first thread gave up and keeps nothing.
            } catch (...) {
                shared.failure = std::current_exception();
            }
            shared.done.store(second.done);
            shared.work.store(second.work);
            const std::lock_guard lock(mutex);
            shared.finished = true;
            finished.notify_one();
        });
    } catch (const std::system_error&) {
        // No thread to be had: everything runs here.
        shared.finished = true;
    }
    walk(walker, true);
    // The other thread's last subtree is one of the smallest; the stop check
    // is still polled while it ends, and at least once after the sharing
    // began: a busy machine may let the other thread take every subtree.
    for (std::unique_lock lock(mutex);;) {
        const bool ended = shared.finished;
        lock.unlock();
        if (stop_.wantsProgress()) walker.report();
        stop_.poll();
        if (ended) break;
        lock.lock();
        finished.wait_for(lock, std::chrono::microseconds(200));
    }
    if (joined.thread.joinable()) joined.thread.join();
    if (shared.failure) std::rethrow_exception(shared.failure);
    if (stop_.wantsProgress()) walker.report();
}

template class PrincipalMinors<long double>;
template class PrincipalMinors<Complex>;

}  // namespace lorvex::principal_minors
