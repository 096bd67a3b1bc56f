#include "platform/largearray.h"

#include <sys/mman.h>

#include <cstdint>

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

std::size_t roundedUp(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }

}  // namespace

void* AllocateLargeArray(std::size_t bytes) {
  const std::size_t size = roundedUp(bytes);
  // One huge page more than needed, so that a 2 MiB boundary lies inside; the rest is unmapped.
  void* mapped = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  auto* base = static_cast<char*>(mapped);
  const std::uintptr_t offset = reinterpret_cast<std::uintptr_t>(base) & (kHugePage - 1);
  char* aligned = offset ? base + (kHugePage - offset) : base;
  if (aligned > base) munmap(base, std::size_t(aligned - base));
  const std::size_t tail = std::size_t(base + size + kHugePage - (aligned + size));
  if (tail > 0) munmap(aligned + size, tail);
  // Only a hint: a kernel without transparent huge pages refuses it and gives 4 KiB pages.
  madvise(aligned, size, MADV_HUGEPAGE);
  return aligned;
}

void FreeLargeArray(void* at, std::size_t bytes) noexcept { munmap(at, roundedUp(bytes)); }
