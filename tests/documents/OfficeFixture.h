#pragma once

#include <zip.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "documents/DocumentSink.h"

namespace tarn::testing {

// Keeps the lines a reader hands over, and how many pieces they came in.
struct LineCollector : DocumentSink {
  std::vector<std::string> lines;
  size_t pieces = 0;
  bool line_open = false;  // a piece came that no line end has followed yet

  void Text(std::string_view piece) override {
    if (!line_open) lines.emplace_back();
    line_open = true;
    lines.back() += piece;
    ++pieces;
  }
  void EndLine() override {
    if (!line_open) lines.emplace_back();
    line_open = false;
  }
};

// Writes a zip archive at `path` holding `entries` (name, content), in their order, deflated but
// for "mimetype", which the zipped formats keep uncompressed.
inline void WriteZip(const std::string& path,
                     const std::vector<std::pair<std::string, std::string>>& entries) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (archive == nullptr) throw std::runtime_error("cannot create " + path);
  for (const auto& [name, content] : entries) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    const zip_int64_t index =
        source == nullptr ? -1 : zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
    if (index < 0 ||
        (name == "mimetype" && zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                                        ZIP_CM_STORE, 0) != 0)) {
      zip_discard(archive);
      throw std::runtime_error("cannot add " + name);
    }
  }
  if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path);
}

// A .docx's word/document.xml whose body holds `body` (w: elements).
inline std::string DocxXml(std::string_view body) {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
             "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/"
             "main\" xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\">"
             "<w:body>") +
         std::string(body) + "</w:body></w:document>";
}

// An .odt's content.xml whose office:text holds `body` (text: elements).
inline std::string OdtXml(std::string_view body) {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<office:document-content "
             "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\">"
             "<office:body><office:text>") +
         std::string(body) + "</office:text></office:body></office:document-content>";
}

// Writes a .docx at `path` whose document.xml holds `body`.
inline void WriteDocx(const std::string& path, std::string_view body) {
  WriteZip(path, {{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", DocxXml(body)}});
}

// Writes an .odt at `path` whose content.xml holds `body`.
inline void WriteOdt(const std::string& path, std::string_view body) {
  WriteZip(path, {{"mimetype", "application/vnd.oasis.opendocument.text"},
                  {"content.xml", OdtXml(body)}});
}

}  // namespace tarn::testing
