#include "wordlists/OfficeText.h"

#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "text/Lines.h"
#include "text/Utf8.h"

namespace tarn {

namespace {

// Element names as expat reports them with namespaces on: the namespace, "|", the local name.
constexpr std::string_view kWord = "http://schemas.openxmlformats.org/wordprocessingml/2006/main|";
constexpr std::string_view kCompatibility =
    "http://schemas.openxmlformats.org/markup-compatibility/2006|";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0|";

// More spaces than a text:s element may stand for; real documents use a handful.
constexpr long kMaxSpaces = 1024;

bool Is(std::string_view name, std::string_view space, std::string_view local) {
  return name.size() == space.size() + local.size() && name.starts_with(space) &&
         name.ends_with(local);
}

// Collects the paragraphs of document.xml or content.xml as UTF-8 lines.
class ParagraphCollector {
 public:
  explicit ParagraphCollector(OfficeFormat format) : docx_(format == OfficeFormat::kDocx) {}

  void Start(std::string_view name, const XML_Char** attributes) {
    if (skip_depth_ > 0 || Is(name, kCompatibility, "Fallback")) {
      ++skip_depth_;  // the fallback repeats what its choice already holds
    } else if (docx_ ? Is(name, kWord, "p") : Is(name, kText, "p") || Is(name, kText, "h")) {
      if (paragraph_depth_++ > 0 && !line_.empty()) EndLine();  // a paragraph inside a text box
    } else if (docx_ && Is(name, kWord, "t")) {
      ++text_depth_;
    } else if (docx_ && Is(name, kWord, "tabs")) {
      ++tab_stops_depth_;
    } else if (docx_ ? Is(name, kWord, "tab") && tab_stops_depth_ == 0 : Is(name, kText, "tab")) {
      line_ += '\t';
    } else if (docx_ ? Is(name, kWord, "br") || Is(name, kWord, "cr")
                     : Is(name, kText, "line-break")) {
      EndLine();
    } else if (!docx_ && Is(name, kText, "s")) {
      line_.append(Spaces(attributes), ' ');
    }
  }

  void End(std::string_view name) {
    if (skip_depth_ > 0) {
      --skip_depth_;
    } else if (docx_ ? Is(name, kWord, "p") : Is(name, kText, "p") || Is(name, kText, "h")) {
      --paragraph_depth_;
      EndLine();
    } else if (docx_ && Is(name, kWord, "t")) {
      --text_depth_;
    } else if (docx_ && Is(name, kWord, "tabs")) {
      --tab_stops_depth_;
    }
  }

  void Characters(std::string_view text) {
    if (skip_depth_ > 0 || (docx_ ? text_depth_ == 0 : paragraph_depth_ == 0)) return;
    const size_t from = line_.size();
    line_ += text;
    // Line breaks in the XML are white space within the paragraph.
    std::replace_if(
        line_.begin() + static_cast<std::ptrdiff_t>(from), line_.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
  }

  // The lines in code page 936.
  std::vector<std::string> Lines() const {
    return SplitLines(std::string_view(Utf8ToCp936(text_)));
  }

 private:
  static size_t Spaces(const XML_Char** attributes) {
    for (size_t i = 0; attributes[i] != nullptr; i += 2) {
      if (Is(attributes[i], kText, "c")) {
        const long count = std::strtol(attributes[i + 1], nullptr, 10);
        return static_cast<size_t>(std::clamp(count, 0L, kMaxSpaces));
      }
    }
    return 1;
  }

  void EndLine() {
    text_ += line_;
    text_ += '\n';
    line_.clear();
  }

  const bool docx_;
  int paragraph_depth_ = 0;
  int text_depth_ = 0;
  int tab_stops_depth_ = 0;
  int skip_depth_ = 0;
  std::string line_;
  std::string text_;  // the finished lines, each followed by LF
};

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ParserFreer {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

// Parses the entry `name` of `archive` into `collector`; false when it is missing, damaged, not
// well-formed XML or larger than `max_bytes`.
bool ParseEntry(zip_t* archive, const char* name, size_t max_bytes, ParagraphCollector& collector) {
  zip_file_t* entry = zip_fopen(archive, name, 0);
  if (entry == nullptr) return false;
  const std::unique_ptr<XML_ParserStruct, ParserFreer> parser(XML_ParserCreateNS(nullptr, '|'));
  XML_SetUserData(parser.get(), &collector);
  XML_SetElementHandler(
      parser.get(),
      [](void* data, const XML_Char* name, const XML_Char** attributes) {
        static_cast<ParagraphCollector*>(data)->Start(name, attributes);
      },
      [](void* data, const XML_Char* name) { static_cast<ParagraphCollector*>(data)->End(name); });
  XML_SetCharacterDataHandler(parser.get(), [](void* data, const XML_Char* text, int length) {
    static_cast<ParagraphCollector*>(data)->Characters(
        std::string_view(text, static_cast<size_t>(length)));
  });
  bool good = true;
  size_t total = 0;
  char buffer[65536];
  while (good) {
    const zip_int64_t got = zip_fread(entry, buffer, sizeof buffer);
    if (got < 0) {
      good = false;
      break;
    }
    total += static_cast<size_t>(got);
    good = total <= max_bytes &&
           XML_Parse(parser.get(), buffer, static_cast<int>(got), got == 0) == XML_STATUS_OK;
    if (got == 0) break;
  }
  // Closing checks the entry's checksum.
  return zip_fclose(entry) == 0 && good;
}

}  // namespace

std::optional<std::vector<std::string>> ReadOfficeText(const std::string& path, OfficeFormat format,
                                                       size_t max_xml_bytes) {
  int error = 0;
  const std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open(path.c_str(), ZIP_RDONLY, &error));
  if (!archive) return std::nullopt;
  ParagraphCollector collector(format);
  const char* entry = format == OfficeFormat::kDocx ? "word/document.xml" : "content.xml";
  if (!ParseEntry(archive.get(), entry, max_xml_bytes, collector)) return std::nullopt;
  return collector.Lines();
}

}  // namespace tarn
