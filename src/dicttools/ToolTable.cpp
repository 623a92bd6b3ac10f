#include "dicttools/ToolTable.h"

#include "dicttools/LineFilters.h"
#include "dicttools/LineOrdering.h"
#include "dicttools/LineTransforms.h"
#include "dicttools/TextQueries.h"
#include "dicttools/WordSplit.h"

namespace tarn::dicttools {

namespace {

constexpr DictToolEntry kTools[] = {
    {"RzBitBtn2Click", "extract-length", "提取某个长度的词", ExtractByLength},
    {"RzBitBtn1Click", "delete-prefix", "删除首字符串含某字符串的词", DeleteByPrefix},
    {"RzBitBtn12Click", "extract-suffix", "提取尾字符串为某字符串的词", ExtractBySuffix},
    {"RzBitBtn13Click", "delete-suffix", "删除尾字符含某字符串的词", DeleteBySuffix},
    {"RzBitBtn7Click", "extract-prefix", "提取出首字符串为某字符串的词", ExtractByPrefix},
    {"RzBitBtn8Click", "first-chars", "取词长大于某个值的首字", TakeFirstCharacters},
    {"RzBitBtn11Click", "char-codes", "字串的每一个词的unicode值或ASC值", ListCharacterCodes},
    {"RzBitBtn14Click", "extract-doubled", "提取尾字重复的字符串", ExtractDoubledFinal},
    {"RzBitBtn15Click", "longest", "查询最长的单词长度及单词", FindLongestLine},
    {"RzBitBtn19Click", "sort", "单词排序", SortLines},
    {"RzBitBtn18Click", "dedupe", "删除重复的字符串", RemoveDuplicateLines},
    {"RzBitBtn17Click", "delete-substring", "删除含某个词串的词", DeleteBySubstring},
    {"RzBitBtn3Click", "split-words", "将文本打散为一词一行", SplitIntoWords},
    {"RzBitBtn9Click", "extract-substring", "提取含某个词串的词", ExtractBySubstring},
    {"RzBitBtn10Click", "before-key", "提取某个字符串之前的所有单词", CutBeforeKey},
    {"RzBitBtn16Click", "blank-above", "剔除每行中含有大于某个ASC值的行", BlankAboveCode},
};

}  // namespace

std::span<const DictToolEntry> DictTools() { return kTools; }

const DictToolEntry* FindDictTool(std::string_view name) {
  for (const DictToolEntry& entry : kTools) {
    if (entry.handler == name || entry.alias == name) return &entry;
  }
  return nullptr;
}

}  // namespace tarn::dicttools
