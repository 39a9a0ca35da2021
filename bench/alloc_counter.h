#pragma once

#include <cstdint>

namespace tumblehand::bench {

/// Heap allocations made through operator new since the program started. The bench
/// executable replaces the global operator new to count them.
std::uint64_t allocationCount();

/// Counts the allocations made while it lives.
class AllocationScope {
public:
    AllocationScope() : start_(allocationCount()) {}
    std::uint64_t count() const { return allocationCount() - start_; }

private:
    std::uint64_t start_;
};

}  // namespace tumblehand::bench
