#include "wordtable/ExchangeOrder.h"

#include "wordtable/PositionSet.h"

namespace tarn {

// Why this equals the exchange sort. The pass for p carries a value rightwards and swaps it with
// every later value that beats it, so the values of one rank r only ever interact with the set B of
// positions holding better ranks. That set evolves on its own: each pass pulls its first member
// after p forward to p. While B is not yet exhausted, a pass moves the value of rank r that stands
// first (at or after p) onto B's first position after p, provided it stands before it. Once such a
// value has moved, every later pass moves one again, so with O the rank's original positions and L
// the better positions after O's first, the first |L| elements of merge(O, L) each cause one move:
// an element of O enters a queue of moved values, an element of L sends the queue's front to its
// back. When B is exhausted the rank's values leave in position order: the queue's members sit on
// the last positions of L, the unmoved ones where they started.
std::vector<int32_t> ExchangeSortOrder(std::span<const uint32_t> ranks, uint32_t rank_count) {
  const int32_t n = static_cast<int32_t>(ranks.size());
  std::vector<int32_t> first(rank_count + 1, 0);
  for (uint32_t rank : ranks) ++first[rank + 1];
  for (uint32_t r = 0; r < rank_count; ++r) first[r + 1] += first[r];
  std::vector<int32_t> by_rank(n);
  {
    std::vector<int32_t> fill(first.begin(), first.end() - 1);
    for (int32_t i = 0; i < n; ++i) by_rank[fill[ranks[i]]++] = i;
  }

  PositionSet better(n);
  std::vector<int32_t> order;
  order.reserve(n);
  std::vector<int32_t> queue;
  for (uint32_t r = 0; r < rank_count; ++r) {
    const std::span<const int32_t> own(by_rank.data() + first[r], first[r + 1] - first[r]);
    if (own.empty()) continue;
    const int32_t total = better.Size();
    const int32_t before_first = better.CountBelow(own[0]);
    const int32_t moves = total - before_first;
    if (moves == 0) {
      order.insert(order.end(), own.begin(), own.end());
    } else {
      // A ring buffer of capacity |own|: a rotation moves the front to the back.
      const int32_t capacity = static_cast<int32_t>(own.size());
      queue.resize(capacity);
      int32_t head = 0;
      int32_t size = 0;
      auto rotate = [&](int32_t steps) {
        if (size == 0) return;
        for (steps %= size; steps > 0; --steps) {
          int32_t tail = head + size;
          if (tail >= capacity) tail -= capacity;
          queue[tail] = queue[head];
          if (++head == capacity) head = 0;
        }
      };
      int32_t pulled = 0;
      int32_t passed = 0;
      for (; pulled < capacity; ++pulled) {
        const int32_t before = better.CountBelow(own[pulled]) - before_first;
        if (pulled + before >= moves) break;
        rotate(before - passed);
        passed = before;
        int32_t tail = head + size;
        if (tail >= capacity) tail -= capacity;
        queue[tail] = own[pulled];
        ++size;
      }
      rotate(moves - pulled - passed);
      // Merge the queue, standing on the `pulled` last better positions, with the unmoved rest.
      int32_t rest = pulled;
      for (int32_t j = 0; j < pulled; ++j) {
        const int32_t spot = better.Select(total - pulled + j);
        while (rest < capacity && own[rest] < spot) order.push_back(own[rest++]);
        int32_t at = head + j;
        if (at >= capacity) at -= capacity;
        order.push_back(queue[at]);
      }
      order.insert(order.end(), own.begin() + rest, own.end());
    }
    for (int32_t position : own) better.Insert(position);
  }
  return order;
}

}  // namespace tarn
