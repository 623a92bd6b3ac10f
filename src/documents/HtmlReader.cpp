#include "documents/HtmlReader.h"

#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>

#include <memory>
#include <new>
#include <optional>
#include <string_view>

#include "documents/HtmlEncoding.h"
#include "documents/HtmlLines.h"
#include "documents/Utf8Transcoder.h"
#include "wordlists/ReadableFile.h"
#include "wordlists/TextDecoding.h"

namespace tarn {

namespace {

constexpr size_t kChunkBytes = size_t{64} << 10;

void IgnoreMessage(void*, const char*, ...) {}

// Keeps libxml2 from printing its complaints about the page on the calling thread while it
// lives (its error handlers are the thread's own).
class QuietLibxml {
 public:
  QuietLibxml()
      : generic_(xmlGenericError),
        generic_context_(xmlGenericErrorContext),
        structured_(xmlStructuredError),
        structured_context_(xmlStructuredErrorContext) {
    xmlSetGenericErrorFunc(nullptr, IgnoreMessage);
    xmlSetStructuredErrorFunc(nullptr, [](void*, xmlErrorPtr) {});
  }
  ~QuietLibxml() {
    xmlSetGenericErrorFunc(generic_context_, generic_);
    xmlSetStructuredErrorFunc(structured_context_, structured_);
  }
  QuietLibxml(const QuietLibxml&) = delete;
  QuietLibxml& operator=(const QuietLibxml&) = delete;

 private:
  xmlGenericErrorFunc generic_;
  void* generic_context_;
  xmlStructuredErrorFunc structured_;
  void* structured_context_;
};

struct ContextFreer {
  void operator()(htmlParserCtxtPtr context) const { htmlFreeParserCtxt(context); }
};

// The page's text, as the parser reports it, into the lines; the parser stops at a cap.
struct PageText {
  HtmlLines lines;
  htmlParserCtxtPtr context = nullptr;

  void Check(bool within_caps) {
    if (!within_caps) xmlStopParser(context);
  }
};

PageText& PageOf(void* data) { return *static_cast<PageText*>(data); }

void OnCharacters(void* data, const xmlChar* text, int length) {
  PageOf(data).Check(PageOf(data).lines.Characters(
      std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(length))));
}

htmlSAXHandler PageHandler() {
  htmlSAXHandler handler{};
  // The structured error handler only counts with this mark.
  handler.initialized = XML_SAX2_MAGIC;
  handler.serror = [](void*, xmlErrorPtr) {};
  handler.startElement = [](void* data, const xmlChar* name, const xmlChar**) {
    PageOf(data).Check(PageOf(data).lines.Start(reinterpret_cast<const char*>(name)));
  };
  handler.endElement = [](void* data, const xmlChar* name) {
    PageOf(data).Check(PageOf(data).lines.End(reinterpret_cast<const char*>(name)));
  };
  handler.characters = OnCharacters;
  // White space between elements is text like any other; the lines collapse it.
  handler.ignorableWhitespace = OnCharacters;
  // Script and style content arrives here, and is left out with its element.
  handler.cdataBlock = OnCharacters;
  return handler;
}

// The encoding the text decoder finds in the whole file, as an ICU converter name.
std::string DetectedConverter(ReadableFile& file) {
  TextDecoder decoder([](std::string_view) {});
  const auto buffer = std::make_unique<char[]>(kChunkBytes);
  bool decided = false;
  while (!decided) {
    file.Rewind();
    bool again = false;
    while (!decoder.Ended()) {
      const size_t got = file.Read(buffer.get(), kChunkBytes);
      if (got == 0) break;
      if (!decoder.Feed(std::string_view(buffer.get(), got))) {
        again = true;
        break;
      }
    }
    decided = !again && decoder.Finish();
  }
  switch (decoder.Encoding()) {
    case TextEncoding::kUtf8:
      return "UTF-8";
    case TextEncoding::kUtf16Le:
      return "UTF-16LE";
    case TextEncoding::kUtf16Be:
      return "UTF-16BE";
    case TextEncoding::kWindows1252:
      return "windows-1252";
    case TextEncoding::kCp936:
      break;
  }
  return "windows-936";
}

ConversionResult ParsePage(ReadableFile& file, DocumentSink& sink, const DocumentLimits& limits) {
  const auto buffer = std::make_unique<char[]>(kChunkBytes);
  size_t got = file.ReadFull(buffer.get(), kChunkBytes);
  std::optional<DeclaredEncoding> declared =
      DeclaredHtmlEncoding(std::string_view(buffer.get(), got));
  if (!declared) declared = DeclaredEncoding{DetectedConverter(file)};
  file.Rewind();
  got = file.ReadFull(buffer.get(), kChunkBytes);

  const QuietLibxml quiet;
  xmlInitParser();
  htmlSAXHandler handler = PageHandler();
  PageText page{HtmlLines(sink, limits)};
  const std::unique_ptr<htmlParserCtxt, ContextFreer> context(
      htmlCreatePushParserCtxt(&handler, &page, nullptr, 0, nullptr, XML_CHAR_ENCODING_NONE));
  if (!context) throw std::bad_alloc();
  page.context = context.get();
  // The text reaches the parser as UTF-8 whatever the page says of itself.
  htmlCtxtUseOptions(context.get(), HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET |
                                        HTML_PARSE_IGNORE_ENC);
  xmlSwitchEncoding(context.get(), XML_CHAR_ENCODING_UTF8);

  Utf8Transcoder transcoder(declared->converter);
  std::string text;
  size_t total = got;
  std::string_view bytes(buffer.get(), got);
  bytes.remove_prefix(std::min(declared->mark_bytes, bytes.size()));
  for (;;) {
    if (total > limits.max_xml_bytes) return ConversionResult::kTooLarge;
    const bool last = got == 0;
    transcoder.Convert(bytes, last, text);
    htmlParseChunk(context.get(), text.data(), static_cast<int>(text.size()), last);
    if (const auto failure = page.lines.Failure()) return *failure;
    if (last) break;
    got = file.Read(buffer.get(), kChunkBytes);
    total += got;
    bytes = std::string_view(buffer.get(), got);
  }
  return page.lines.Finish() ? ConversionResult::kDone : *page.lines.Failure();
}

}  // namespace

ConversionResult ReadHtml(const std::string& path, DocumentSink& sink,
                          const DocumentLimits& limits) {
  try {
    ReadableFile file(path);
    return ParsePage(file, sink, limits);
  } catch (const Error&) {
    return ConversionResult::kCannotOpen;
  }
}

}  // namespace tarn
