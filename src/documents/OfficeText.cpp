#include "documents/OfficeText.h"

#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

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

// A paragraph longer than this reaches the sink in pieces of about this size.
constexpr size_t kPieceBytes = size_t{64} << 10;

bool Is(std::string_view name, std::string_view space, std::string_view local) {
  return name.size() == space.size() + local.size() && name.starts_with(space) &&
         name.ends_with(local);
}

// Hands the paragraphs of document.xml or content.xml to a sink as lines, counting what they
// come to against the limits and stopping the parser at the first one passed.
class ParagraphCollector {
 public:
  ParagraphCollector(OfficeFormat format, DocumentSink& sink, const OfficeLimits& limits,
                     XML_Parser parser)
      : docx_(format == OfficeFormat::kDocx), sink_(sink), limits_(limits), parser_(parser) {}

  void Start(std::string_view name, const XML_Char** attributes) {
    if (failure_) return;
    if (skip_depth_ > 0 || Is(name, kCompatibility, "Fallback")) {
      ++skip_depth_;  // the fallback repeats what its choice already holds
    } else if (docx_ ? Is(name, kWord, "p") : Is(name, kText, "p") || Is(name, kText, "h")) {
      if (paragraph_depth_++ > 0 && line_has_text_) EndLine();  // a paragraph inside a text box
    } else if (docx_ && Is(name, kWord, "t")) {
      ++text_depth_;
    } else if (docx_ && Is(name, kWord, "tabs")) {
      ++tab_stops_depth_;
    } else if (docx_ ? Is(name, kWord, "tab") && tab_stops_depth_ == 0 : Is(name, kText, "tab")) {
      Add("\t");
    } else if (docx_ ? Is(name, kWord, "br") || Is(name, kWord, "cr")
                     : Is(name, kText, "line-break")) {
      EndLine();
    } else if (!docx_ && Is(name, kText, "s")) {
      AddSpaces(Spaces(attributes));
    }
  }

  void End(std::string_view name) {
    if (failure_) return;
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
    if (failure_ || skip_depth_ > 0 || (docx_ ? text_depth_ == 0 : paragraph_depth_ == 0)) return;
    const size_t from = line_.size();
    Add(text);
    if (failure_) return;
    // Line breaks in the XML are white space within the paragraph.
    std::replace_if(
        line_.begin() + static_cast<std::ptrdiff_t>(from), line_.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    HandOverPiece();
  }

  // The cap that stopped the parser, if one did.
  std::optional<ConversionResult> Failure() const { return failure_; }

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

  // Stops the parser; nothing more reaches the sink.
  void Fail() {
    failure_ = ConversionResult::kTooLarge;
    XML_StopParser(parser_, XML_FALSE);
  }

  // Whether the text grows by `bytes` within its cap; stops the parser otherwise.
  bool Grow(size_t bytes) {
    text_bytes_ += bytes;
    if (text_bytes_ > limits_.max_text_bytes) Fail();
    return !failure_;
  }

  void Add(std::string_view text) {
    if (text.empty() || !Grow(text.size())) return;
    line_ += text;
    line_has_text_ = true;
  }

  void AddSpaces(size_t count) {
    spaces_ += count;
    if (spaces_ > limits_.max_spaces) return Fail();
    if (count == 0 || !Grow(count)) return;
    line_.append(count, ' ');
    line_has_text_ = true;
    HandOverPiece();
  }

  // Hands a long line's text over but for its last character (which might still be cut), once
  // the line is in a paragraph, whose end is sure to end it. Text outside every paragraph may
  // never end a line, and then it is no part of the document's text.
  void HandOverPiece() {
    if (line_.size() < kPieceBytes || paragraph_depth_ <= 0) return;
    size_t cut = line_.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(line_[cut]) & 0xC0) == 0x80) --cut;
    if (cut == 0) return;
    sink_.Text(Utf8ToCp936(std::string_view(line_).substr(0, cut)));
    line_.erase(0, cut);
  }

  void EndLine() {
    if (++lines_ > limits_.max_lines) return Fail();
    if (!Grow(1)) return;
    if (!line_.empty()) sink_.Text(Utf8ToCp936(line_));
    sink_.EndLine();
    line_.clear();
    line_has_text_ = false;
  }

  const bool docx_;
  DocumentSink& sink_;
  const OfficeLimits& limits_;
  XML_Parser parser_;
  int paragraph_depth_ = 0;
  int text_depth_ = 0;
  int tab_stops_depth_ = 0;
  int skip_depth_ = 0;
  std::string line_;  // the current line's UTF-8 not yet handed over
  bool line_has_text_ = false;
  size_t text_bytes_ = 0;
  size_t lines_ = 0;
  size_t spaces_ = 0;
  std::optional<ConversionResult> failure_;
};

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ParserFreer {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

// What a libzip error says about the file: unreadable, or damaged.
ConversionResult ZipFailure(int code) {
  return code == ZIP_ER_OPEN || code == ZIP_ER_READ ? ConversionResult::kCannotOpen
                                                    : ConversionResult::kDamaged;
}

// Why libzip found no archive at `path`: a file that starts as one does is a damaged or
// truncated archive; anything else is no archive at all.
ConversionResult NoArchive(const std::string& path) {
  char start[2] = {};
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return ConversionResult::kCannotOpen;
  const size_t got = std::fread(start, 1, sizeof start, file);
  std::fclose(file);
  return got == 2 && start[0] == 'P' && start[1] == 'K' ? ConversionResult::kDamaged
                                                        : ConversionResult::kNotDocument;
}

// Parses the entry `name` of `archive`, handing its text to `sink`.
ConversionResult ParseEntry(zip_t* archive, const char* name, OfficeFormat format,
                            DocumentSink& sink, const OfficeLimits& limits) {
  zip_file_t* entry = zip_fopen(archive, name, 0);
  if (entry == nullptr) return ZipFailure(zip_error_code_zip(zip_get_error(archive)));
  const std::unique_ptr<XML_ParserStruct, ParserFreer> parser(XML_ParserCreateNS(nullptr, '|'));
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
  std::optional<ConversionResult> failure;
  size_t total = 0;
  char buffer[65536];
  while (!failure) {
    const zip_int64_t got = zip_fread(entry, buffer, sizeof buffer);
    if (got < 0) {
      failure = ZipFailure(zip_error_code_zip(zip_file_get_error(entry)));
      break;
    }
    total += static_cast<size_t>(got);
    if (total > limits.max_xml_bytes) {
      failure = ConversionResult::kTooLarge;
    } else if (XML_Parse(parser.get(), buffer, static_cast<int>(got), got == 0) != XML_STATUS_OK) {
      failure = collector.Failure().value_or(ConversionResult::kDamaged);
    }
    if (got == 0) break;
  }
  // Closing checks the entry's checksum.
  const int closed = zip_fclose(entry);
  if (failure) return *failure;
  return closed == 0 ? ConversionResult::kDone : ZipFailure(closed);
}

}  // namespace

ConversionResult ReadOfficeText(const std::string& path, OfficeFormat format, DocumentSink& sink,
                                const OfficeLimits& limits) {
  int error = 0;
  const std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open(path.c_str(), ZIP_RDONLY, &error));
  if (!archive) return error == ZIP_ER_NOZIP ? NoArchive(path) : ZipFailure(error);
  const char* entry = format == OfficeFormat::kDocx ? "word/document.xml" : "content.xml";
  return ParseEntry(archive.get(), entry, format, sink, limits);
}

}  // namespace tarn
