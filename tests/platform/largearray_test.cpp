// The large arrays are mapped on 2 MiB boundaries with the rest of the mapping given back: a wrong
// cut would leave an array short of its end or hand its memory to a neighbour.
#include <gtest/gtest.h>

#include <QtGlobal>
#include <cstdint>

#include "platform/largearray.h"

namespace {

bool holdsFrom(const LargeArray<quint32>& a, quint32 first) {
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != first + quint32(i)) return false;
  return true;
}

TEST(LargeArrayTest, ArraysAroundTheHugePageSizeKeepTheirValues) {
  constexpr std::size_t kWords = kLargeArrayBytes / sizeof(quint32);
  std::vector<LargeArray<quint32>> arrays;
  for (const std::size_t n : {std::size_t(1000), kWords - 1, kWords, kWords + 1, 3 * kWords + 7}) {
    LargeArray<quint32> a(n);
    for (std::size_t i = 0; i < n; ++i) a[i] = quint32(n + i);
    if (n >= kWords) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(a.data()) % kLargeArrayBytes, 0u) << n;
    }
    arrays.push_back(std::move(a));
  }
  // Growing moves an array from the usual allocator into a mapping, then from mapping to mapping.
  LargeArray<quint32> grown;
  for (quint32 i = 0; i < 3 * kWords; ++i) grown.push_back(i);
  EXPECT_TRUE(holdsFrom(grown, 0));
  for (const LargeArray<quint32>& a : arrays) EXPECT_TRUE(holdsFrom(a, quint32(a.size()))) << a.size();
}

}  // namespace
