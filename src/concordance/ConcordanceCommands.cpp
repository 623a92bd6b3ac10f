#include "concordance/ConcordanceCommands.h"

#include <algorithm>
#include <set>

#include "analysis/DocumentGuard.h"
#include "analysis/MainSession.h"
#include "concordance/ViewForms.h"
#include "text/AsciiCase.h"
#include "text/Utf8.h"

namespace tarn {

std::optional<Concordance> ConcordanceCommands::Find(std::string_view word, FormScope scope,
                                                     int width) {
  StatisticsState& state = session_.State();
  if (!RequireDocument(state, session_.Port())) return std::nullopt;
  return Concordance(session_.Source(), FormsOf(state, session_.Words(), scope, word), width);
}

void ConcordanceCommands::ShowConcordance(std::string_view word, FormScope scope, int width) {
  std::optional<Concordance> found = Find(word, scope, width);
  if (!found) return;
  StatisticsState& state = session_.State();
  const std::string shown = Cp936ToUtf8(LowerAscii(word));
  state.text_view.clear();
  switch (found->Reading()) {
    case DocumentSource::Reading::kNoText:
      state.summary_label = shown + "：没有可显示的文档";
      break;
    case DocumentSource::Reading::kChanged:
      state.summary_label = shown + "：文档在统计之后已被修改";
      break;
    case DocumentSource::Reading::kRead: {
      state.summary_label = shown + "：共出现 " + std::to_string(found->Size()) + " 次";
      const std::string forms = FormsFound(*found, word);
      if (!forms.empty()) state.summary_label += "（" + forms + "）";
      break;
    }
  }
  if (TellWhyEmpty(*found, word)) return;
  state.text_view = found->TakeText();
}

bool ConcordanceCommands::TellWhyEmpty(const Concordance& found, std::string_view word) {
  switch (found.Reading()) {
    case DocumentSource::Reading::kNoText:
      session_.Port().ShowMessage("请打开一个文件进行分析！");
      return true;
    case DocumentSource::Reading::kChanged:
      session_.Port().ShowMessage("文档“" + session_.Source().Path() +
                                  "”在统计之后已被修改或移走，无法显示上下文，请重新统计！");
      return true;
    case DocumentSource::Reading::kRead:
      break;
  }
  if (found.Size() > 0) return false;
  session_.Port().ShowMessage("文档中没有单词“" + Cp936ToUtf8(LowerAscii(word)) + "”！");
  return true;
}

std::string ConcordanceCommands::BaseFormGloss(const LazyGlosses& glosses, std::string_view word,
                                               FormScope scope) const {
  std::string base = LowerAscii(word);
  if (scope == FormScope::kWordAlone) base = LowerAscii(session_.BaseFormCommand(base));
  return glosses.Of(Cp936ToUtf8(base));
}

std::string ConcordanceCommands::FormsFound(const Concordance& found, std::string_view word) {
  // The forms as they occur, the word itself first.
  std::set<std::string> forms;
  for (size_t i = 0; i < found.Size(); ++i) forms.insert(LowerAscii(found.Occurrence(i)));
  const std::string key = LowerAscii(word);
  std::string list;
  if (forms.erase(key) > 0) {
    if (forms.empty()) return "";
    list = Cp936ToUtf8(key);
  }
  for (const std::string& form : forms) list += (list.empty() ? "" : "、") + Cp936ToUtf8(form);
  return list;
}

}  // namespace tarn
