#pragma once

#include <string>
#include <vector>

#include "concordance/StudyList.h"

namespace tarn {

// The study list's columns, in the order of StudyRow's fields.
inline constexpr const char* kStudyColumns[] = {"单词", "次数", "等级", "释义", "例句", "词形"};

// The study list as a flashcard program imports it: UTF-8, the header lines "#separator:tab",
// "#html:true" and "#columns:" with the column names, then one note per row, fields joined by
// TAB, every line ended by LF. Every field is read as HTML there, so the plain ones are
// HTML-escaped (& < > ") and the sentence keeps its <b>...</b>.
std::string StudyListTsv(const std::vector<StudyRow>& rows);

// The same table for spreadsheets: a UTF-8 byte-order mark, a header row of the column names,
// then one record per row, fields quoted when they hold a comma or a double quote (the quote
// doubled), every record ended by CR LF. The fields are as StudyRow holds them; the sentence
// is the same HTML as in the flashcard form.
std::string StudyListCsv(const std::vector<StudyRow>& rows);

}  // namespace tarn
