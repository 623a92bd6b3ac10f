#include "cli/WindowSteps.h"

#include "analysis/MainSession.h"
#include "cli/CliPort.h"
#include "concordance/ViewForms.h"
#include "text/Error.h"
#include "text/Utf8.h"
#include "wordlists/FileBytes.h"

namespace tarn::cli {

namespace {

void Open(const StepCall& call) {
  if (call.progress == nullptr) {
    call.session.OpenAndCount();
  } else if (const std::optional<std::string> path = call.session.AskDocument()) {
    call.session.CountFile(*path, *call.progress);
  }
  call.forms = FormScope::kWordAlone;
}

void Paste(const StepCall& call) {
  std::string text = ReadFileBytes(call.argument);
  if (!IsValidUtf8(text)) throw Error("\"" + call.argument + "\" is not UTF-8 text");
  call.port.SetClipboard(std::move(text));
  call.session.CountClipboard();
  call.forms = FormScope::kWordAlone;
}

template <LexiconTable table>
void Show(const StepCall& call) {
  call.session.ShowTable(table);
}

void LoadFilter(const StepCall& call) { call.session.ReloadFilterWords(); }

constexpr SessionStep kSteps[] = {
    {"open", "FILE", "count a text file or a .doc, .docx, .odt, PDF, EPUB or web-page document (打开文件并统计)", 1,
     Open},
    {"paste", "FILE", "count FILE's UTF-8 text as if it were on the clipboard (统计剪贴板文字)", 1,
     Paste},
    {"show-filter", "", "list the filter words, sorted (查看过略词表)", 1,
     Show<LexiconTable::kFilterWords>},
    {"show-stop", "", "list the stop words, sorted (查看停用词表)", 1,
     Show<LexiconTable::kStopWords>},
    {"show-irregular", "", "list the irregular forms and their base forms (查看不规则词表)", 1,
     Show<LexiconTable::kIrregularPairs>},
    {"show-eend", "", "list the words ending in e (查看Eend表)", 1, Show<LexiconTable::kEEndWords>},
    {"show-recall", "", "list the words kept whole (查看recall表)", 1,
     Show<LexiconTable::kRecallWords>},
    {"show-double", "", "list the words ending in a doubled letter (查看辅音尾字double表)", 1,
     Show<LexiconTable::kDoubleConsonantWords>},
    {"load-filter", "FILE", "replace the filter words with a text word list (载入新的过略词表)", 1,
     LoadFilter},
};

}  // namespace

std::span<const SessionStep> WindowSteps() { return kSteps; }

}  // namespace tarn::cli
