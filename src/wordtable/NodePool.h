#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "wordtable/WordIndex.h"

namespace tarn {

// The storage of one table's items: nodes are carved out of large blocks in the order they are
// asked for, so that building, copying and releasing a big table touches memory in sequence and
// costs a handful of allocations instead of one per item. Deleted nodes wait on a free list.
class NodePool {
 public:
  NodePool() = default;
  ~NodePool();
  NodePool(const NodePool&) = delete;
  NodePool& operator=(const NodePool&) = delete;

  // A node with empty strings and zero fields.
  WordNode* New();
  // Takes back a live node from this pool: its strings are released and the node is reused by a
  // later New.
  void Free(WordNode* node);
  // Makes room for `count` more nodes without allocating on the way.
  void Reserve(size_t count);
  // Destroys every node and releases the blocks.
  void Clear();

  // Whether every live node stands in creation order, i.e. no freed node has been handed out
  // again since the last Clear.
  bool InCreationOrder() const { return in_creation_order_; }

  // Calls `visit(WordNode*)` for every live node in storage order.
  template <typename Visit>
  void ForEachLive(Visit&& visit) const {
    for (const Block& block : blocks_) {
      for (WordNode* node = block.nodes; node != block.nodes + block.used; ++node) {
        if (!IsFree(node)) visit(node);
      }
    }
  }

 private:
  struct Block {
    WordNode* nodes;
    size_t capacity;
    size_t used;
  };

  // A freed node points back at itself, which no live node does.
  static bool IsFree(const WordNode* node) { return node->Prev == node; }
  void AddBlock(size_t capacity);

  std::vector<Block> blocks_;
  WordNode* free_ = nullptr;  // linked through Older
  size_t free_count_ = 0;
  bool in_creation_order_ = true;
};

}  // namespace tarn
