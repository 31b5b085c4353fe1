#include "failing_allocation.h"

#include <cstdlib>
#include <new>

namespace lorvex::test::failing_allocation {
namespace {

// The test runs on one thread; these are read on every allocation.
std::size_t countdown = 0;
bool fired = false;

void* allocate(std::size_t size) {
    if (countdown > 0 && --countdown == 0) {
        fired = true;
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}

}  // namespace

void arm(std::size_t n) {
    countdown = n;
    fired = false;
}

bool disarm() {
    countdown = 0;
    return fired;
}

}  // namespace lorvex::test::failing_allocation

void* operator new(std::size_t size) {
    return lorvex::test::failing_allocation::allocate(size);
}

void* operator new[](std::size_t size) {
    return lorvex::test::failing_allocation::allocate(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
