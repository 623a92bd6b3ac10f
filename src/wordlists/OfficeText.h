#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

// The zipped office formats whose text is read directly.
enum class OfficeFormat {
  kDocx,  // Word 2007 and later: word/document.xml
  kOdt,   // OpenDocument text: content.xml
};

// How much XML a document may inflate to before it is taken for a zip bomb.
inline constexpr size_t kMaxOfficeXmlBytes = size_t{512} << 20;

// The text of the .docx or .odt document at `path` as code page 936 lines: one per paragraph or
// heading, a new line at each line break, tabs as tabs. Nothing when the file is no such
// document or is damaged, or when its XML inflates past `max_xml_bytes`.
std::optional<std::vector<std::string>> ReadOfficeText(const std::string& path, OfficeFormat format,
                                                       size_t max_xml_bytes = kMaxOfficeXmlBytes);

}  // namespace tarn
