#include "wordtable/Hashtable.h"

#include <bit>

#include "text/CodePage936.h"
#include "text/Trim.h"
#include "wordtable/WordIndex.h"

namespace tarn {
namespace {

bool Listed(const THashItem& item) {
  return item.Count != 0 && !IsBlankText(std::u16string_view(item.Key));
}

void AppendDecimal(std::u16string& out, int64_t value) {
  char16_t digits[24];
  int n = 0;
  // Work on the magnitude as unsigned so the most negative count prints correctly too.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    digits[n++] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) out.push_back(u'-');
  while (n > 0) out.push_back(digits[--n]);
}

}  // namespace

THashTable::THashTable(int32_t bucket_count)
    : buckets_(bucket_count < 1 ? 1 : bucket_count, nullptr),
      tails_(buckets_.size(), nullptr),
      index_(std::make_unique<WordIndex>()) {}

THashTable::~THashTable() { Clear(); }

uint32_t THashTable::HashOf(std::u16string_view key) const {
  uint32_t h = 0;
  for (char16_t unit : key) h = std::rotl(h, 2) ^ unit;
  return h;
}

uint32_t THashTable::BucketOf(std::u16string_view key) const {
  return HashOf(key) % static_cast<uint32_t>(buckets_.size());
}

WordNode* THashTable::FindNewest(std::u16string_view key, uint64_t strong_hash) const {
  if (indexed_) return index_->Find(key, strong_hash);
  for (THashItem* item = buckets_[BucketOf(key)]; item != nullptr; item = item->Next) {
    if (item->Key == key) return static_cast<WordNode*>(item);
  }
  return nullptr;
}

WordNode* THashTable::FindNewest(std::u16string_view key) const {
  return FindNewest(key, indexed_ ? WordIndex::HashKey(key) : 0);
}

THashItem** THashTable::FindSlot(std::u16string_view key) {
  const uint32_t bucket = BucketOf(key);
  if (!indexed_) {
    THashItem** link = &buckets_[bucket];
    while (*link != nullptr && (*link)->Key != key) link = &(*link)->Next;
    return link;
  }
  WordNode* node = index_->Find(key, WordIndex::HashKey(key));
  if (node == nullptr)
    node = tails_[bucket];  // the link that ends the chain
  else
    node = node->Prev;
  return node == nullptr ? &buckets_[bucket] : &node->Next;
}

void THashTable::Insert(std::u16string_view key, std::u16string_view value, int64_t count,
                        int32_t mark1, int32_t mark2, uint64_t strong_hash) {
  auto* node = new WordNode;
  node->Key = key;
  node->Value = value;
  node->Count = count;
  node->Mark1 = mark1;
  node->Mark2 = mark2;
  const uint32_t bucket = BucketOf(key);
  node->Next = buckets_[bucket];
  if (node->Next != nullptr) {
    static_cast<WordNode*>(node->Next)->Prev = node;
  } else {
    tails_[bucket] = node;
  }
  buckets_[bucket] = node;
  ++item_count_;
  if (indexed_) index_->Push(node, strong_hash);
}

void THashTable::Release(WordNode* node, uint32_t bucket) {
  if (indexed_) index_->Pop(node);
  if (node->Prev != nullptr) {
    node->Prev->Next = node->Next;
  } else {
    buckets_[bucket] = node->Next;
  }
  if (node->Next != nullptr) {
    static_cast<WordNode*>(node->Next)->Prev = node->Prev;
  } else {
    tails_[bucket] = node->Prev;
  }
  --item_count_;
  delete node;
}

void THashTable::AddPair(std::u16string_view key, std::u16string_view value) {
  Insert(key, value, 0, 0, 0, indexed_ ? WordIndex::HashKey(key) : 0);
}

void THashTable::AddItem(std::u16string_view key, std::u16string_view value, int64_t count,
                         int32_t mark1, int32_t mark2) {
  Insert(key, value, count, mark1, mark2, indexed_ ? WordIndex::HashKey(key) : 0);
}

bool THashTable::AddCount(std::u16string_view key, int64_t n) {
  const uint64_t strong_hash = indexed_ ? WordIndex::HashKey(key) : 0;
  if (WordNode* node = FindNewest(key, strong_hash)) {
    node->Count += n;
    return true;
  }
  Insert(key, {}, n, 1, 1, strong_hash);
  return false;
}

std::u16string THashTable::ListText(int32_t width) const {
  std::u16string text;
  ForEach([&](const THashItem& item) {
    if (!Listed(item)) return;
    text += item.Key;
    const int64_t pad = static_cast<int64_t>(width) - static_cast<int64_t>(item.Key.size());
    if (pad > 0) text.append(static_cast<size_t>(pad), u' ');
    text.push_back(u'\t');
    AppendDecimal(text, item.Count);
    text.push_back(u'\r');
  });
  return text;
}

void THashTable::Clear() {
  for (size_t b = 0; b < buckets_.size(); ++b) {
    for (THashItem* item = buckets_[b]; item != nullptr;) {
      THashItem* next = item->Next;
      delete static_cast<WordNode*>(item);
      item = next;
    }
    buckets_[b] = nullptr;
    tails_[b] = nullptr;
  }
  index_->Clear();
  item_count_ = 0;
  indexed_ = true;
}

void THashTable::ResetCounts() {
  for (THashItem* head : buckets_) {
    for (THashItem* item = head; item != nullptr; item = item->Next) item->Count = 0;
  }
}

void THashTable::Delete(std::u16string_view key) {
  if (WordNode* node = FindNewest(key)) Release(node, BucketOf(key));
}

void THashTable::Remove(std::u16string_view key) { Delete(key); }

void THashTable::GetItem(std::u16string_view key, THashItem& record) const {
  if (const WordNode* node = FindNewest(key)) record = static_cast<const THashItem&>(*node);
}

int32_t THashTable::ItemCount() const { return item_count_; }

std::vector<std::string> THashTable::Keys() const {
  std::vector<std::string> keys;
  keys.reserve(item_count_);
  ForEach([&](const THashItem& item) { keys.push_back(Utf16ToCp936(item.Key)); });
  return keys;
}

bool THashTable::Contains(std::u16string_view key) const { return FindNewest(key) != nullptr; }

int64_t THashTable::TotalCount() const {
  int64_t total = 0;
  ForEach([&](const THashItem& item) {
    if (Listed(item)) total += item.Count;
  });
  return total;
}

void THashTable::Subtract(const THashTable& other) {
  for (const std::string& key : other.Keys()) Remove(Cp936ToUtf16(TrimView(std::string_view(key))));
}

void THashTable::MergePairs(const std::vector<std::string>& lines) {
  for (size_t i = 0; i + 1 < lines.size(); i += 2) {
    const std::u16string variant = Cp936ToUtf16(lines[i]);
    const std::u16string base = Cp936ToUtf16(lines[i + 1]);
    if (variant == base) continue;
    const WordNode* node = FindNewest(variant);
    if (node == nullptr) continue;
    AddCount(base, node->Count);
    Delete(variant);
  }
}

std::unique_ptr<THashTable> THashTable::Clone() const {
  auto copy = std::make_unique<THashTable>(256);
  copy->index_->Reserve(item_count_);
  ForEach([&](const THashItem& item) {
    copy->AddItem(item.Key, item.Value, item.Count, item.Mark1, item.Mark2);
  });
  return copy;
}

}  // namespace tarn
