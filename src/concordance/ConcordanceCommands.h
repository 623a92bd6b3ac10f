#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "concordance/Concordance.h"
#include "concordance/Glosses.h"
#include "concordance/ViewForms.h"

namespace tarn {

class MainSession;

// The concordance of a word of the listing on a main-window session.
class ConcordanceCommands {
 public:
  // Characters of context on each side unless the user asks for another width.
  static constexpr int kDefaultWidth = 40;

  // `session` must outlive the commands.
  explicit ConcordanceCommands(MainSession& session) : session_(session) {}

  // The concordance of `word` (code page 936, any case) standing for its forms in `scope`;
  // nothing, after telling the user to open a document, before any counting run. Throws the
  // reading error of a file that fails midway.
  std::optional<Concordance> Find(std::string_view word, FormScope scope, int width);

  // "concordance": the summary label gets one line with the word, its count and the forms
  // found, the text view one line per occurrence (Concordance::Text). A word that does not
  // occur gives an empty view and a message; so does a document that changed since it was
  // counted, whose contexts are not shown.
  void ShowConcordance(std::string_view word, FormScope scope, int width = kDefaultWidth);

  // Tells the user why `found`, the concordance of `word`, has no lines: no text to read, a
  // document changed since it was counted or a word that does not occur. False when it has lines.
  bool TellWhyEmpty(const Concordance& found, std::string_view word);

  // The gloss (UTF-8) of the base form of `word`, which in the merged scopes is the listed word
  // itself; "" when it has none.
  std::string BaseFormGloss(const LazyGlosses& glosses, std::string_view word,
                            FormScope scope) const;

  // The forms of `word` that `found` holds, lower-cased, `word` first, joined by 、 (UTF-8); ""
  // when it holds `word` alone or nothing.
  static std::string FormsFound(const Concordance& found, std::string_view word);

 private:
  MainSession& session_;
};

}  // namespace tarn
