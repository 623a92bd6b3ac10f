#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "documents/OfficeFixture.h"

namespace tarn::testing {

// container.xml naming the package document at `package`.
inline std::string ContainerXml(std::string_view package = "OEBPS/content.opf") {
  return "<?xml version=\"1.0\"?>\n"
         "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">"
         "<rootfiles><rootfile full-path=\"" +
         std::string(package) +
         "\" media-type=\"application/oebps-package+xml\"/></rootfiles></container>";
}

// A package document whose manifest and spine hold `manifest` and `spine` (their elements).
inline std::string PackageXml(std::string_view manifest, std::string_view spine) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" unique-identifier=\"id\">"
         "<metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>Book</dc:title>"
         "</metadata><manifest>" +
         std::string(manifest) + "</manifest><spine>" + std::string(spine) + "</spine></package>";
}

// A manifest item of an XHTML chapter.
inline std::string ChapterItem(std::string_view id, std::string_view href) {
  return "<item id=\"" + std::string(id) + "\" href=\"" + std::string(href) +
         "\" media-type=\"application/xhtml+xml\"/>";
}

// A spine entry.
inline std::string SpineRef(std::string_view id) {
  return "<itemref idref=\"" + std::string(id) + "\"/>";
}

// An XHTML chapter whose body holds `body`, without a DTD, as EPUB 3 writes them.
inline std::string XhtmlChapter(std::string_view body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html>\n"
         "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\">"
         "<head><title>Chapter</title></head><body>" +
         std::string(body) + "</body></html>";
}

// Writes an EPUB at `path` whose chapters, OEBPS/chapterN.xhtml, hold the bodies `chapters` in
// reading order; `extra` entries follow them.
inline void WriteEpub(const std::string& path, const std::vector<std::string>& chapters,
                      const std::vector<std::pair<std::string, std::string>>& extra = {}) {
  std::string manifest;
  std::string spine;
  std::vector<std::pair<std::string, std::string>> entries = {
      {"mimetype", "application/epub+zip"}, {"META-INF/container.xml", ContainerXml()}};
  for (size_t i = 0; i < chapters.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    const std::string id = std::string("c").append(number);
    const std::string href = std::string("chapter").append(number).append(".xhtml");
    manifest += ChapterItem(id, href);
    spine += SpineRef(id);
    entries.emplace_back("OEBPS/" + href, XhtmlChapter(chapters[i]));
  }
  entries.emplace_back("OEBPS/content.opf", PackageXml(manifest, spine));
  entries.insert(entries.end(), extra.begin(), extra.end());
  WriteZip(path, entries);
}

}  // namespace tarn::testing
