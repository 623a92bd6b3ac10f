#pragma once

#include <expat.h>
#include <zip.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "documents/DocumentSink.h"

namespace tarn {

struct ZipArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipArchiveCloser>;

struct XmlParserFreer {
  void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};
using XmlParser = std::unique_ptr<XML_ParserStruct, XmlParserFreer>;

// Opens the zip archive at `path` for reading. On failure returns null and sets `failure`:
// kCannotOpen (unreadable), kDamaged (a file that starts as an archive does but is damaged or
// cut) or kNotDocument (no archive at all).
ZipArchive OpenZip(const std::string& path, ConversionResult& failure);

// The index of the entry `name`, matched exactly or else with A-Z folded; none when it is
// missing.
std::optional<zip_uint64_t> FindZipEntry(zip_t* archive, const std::string& name);

// What a libzip error code says about the file: unreadable, or damaged.
ConversionResult ZipFailure(int code);

// Streams the entry `index` of `archive` through `parser`, adding its inflated size to
// `xml_bytes`. Returns kDone, kTooLarge (past `max_xml_bytes`, a handler stopped the parser,
// which handlers do only at a cap, or entity expansion went past expat's bounds), kDamaged
// (malformed XML, a damaged entry or a bad checksum) or kCannotOpen.
ConversionResult ParseZipEntry(zip_t* archive, zip_uint64_t index, XML_Parser parser,
                               size_t& xml_bytes, size_t max_xml_bytes);

}  // namespace tarn
