#include "documents/HtmlLines.h"

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <array>
#include <string>

namespace tarn {

namespace {

// What an element does to the lines.
enum class Role {
  kInline,     // nothing: its text flows on
  kBlock,      // starts and ends a line of its own
  kBreak,      // ends the line, even an empty one (br)
  kCell,       // a table cell: its text is set apart from the cell before it
  kLeftOut,    // no text of the page (script, style, the head)
  kPreformed,  // a block whose white space and line breaks stay as written (pre)
};

struct ElementRole {
  std::string_view name;
  Role role;
};

// Sorted by name for the binary search.
constexpr std::array kRoles = {
    ElementRole{"address", Role::kBlock},    ElementRole{"article", Role::kBlock},
    ElementRole{"aside", Role::kBlock},      ElementRole{"blockquote", Role::kBlock},
    ElementRole{"body", Role::kBlock},       ElementRole{"br", Role::kBreak},
    ElementRole{"caption", Role::kBlock},    ElementRole{"center", Role::kBlock},
    ElementRole{"dd", Role::kBlock},         ElementRole{"details", Role::kBlock},
    ElementRole{"dialog", Role::kBlock},     ElementRole{"dir", Role::kBlock},
    ElementRole{"div", Role::kBlock},        ElementRole{"dl", Role::kBlock},
    ElementRole{"dt", Role::kBlock},         ElementRole{"fieldset", Role::kBlock},
    ElementRole{"figcaption", Role::kBlock}, ElementRole{"figure", Role::kBlock},
    ElementRole{"footer", Role::kBlock},     ElementRole{"form", Role::kBlock},
    ElementRole{"h1", Role::kBlock},         ElementRole{"h2", Role::kBlock},
    ElementRole{"h3", Role::kBlock},         ElementRole{"h4", Role::kBlock},
    ElementRole{"h5", Role::kBlock},         ElementRole{"h6", Role::kBlock},
    ElementRole{"head", Role::kLeftOut},     ElementRole{"header", Role::kBlock},
    ElementRole{"hgroup", Role::kBlock},     ElementRole{"hr", Role::kBlock},
    ElementRole{"html", Role::kBlock},       ElementRole{"legend", Role::kBlock},
    ElementRole{"li", Role::kBlock},         ElementRole{"listing", Role::kPreformed},
    ElementRole{"main", Role::kBlock},       ElementRole{"menu", Role::kBlock},
    ElementRole{"nav", Role::kBlock},        ElementRole{"ol", Role::kBlock},
    ElementRole{"p", Role::kBlock},          ElementRole{"pre", Role::kPreformed},
    ElementRole{"script", Role::kLeftOut},   ElementRole{"section", Role::kBlock},
    ElementRole{"style", Role::kLeftOut},    ElementRole{"summary", Role::kBlock},
    ElementRole{"table", Role::kBlock},      ElementRole{"tbody", Role::kBlock},
    ElementRole{"td", Role::kCell},          ElementRole{"template", Role::kLeftOut},
    ElementRole{"tfoot", Role::kBlock},      ElementRole{"th", Role::kCell},
    ElementRole{"thead", Role::kBlock},      ElementRole{"title", Role::kLeftOut},
    ElementRole{"tr", Role::kBlock},         ElementRole{"ul", Role::kBlock},
};
static_assert(std::is_sorted(kRoles.begin(), kRoles.end(),
                             [](const ElementRole& a, const ElementRole& b) {
                               return a.name < b.name;
                             }));

Role RoleOf(std::string_view name) {
  name.remove_prefix(std::min(name.rfind('|') + 1, name.size()));
  const auto found = std::lower_bound(
      kRoles.begin(), kRoles.end(), name,
      [](const ElementRole& role, std::string_view key) { return role.name < key; });
  return found != kRoles.end() && found->name == name ? found->role : Role::kInline;
}

// White space as HTML collapses it.
bool IsSpace(char c) {
  return static_cast<unsigned char>(c) <= ' ' &&
         (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f');
}

// U+00A0, the no-break space: shown as a space that never collapses; code page 936 lacks it.
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

void AppendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

bool HtmlLines::Fail(ConversionResult why) {
  if (!failure_) failure_ = why;
  return false;
}

bool HtmlLines::EndBlock() {
  pending_space_ = false;
  after_return_ = false;
  if (!writer_.LineHasText()) return true;
  return writer_.EndLine() || Fail();
}

bool HtmlLines::Start(std::string_view name) {
  if (failure_) return false;
  if (++depth_ > limits_.max_depth) return Fail(ConversionResult::kTooDeep);
  if (skip_depth_ > 0) {
    ++skip_depth_;
    return true;
  }
  pre_opened_ = false;
  switch (RoleOf(name)) {
    case Role::kInline:
      return true;
    case Role::kBlock:
      return EndBlock();
    case Role::kBreak:
      pending_space_ = false;
      return writer_.EndLine() || Fail();
    case Role::kCell:
      pending_space_ = pending_space_ || writer_.LineHasText();
      return true;
    case Role::kLeftOut:
      skip_depth_ = 1;
      return true;
    case Role::kPreformed:
      if (pre_depth_++ == 0) pre_opened_ = true;
      return EndBlock();
  }
  return true;
}

bool HtmlLines::End(std::string_view name) {
  if (failure_) return false;
  if (depth_ > 0) --depth_;
  if (skip_depth_ > 0) {
    --skip_depth_;
    return true;
  }
  switch (RoleOf(name)) {
    case Role::kBlock:
      return EndBlock();
    case Role::kPreformed:
      if (pre_depth_ > 0) --pre_depth_;
      return EndBlock();
    default:
      return true;
  }
}

bool HtmlLines::Characters(std::string_view text) {
  if (failure_) return false;
  if (skip_depth_ > 0 || text.empty()) return true;
  if (!(pre_depth_ > 0 ? Preformatted(text) : Flowing(text))) return Fail();
  writer_.HandOverPiece();
  return true;
}

bool HtmlLines::Flowing(std::string_view text) {
  // The chunk's text collapsed first, so that the line grows once per chunk.
  collapsed_.clear();
  bool has_text = writer_.LineHasText();
  for (size_t i = 0; i < text.size();) {
    if (IsSpace(text[i])) {
      pending_space_ = pending_space_ || has_text;
      ++i;
      continue;
    }
    if (pending_space_) collapsed_ += ' ';
    pending_space_ = false;
    size_t stop = i + 1;
    while (stop < text.size() && !IsSpace(text[stop])) ++stop;
    collapsed_.append(text, i, stop - i);
    has_text = true;
    i = stop;
  }
  // A no-break space is an ordinary one here, and never collapses.
  if (collapsed_.find(kNoBreakSpace) != std::string::npos) {
    size_t kept = 0;
    for (size_t i = 0; i < collapsed_.size(); ++i) {
      if (std::string_view(collapsed_).substr(i).starts_with(kNoBreakSpace)) {
        collapsed_[kept++] = ' ';
        ++i;
      } else {
        collapsed_[kept++] = collapsed_[i];
      }
    }
    collapsed_.resize(kept);
  }
  return writer_.Add(collapsed_);
}

bool HtmlLines::Preformatted(std::string_view text) {
  // The line break right after the opening tag is not shown.
  if (pre_opened_) {
    pre_opened_ = false;
    if (text.starts_with("\r\n")) {
      text.remove_prefix(2);
    } else if (text.starts_with('\n') || text.starts_with('\r')) {
      text.remove_prefix(1);
    }
  }
  while (!text.empty()) {
    if (after_return_ && text.front() == '\n') text.remove_prefix(1);
    after_return_ = false;
    const size_t stop = std::min(text.find_first_of("\r\n"), text.size());
    if (!writer_.Add(text.substr(0, stop))) return false;
    if (stop == text.size()) break;
    if (!writer_.EndLine()) return false;
    after_return_ = text[stop] == '\r';
    text.remove_prefix(stop + 1);
  }
  return true;
}

bool HtmlLines::Entity(std::string_view name) {
  const std::string key(name);
  const htmlEntityDesc* known = htmlEntityLookup(reinterpret_cast<const xmlChar*>(key.c_str()));
  std::string text;
  if (known != nullptr) {
    AppendUtf8(static_cast<char32_t>(known->value), text);
  } else {
    text = "&" + key + ";";
  }
  return Characters(text);
}

bool HtmlLines::Finish() {
  if (failure_) return false;
  depth_ = skip_depth_ = pre_depth_ = 0;
  pre_opened_ = false;
  return EndBlock();
}

}  // namespace tarn
