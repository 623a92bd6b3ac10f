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
// From this size on a block is rounded up to whole huge pages. Its last page may be half
// unused, but a block this large is filled in the order it was made, so the faults saved
// outweigh the memory.
constexpr std::size_t kLargeBlock = kHugePage;

}  // namespace

void* operator new(std::size_t size) {
  void* block;
  if (size > SIZE_MAX - kHugePage) throw std::bad_alloc();
  if (size >= kLargeBlock) {
    const std::size_t pages = (size + kHugePage - 1) & ~(kHugePage - 1);
    block = std::aligned_alloc(kHugePage, pages);
    if (block != nullptr) tarn::AdviseHugePages(block, pages);
  } else {
    block = std::malloc(size == 0 ? 1 : size);
  }
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void operator delete(void* block) noexcept { std::free(block); }

void operator delete(void* block, std::size_t) noexcept { std::free(block); }
