#pragma once

#include <cstddef>

#include "documents/DocumentSink.h"

namespace tarn {

// How far a document may expand before it is taken for a zip bomb or a crafted file. Each cap
// stops the reading on its own: the markup bounds the inflating, the text the memory, the lines
// and the generated spaces the time that text of tiny elements would take, and the nesting the
// work an HTML parser does for every tag.
struct DocumentLimits {
  size_t max_xml_bytes = size_t{512} << 20;       // XML or HTML, after inflating
  size_t max_text_bytes = kMaxDocumentTextBytes;  // UTF-8, one byte per line break
  size_t max_lines = size_t{1} << 23;             // paragraphs, headings and line breaks
  size_t max_spaces = size_t{1} << 24;            // the spaces that .odt text:s elements stand for
  // Elements open at once in an HTML or EPUB document. A tag-soup parser looks through the
  // open elements for each stray end tag, so the nesting bounds its time.
  size_t max_depth = 512;
};

}  // namespace tarn
