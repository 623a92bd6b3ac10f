#include "wordtable/NodePool.h"

#include <algorithm>
#include <new>

namespace tarn {
namespace {

// Blocks start small so that the many little tables (stop words, lexicon lists) stay little, and
// double up to a size whose allocation is negligible against filling it.
constexpr size_t kFirstBlock = 16;
constexpr size_t kLargestBlock = size_t{1} << 16;

}  // namespace

NodePool::~NodePool() { Clear(); }

void NodePool::AddBlock(size_t capacity) {
  const size_t bytes = capacity * sizeof(WordNode);
  auto* nodes = static_cast<WordNode*>(::operator new(bytes));
  blocks_.push_back(Block{nodes, capacity, 0});
}

WordNode* NodePool::New() {
  if (free_ != nullptr) {
    WordNode* node = free_;
    free_ = node->Older;
    --free_count_;
    *node = WordNode{};
    in_creation_order_ = false;
    return node;
  }
  if (blocks_.empty() || blocks_.back().used == blocks_.back().capacity) {
    AddBlock(blocks_.empty() ? kFirstBlock : std::min(2 * blocks_.back().capacity, kLargestBlock));
  }
  Block& block = blocks_.back();
  return new (block.nodes + block.used++) WordNode;
}

void NodePool::Free(WordNode* node) {
  // Keep the node constructed, so that Clear destroys every slot of a block alike.
  std::u16string().swap(node->Key);
  node->Value.clear();
  node->Prev = node;
  node->Next = nullptr;
  node->Older = free_;
  free_ = node;
  ++free_count_;
}

void NodePool::Reserve(size_t count) {
  size_t room = free_count_;
  if (!blocks_.empty()) room += blocks_.back().capacity - blocks_.back().used;
  if (room >= count) return;
  // What the current block has left is given up: its pages were never touched.
  AddBlock(std::max(count - free_count_, kFirstBlock));
}

void NodePool::Clear() {
  for (const Block& block : blocks_) {
    for (size_t i = 0; i < block.used; ++i) block.nodes[i].~WordNode();
    ::operator delete(block.nodes);
  }
  blocks_.clear();
  free_ = nullptr;
  free_count_ = 0;
  in_creation_order_ = true;
}

}  // namespace tarn
