#include "documents/OfficeText.h"

#include <expat.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "documents/LineWriter.h"
#include "documents/ZipEntries.h"

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

// Hands the paragraphs of document.xml or content.xml to a sink as lines, counting what they
// come to against the limits and stopping the parser at the first one passed.
class ParagraphCollector {
 public:
  ParagraphCollector(OfficeFormat format, DocumentSink& sink, const DocumentLimits& limits,
                     XML_Parser parser)
      : docx_(format == OfficeFormat::kDocx),
        limits_(limits),
        writer_(sink, limits),
        parser_(parser) {}

  void Start(std::string_view name, const XML_Char** attributes) {
    if (stopped_) return;
    if (skip_depth_ > 0 || Is(name, kCompatibility, "Fallback")) {
      ++skip_depth_;  // the fallback repeats what its choice already holds
    } else if (docx_ ? Is(name, kWord, "p") : Is(name, kText, "p") || Is(name, kText, "h")) {
      if (paragraph_depth_++ > 0 && writer_.LineHasText()) EndLine();  // a text box's paragraph
    } else if (docx_ && Is(name, kWord, "t")) {
      ++text_depth_;
    } else if (docx_ && Is(name, kWord, "tabs")) {
      ++tab_stops_depth_;
    } else if (docx_ ? Is(name, kWord, "tab") && tab_stops_depth_ == 0 : Is(name, kText, "tab")) {
      Check(writer_.Add("\t"));
    } else if (docx_ ? Is(name, kWord, "br") || Is(name, kWord, "cr")
                     : Is(name, kText, "line-break")) {
      EndLine();
    } else if (!docx_ && Is(name, kText, "s")) {
      AddSpaces(Spaces(attributes));
    }
  }

  void End(std::string_view name) {
    if (stopped_) return;
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
    if (stopped_ || skip_depth_ > 0 || (docx_ ? text_depth_ == 0 : paragraph_depth_ == 0)) return;
    // Line breaks in the XML are white space within the paragraph.
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\r' && text[i] != '\n') continue;
      if (!Check(writer_.Add(text.substr(start, i - start))) || !Check(writer_.Add(" "))) return;
      start = i + 1;
    }
    if (Check(writer_.Add(text.substr(start)))) HandOverPiece();
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

  // Stops the parser once a cap is passed; nothing more reaches the sink.
  bool Check(bool within_caps) {
    if (!within_caps && !stopped_) {
      stopped_ = true;
      XML_StopParser(parser_, XML_FALSE);
    }
    return within_caps;
  }

  void AddSpaces(size_t count) {
    spaces_ += count;
    if (Check(spaces_ <= limits_.max_spaces && writer_.AddSpaces(count))) HandOverPiece();
  }

  void EndLine() { Check(writer_.EndLine()); }

  // Text outside every paragraph may never end a line, and then it is no part of the
  // document's text: only a paragraph's long line is handed over before its end.
  void HandOverPiece() {
    if (paragraph_depth_ > 0) writer_.HandOverPiece();
  }

  const bool docx_;
  const DocumentLimits& limits_;
  LineWriter writer_;
  XML_Parser parser_;
  int paragraph_depth_ = 0;
  int text_depth_ = 0;
  int tab_stops_depth_ = 0;
  int skip_depth_ = 0;
  size_t spaces_ = 0;
  bool stopped_ = false;
};

}  // namespace

ConversionResult ReadOfficeText(const std::string& path, OfficeFormat format, DocumentSink& sink,
                                const DocumentLimits& limits) {
  ConversionResult failure = ConversionResult::kDone;
  const ZipArchive archive = OpenZip(path, failure);
  if (!archive) return failure;
  const zip_int64_t entry = zip_name_locate(
      archive.get(), format == OfficeFormat::kDocx ? "word/document.xml" : "content.xml", 0);
  if (entry < 0) return ZipFailure(zip_error_code_zip(zip_get_error(archive.get())));

  const XmlParser parser(XML_ParserCreateNS(nullptr, '|'));
  ParagraphCollector collector(format, sink, limits, parser.get());
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
  size_t xml_bytes = 0;
  return ParseZipEntry(archive.get(), static_cast<zip_uint64_t>(entry), parser.get(), xml_bytes,
                       limits.max_xml_bytes);
}

}  // namespace tarn
