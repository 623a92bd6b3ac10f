#pragma once

#include <zip.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "documents/DocumentLimits.h"

namespace tarn {

// The chapters of the EPUB book in `archive` in reading order, as its entries:
// META-INF/container.xml names the package document, whose spine orders the manifest's
// documents; the XHTML ones are the chapters. Counts the XML read into `xml_bytes`. Returns
// kDone, kNotDocument (no container.xml: no EPUB), kDamaged (no package document, no spine or
// no chapter in it, a chapter the manifest or the archive lacks, malformed XML), kEncrypted
// (META-INF/encryption.xml lists a chapter), kTooLarge or kCannotOpen.
ConversionResult EpubChapters(zip_t* archive, const DocumentLimits& limits, size_t& xml_bytes,
                              std::vector<zip_uint64_t>& chapters);

// The archive entry a reference `href` in a document of the folder `folder` ("" or ending in
// "/") names: without its fragment, percent escapes decoded, "." and ".." resolved.
std::string ResolveHref(std::string_view folder, std::string_view href);

}  // namespace tarn
