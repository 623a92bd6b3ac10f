#include "concordance/StudyListFiles.h"

#include <array>
#include <string_view>

namespace tarn {

namespace {

// The sentence's column, which holds HTML already.
constexpr size_t kSentenceColumn = 4;

std::array<std::string_view, 6> FieldsOf(const StudyRow& row) {
  return {row.word, row.count, row.level, row.gloss, row.sentence, row.forms};
}

// A CSV field, quoted when it must be. Rows hold no line breaks, but a CR or LF is quoted too.
std::string CsvField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::string StudyListTsv(const std::vector<StudyRow>& rows) {
  std::string text = "#separator:tab\n#html:true\n#columns:";
  for (size_t i = 0; i < std::size(kStudyColumns); ++i) {
    if (i > 0) text += '\t';
    text += kStudyColumns[i];
  }
  text += '\n';
  for (const StudyRow& row : rows) {
    const auto fields = FieldsOf(row);
    for (size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) text += '\t';
      text += i == kSentenceColumn ? std::string(fields[i]) : HtmlEscaped(fields[i]);
    }
    text += '\n';
  }
  return text;
}

std::string StudyListCsv(const std::vector<StudyRow>& rows) {
  std::string text = "\xEF\xBB\xBF";
  for (size_t i = 0; i < std::size(kStudyColumns); ++i) {
    if (i > 0) text += ',';
    text += kStudyColumns[i];
  }
  text += "\r\n";
  for (const StudyRow& row : rows) {
    const auto fields = FieldsOf(row);
    for (size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) text += ',';
      text += CsvField(fields[i]);
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace tarn
