// The programs' operator new, linked into this test as into the programs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <string>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// The VmFlags line of the mapping of this process that holds `address`, or "" when none does.
std::string FlagsOfMappingAt(const void* address) {
  const auto at = reinterpret_cast<uintptr_t>(address);
  std::ifstream smaps("/proc/self/smaps");
  bool inside = false;
  for (std::string line; std::getline(smaps, line);) {
    uintptr_t start = 0;
    uintptr_t end = 0;
    char dash = 0;
    std::istringstream range(line);
    if (range >> std::hex >> start >> dash >> end && dash == '-' &&
        line.find(':') > line.find(' ')) {
      inside = start <= at && at < end;
    } else if (inside && line.rfind("VmFlags:", 0) == 0) {
      return line;
    }
  }
  return "";
}

TEST(HugePageNewTest, LargeBlocksLieOnWholeAdvisedHugePages) {
  for (const std::size_t size : {kHugePage, kHugePage + 1, 5 * kHugePage + 3}) {
    SCOPED_TRACE(size);
    auto* block = static_cast<unsigned char*>(::operator new(size));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % kHugePage, 0u);
    // The whole of the size asked for is there to be written.
    std::memset(block, 0x5a, size);
    EXPECT_EQ(block[size - 1], 0x5a);
    if (std::filesystem::exists("/sys/kernel/mm/transparent_hugepage")) {
      EXPECT_NE(FlagsOfMappingAt(block).find(" hg"), std::string::npos);
      // From two huge pages on, the advice covers the block's last huge page too, however
      // little of it was asked for.
      if (size >= 2 * kHugePage) {
        EXPECT_NE(FlagsOfMappingAt(block + size - 1).find(" hg"), std::string::npos);
      }
    }
    ::operator delete(block);
  }
}

TEST(HugePageNewTest, SmallBlocksAreOrdinaryAndDistinct) {
  void* empty = ::operator new(0);
  void* other = ::operator new(0);
  EXPECT_NE(empty, nullptr);
  EXPECT_NE(empty, other);
  auto* small = static_cast<char*>(::operator new(kHugePage - 1));
  EXPECT_EQ(reinterpret_cast<uintptr_t>(small) % alignof(std::max_align_t), 0u);
  small[kHugePage - 2] = 1;
  ::operator delete(small, kHugePage - 1);
  ::operator delete(other);
  ::operator delete(empty);
}

TEST(HugePageNewTest, ASizeThatCannotBeRoundedUpIsRefused) {
  // Rounding these up to whole huge pages would wrap around to a tiny block.
  for (const std::size_t size : {SIZE_MAX, SIZE_MAX - kHugePage + 2}) {
    EXPECT_THROW(static_cast<void>(::operator new(size)), std::bad_alloc) << size;
  }
}

}  // namespace
