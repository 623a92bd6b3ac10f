#pragma once

#include <string>

#include "documents/DocumentLimits.h"

namespace tarn {

// Hands the text of the EPUB (2 or 3) book at `path` to `sink` as code page 936 lines, chapter
// after chapter in the spine's order, each as a browser shows it (see HtmlLines); HTML entities
// such as &nbsp; are known without a DTD. Returns kDone or why it stopped: kCannotOpen,
// kNotDocument (no zip archive, or no EPUB in it), kDamaged (a damaged archive, no spine, a
// missing chapter, malformed XML), kEncrypted (chapters locked by DRM), kTooLarge (past the
// markup, text or line cap, or an entity bomb) or kTooDeep (past the nesting cap).
ConversionResult ReadEpub(const std::string& path, DocumentSink& sink,
                          const DocumentLimits& limits = {});

}  // namespace tarn
