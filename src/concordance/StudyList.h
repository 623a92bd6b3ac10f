#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/StatisticsState.h"
#include "concordance/Glosses.h"
#include "concordance/ViewForms.h"
#include "morphology/Lexicon.h"
#include "profile/LevelLists.h"
#include "wordlists/DocumentSource.h"

namespace tarn {

// One word of a study list, every field UTF-8 text on one line (no TAB, CR or LF).
struct StudyRow {
  std::string word;      // as the listing shows it
  std::string count;     // the listing's count, as shown; empty when the line has none
  std::string level;     // the lowest exam level holding the word or its base form, or "超纲"
  std::string gloss;     // the word's gloss, else its base form's; empty when neither has one
  std::string sentence;  // HTML: the first sentence holding a form, that form in <b>...</b>
  std::string forms;     // the counted forms, most frequent first (ties by word), ", " between
};

// The study list of a listing, and how the document's text was read for its sentences.
struct StudyList {
  DocumentSource::Reading reading = DocumentSource::Reading::kNoText;
  std::vector<StudyRow> rows;
};

// What a study list is made from: the counting run, the lexicon its views used, the kept text,
// the exam ladder's lists and the glosses. All must outlive the call.
struct StudySources {
  const StatisticsState& state;
  const Lexicon& lexicon;
  const DocumentSource& source;
  const LevelLists& exam_levels;
  const Glosses& glosses;
};

// The label of a word that no level of the ladder holds.
inline constexpr char kBeyondLevels[] = "超纲";

// One row per non-blank line of `listing` (the text view, code page 936): the line's word
// (before its first blank) and count (after its TAB), each word standing for its forms in
// `scope`. A word that is not counted (an edited line) keeps its word, count, level and gloss
// with no forms and no sentence. The text is read once for all sentences; when it cannot be
// read as counted, `reading` says why and the sentences are empty. Throws the reading error
// of a file that fails midway.
StudyList MakeStudyList(std::string_view listing, FormScope scope, const StudySources& sources);

// `text` (UTF-8) with & < > and " written as HTML entities.
std::string HtmlEscaped(std::string_view text);

}  // namespace tarn
