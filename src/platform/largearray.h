#pragma once
// The long arrays a form fills once as it opens (a million bill numbers and their rowids). Every
// fresh 4 KiB page costs a fault on its first write, and on a busy or virtual machine the faults
// of a few megabytes cost more than filling them; arrays of 2 MiB and more are therefore mapped
// on 2 MiB boundaries and offered to the kernel for huge pages (madvise), one fault for each
// 2 MiB where it takes them. Smaller arrays come from the usual allocator. Nothing but speed
// depends on it: where the kernel has no huge pages the memory is the usual one.
#include <cstddef>
#include <limits>
#include <new>
#include <vector>

constexpr std::size_t kLargeArrayBytes = std::size_t(2) << 20;

// `bytes` (at least kLargeArrayBytes) of zeroed memory aligned to 2 MiB; raises std::bad_alloc.
void* AllocateLargeArray(std::size_t bytes);
// Gives back what AllocateLargeArray(bytes) gave.
void FreeLargeArray(void* at, std::size_t bytes) noexcept;

template <class T>
struct LargeArrayAllocator {
  using value_type = T;
  LargeArrayAllocator() = default;
  template <class U>
  LargeArrayAllocator(const LargeArrayAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    if (n > std::numeric_limits<std::size_t>::max() / sizeof(T)) throw std::bad_array_new_length();
    const std::size_t bytes = n * sizeof(T);
    if (bytes >= kLargeArrayBytes) return static_cast<T*>(AllocateLargeArray(bytes));
    return std::allocator<T>().allocate(n);
  }
  void deallocate(T* at, std::size_t n) noexcept {
    if (n * sizeof(T) >= kLargeArrayBytes)
      FreeLargeArray(at, n * sizeof(T));
    else
      std::allocator<T>().deallocate(at, n);
  }
  friend bool operator==(const LargeArrayAllocator&, const LargeArrayAllocator&) { return true; }
};

template <class T>
using LargeArray = std::vector<T, LargeArrayAllocator<T>>;
