#include "documents/ZipEntries.h"

#include <cstdio>

namespace tarn {

namespace {

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

ConversionResult ParseFailure(XML_Parser parser) {
  switch (XML_GetErrorCode(parser)) {
    case XML_ERROR_ABORTED:
    case XML_ERROR_AMPLIFICATION_LIMIT_BREACH:
      return ConversionResult::kTooLarge;
    default:
      return ConversionResult::kDamaged;
  }
}

}  // namespace

ConversionResult ZipFailure(int code) {
  return code == ZIP_ER_OPEN || code == ZIP_ER_READ ? ConversionResult::kCannotOpen
                                                    : ConversionResult::kDamaged;
}

ZipArchive OpenZip(const std::string& path, ConversionResult& failure) {
  int error = 0;
  ZipArchive archive(zip_open(path.c_str(), ZIP_RDONLY, &error));
  if (!archive) failure = error == ZIP_ER_NOZIP ? NoArchive(path) : ZipFailure(error);
  return archive;
}

std::optional<zip_uint64_t> FindZipEntry(zip_t* archive, const std::string& name) {
  zip_int64_t index = zip_name_locate(archive, name.c_str(), 0);
  if (index < 0) index = zip_name_locate(archive, name.c_str(), ZIP_FL_NOCASE);
  if (index < 0) return std::nullopt;
  return static_cast<zip_uint64_t>(index);
}

ConversionResult ParseZipEntry(zip_t* archive, zip_uint64_t index, XML_Parser parser,
                               size_t& xml_bytes, size_t max_xml_bytes) {
  zip_file_t* entry = zip_fopen_index(archive, index, 0);
  if (entry == nullptr) return ZipFailure(zip_error_code_zip(zip_get_error(archive)));
  std::optional<ConversionResult> failure;
  char buffer[65536];
  while (!failure) {
    const zip_int64_t got = zip_fread(entry, buffer, sizeof buffer);
    if (got < 0) {
      failure = ZipFailure(zip_error_code_zip(zip_file_get_error(entry)));
      break;
    }
    xml_bytes += static_cast<size_t>(got);
    if (xml_bytes > max_xml_bytes) {
      failure = ConversionResult::kTooLarge;
    } else if (XML_Parse(parser, buffer, static_cast<int>(got), got == 0) != XML_STATUS_OK) {
      failure = ParseFailure(parser);
    }
    if (got == 0) break;
  }
  // Closing checks the entry's checksum.
  const int closed = zip_fclose(entry);
  if (failure) return *failure;
  return closed == 0 ? ConversionResult::kDone : ZipFailure(closed);
}

}  // namespace tarn
