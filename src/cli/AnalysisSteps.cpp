#include "cli/AnalysisSteps.h"

#include <string>

#include "analysis/AnalysisViews.h"
#include "analysis/ListingCommands.h"
#include "analysis/MainSession.h"
#include "cli/CliPort.h"
#include "concordance/ViewForms.h"
#include "morphology/LexiconLoader.h"
#include "wordlists/FileBytes.h"

namespace tarn::cli {

namespace {

template <void (AnalysisViews::*view)()>
void View(const StepCall& call) {
  MainSession& session = call.session;
  AnalysisViews views(session.State(), session.Words(), session.Port());
  (views.*view)();
}

// A view whose listing's words stand for `forms` from now on.
template <void (AnalysisViews::*view)(), FormScope forms>
void Listing(const StepCall& call) {
  View<view>(call);
  call.forms = forms;
}

ListingCommands Commands(const StepCall& call) {
  return ListingCommands(call.session.State(), call.session.Port());
}

template <bool descending>
void SortByWord(const StepCall& call) {
  Commands(call).SortByWord(descending);
}

template <bool descending>
void SortByCount(const StepCall& call) {
  Commands(call).SortByCount(descending);
}

void ExportXls(const StepCall& call) { Commands(call).ExportXls(); }
void ExportText(const StepCall& call) { Commands(call).ExportText(); }
void SaveList(const StepCall& call) { Commands(call).SaveCurrentList(); }

// The text view gets the help text; the statistics stay, so the sorts still work afterwards.
void Help(const StepCall& call) {
  call.session.State().text_view = ReadFileBytes(ProgramDataFile("help.txt"));
}

constexpr SessionStep kSteps[] = {
    {"all", "", "all counted words (查看全部单词统计)", 1,
     Listing<&AnalysisViews::ShowAllWords, FormScope::kWordAlone>},
    {"filtered", "", "without stop and filter words (查看过略词后统计)", 1,
     Listing<&AnalysisViews::ShowFiltered, FormScope::kWordAlone>},
    {"merged", "", "inflected forms merged into base forms (查看归并单词统计)", 1,
     Listing<&AnalysisViews::ShowMerged, FormScope::kMerged>},
    {"filtered-merged", "", "filtered, then merged (查看过略词后归并统计)", 1,
     Listing<&AnalysisViews::ShowFilteredMerged, FormScope::kFilteredMerged>},
    {"roots", "", "the current result's derived words merged into roots (归并词根)", 1,
     View<&AnalysisViews::MergeRoots>},
    {"word-asc", "", "the current result by word, ascending (单词升序)", 1, SortByWord<false>},
    {"word-desc", "", "the current result by word, descending (单词降序)", 1, SortByWord<true>},
    {"freq-asc", "", "the current result by count, ascending (词频升序)", 1, SortByCount<false>},
    {"freq-desc", "", "the current result by count, descending (词频降序)", 1, SortByCount<true>},
    {"export-xls", "NAME", "write the text view to NAME.Xls (导出为Xls文件)", 1, ExportXls},
    {"export-txt", "NAME", "write the text view to NAME.txt (导出为文本)", 1, ExportText},
    {"export-vocab", "NAME", "write the text view's first column to NAME.txt (导出为文本)", 2,
     ExportText},
    {"save-txt", "NAME", "save the text view as a text word list NAME.txt (保存当前词表)", 1,
     SaveList},
    {"save-dat", "NAME", "save the text view's lines as a .dat word list NAME.dat (保存当前词表)",
     2, SaveList},
    {"help", "", "show the help text (帮助)", 1, Help},
};

}  // namespace

std::span<const SessionStep> AnalysisSteps() { return kSteps; }

}  // namespace tarn::cli
