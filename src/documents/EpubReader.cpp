#include "documents/EpubReader.h"

#include <string_view>
#include <vector>

#include "documents/EpubPackage.h"
#include "documents/HtmlLines.h"
#include "documents/ZipEntries.h"

namespace tarn {

namespace {

// One chapter's elements and text into the book's lines; the parser stops at a cap.
struct ChapterText {
  HtmlLines& lines;
  XML_Parser parser;

  void Check(bool within_caps) {
    if (!within_caps) XML_StopParser(parser, XML_FALSE);
  }
};

ChapterText& ChapterOf(void* data) { return *static_cast<ChapterText*>(data); }

ConversionResult ReadChapter(zip_t* archive, zip_uint64_t index, HtmlLines& lines,
                             const DocumentLimits& limits, size_t& xml_bytes) {
  const XmlParser parser(XML_ParserCreateNS(nullptr, '|'));
  ChapterText chapter{lines, parser.get()};
  XML_SetUserData(parser.get(), &chapter);
  // As if the chapter had a DTD that was not read: expat then hands the HTML entities, which
  // XML does not know, to the skipped-entity handler instead of failing on them.
  XML_UseForeignDTD(parser.get(), XML_TRUE);
  XML_SetSkippedEntityHandler(parser.get(), [](void* data, const XML_Char* name, int parameter) {
    if (parameter == 0) ChapterOf(data).Check(ChapterOf(data).lines.Entity(name));
  });
  XML_SetElementHandler(
      parser.get(),
      [](void* data, const XML_Char* name, const XML_Char**) {
        ChapterOf(data).Check(ChapterOf(data).lines.Start(name));
      },
      [](void* data, const XML_Char* name) {
        ChapterOf(data).Check(ChapterOf(data).lines.End(name));
      });
  XML_SetCharacterDataHandler(parser.get(), [](void* data, const XML_Char* text, int length) {
    ChapterOf(data).Check(
        ChapterOf(data).lines.Characters(std::string_view(text, static_cast<size_t>(length))));
  });
  const ConversionResult read =
      ParseZipEntry(archive, index, parser.get(), xml_bytes, limits.max_xml_bytes);
  if (const auto failure = lines.Failure()) return *failure;
  if (read != ConversionResult::kDone) return read;
  return lines.Finish() ? ConversionResult::kDone : *lines.Failure();
}

}  // namespace

ConversionResult ReadEpub(const std::string& path, DocumentSink& sink,
                          const DocumentLimits& limits) {
  ConversionResult failure = ConversionResult::kDone;
  const ZipArchive archive = OpenZip(path, failure);
  if (!archive) return failure;
  size_t xml_bytes = 0;
  std::vector<zip_uint64_t> chapters;
  failure = EpubChapters(archive.get(), limits, xml_bytes, chapters);
  if (failure != ConversionResult::kDone) return failure;
  HtmlLines lines(sink, limits);
  for (const zip_uint64_t chapter : chapters) {
    failure = ReadChapter(archive.get(), chapter, lines, limits, xml_bytes);
    if (failure != ConversionResult::kDone) return failure;
  }
  return ConversionResult::kDone;
}

}  // namespace tarn
