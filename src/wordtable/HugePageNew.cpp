// The programs' operator new: the C library's allocator, with every large block placed on huge
// page boundaries and advised for huge pages (HugePages.h). The word tables, the listings and a
// corpus's counts are blocks of many megabytes filled once; in 4 KB pages each page costs a fault
// when first written, and under virtualisation filling a fresh block costs far more in faults
// than in work. Doing this where blocks are made covers every large buffer, the standard
// containers' included.
#include <cstdint>
#include <cstdlib>
#include <new>

#include "wordtable/HugePages.h"

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// The size a block of `size` bytes is given: from two huge pages on, whole huge pages, so that
// its last one is a huge page too; that adds less than half to what was asked for, and only
// the pages it touches are backed. A smaller block's last, partly used page stays in small
// pages: rounded up, a block just over one huge page would take up two.
std::size_t RoundedSize(std::size_t size) {
  if (size < 2 * kHugePage) return size;
  return (size + kHugePage - 1) & ~(kHugePage - 1);
}

}  // namespace

void* operator new(std::size_t size) {
  if (size > SIZE_MAX - kHugePage) throw std::bad_alloc();
  void* block = nullptr;
  if (size >= kHugePage) {
    const std::size_t rounded = RoundedSize(size);
    if (posix_memalign(&block, kHugePage, rounded) != 0) block = nullptr;
    if (block != nullptr) tarn::AdviseHugePages(block, rounded);
  } else {
    block = std::malloc(size == 0 ? 1 : size);
  }
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void operator delete(void* block) noexcept { std::free(block); }

void operator delete(void* block, std::size_t) noexcept { std::free(block); }
