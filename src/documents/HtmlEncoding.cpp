#include "documents/HtmlEncoding.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>

namespace tarn {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

struct LabelAlias {
  std::string_view label;
  std::string_view converter;
};

// Labels that browsers read as another encoding than their name says.
constexpr std::array kAliases = {
    LabelAlias{"ascii", "windows-1252"},       LabelAlias{"chinese", "windows-936"},
    LabelAlias{"cp819", "windows-1252"},       LabelAlias{"csgb2312", "windows-936"},
    LabelAlias{"csisolatin1", "windows-1252"}, LabelAlias{"gb2312", "windows-936"},
    LabelAlias{"gb_2312", "windows-936"},      LabelAlias{"gb_2312-80", "windows-936"},
    LabelAlias{"gbk", "windows-936"},          LabelAlias{"iso-8859-1", "windows-1252"},
    LabelAlias{"iso8859-1", "windows-1252"},   LabelAlias{"iso_8859-1", "windows-1252"},
    LabelAlias{"l1", "windows-1252"},          LabelAlias{"latin1", "windows-1252"},
    LabelAlias{"us-ascii", "windows-1252"},    LabelAlias{"utf-16", "UTF-8"},
    LabelAlias{"utf-16be", "UTF-8"},           LabelAlias{"utf-16le", "UTF-8"},
    LabelAlias{"x-gbk", "windows-936"},
};

// The value of the attribute that starts at `at` (after its "="), lower case; `at` moves past it.
std::string AttributeValue(std::string_view text, size_t& at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
  std::string value;
  if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
    const char quote = text[at++];
    while (at < text.size() && text[at] != quote) value += Lower(text[at++]);
    if (at < text.size()) ++at;
  } else {
    while (at < text.size() && !IsSpace(text[at]) && text[at] != '>') value += Lower(text[at++]);
  }
  return value;
}

// The label after "charset" in a Content-Type value, or empty.
std::string CharsetOfContentType(std::string_view content) {
  size_t at = content.find("charset");
  if (at == std::string_view::npos) return "";
  at += 7;
  while (at < content.size() && IsSpace(content[at])) ++at;
  if (at >= content.size() || content[at] != '=') return "";
  ++at;
  while (at < content.size() && IsSpace(content[at])) ++at;
  if (at < content.size() && (content[at] == '"' || content[at] == '\'')) ++at;
  const size_t stop = std::min(content.find_first_of(" \t\n\r\f;\"'", at), content.size());
  return std::string(content.substr(at, stop - at));
}

// The label a <meta> tag whose attributes start at `at` declares, or empty; `at` moves past the
// tag.
std::string MetaLabel(std::string_view text, size_t& at) {
  std::string charset;
  std::string content;
  bool content_type = false;
  while (at < text.size() && text[at] != '>') {
    if (IsSpace(text[at]) || text[at] == '/') {
      ++at;
      continue;
    }
    std::string name;
    while (at < text.size() && !IsSpace(text[at]) && text[at] != '=' && text[at] != '>' &&
           text[at] != '/') {
      name += Lower(text[at++]);
    }
    while (at < text.size() && IsSpace(text[at])) ++at;
    if (at >= text.size() || text[at] != '=') continue;
    ++at;
    std::string value = AttributeValue(text, at);
    if (name == "charset") {
      charset = std::move(value);
    } else if (name == "content") {
      content = std::move(value);
    } else if (name == "http-equiv") {
      content_type = value == "content-type";
    }
  }
  if (!charset.empty()) return charset;
  return content_type ? CharsetOfContentType(content) : "";
}

bool StartsWithFolded(std::string_view text, size_t at, std::string_view word) {
  if (text.size() - at < word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (Lower(text[at + i]) != word[i]) return false;
  }
  return true;
}

}  // namespace

std::string ConverterForLabel(std::string_view label) {
  std::string key;
  for (char c : label) {
    if (!IsSpace(c)) key += Lower(c);
  }
  for (const LabelAlias& alias : kAliases) {
    if (alias.label == key) return std::string(alias.converter);
  }
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(key.c_str(), &status);
  if (U_FAILURE(status)) return "";
  ucnv_close(converter);
  return key;
}

std::optional<DeclaredEncoding> DeclaredHtmlEncoding(std::string_view head) {
  if (head.starts_with("\xEF\xBB\xBF")) return DeclaredEncoding{"UTF-8", 3};
  if (head.starts_with("\xFF\xFE")) return DeclaredEncoding{"UTF-16LE", 2};
  if (head.starts_with("\xFE\xFF")) return DeclaredEncoding{"UTF-16BE", 2};
  head = head.substr(0, std::min(head.size(), kHtmlDeclarationBytes));
  size_t at = 0;
  while ((at = head.find('<', at)) != std::string_view::npos) {
    if (head.substr(at).starts_with("<!--")) {
      at = head.find("-->", at + 4);
      if (at == std::string_view::npos) break;
      continue;
    }
    ++at;
    if (!StartsWithFolded(head, at, "meta") || at + 4 >= head.size() ||
        !(IsSpace(head[at + 4]) || head[at + 4] == '/')) {
      continue;
    }
    at += 4;
    const std::string label = MetaLabel(head, at);
    if (label.empty()) continue;
    std::string converter = ConverterForLabel(label);
    if (converter.empty()) return std::nullopt;
    return DeclaredEncoding{std::move(converter)};
  }
  return std::nullopt;
}

}  // namespace tarn
