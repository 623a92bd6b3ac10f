#include "documents/PdfText.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "documents/LineEndHyphens.h"
#include "text/CodePage936.h"

namespace tarn {

namespace {

// A PDF's header lies within its first bytes, and its end marker within its last.
constexpr size_t kMarkerBytes = 1024;

// The widest gap between two words of one line, in line heights.
constexpr double kMaxWordGap = 3.0;

// poppler reports every flaw it works around on standard error; the reader's result says
// what matters.
void SilencePoppler() {
  static std::once_flag silenced;
  std::call_once(silenced, [] {
    poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr);
  });
}

// What the ends of a file say before poppler reads it: no PDF without the header, a cut one
// without the end marker (poppler would read what is left of a truncated file as a whole).
std::optional<ConversionResult> JudgeEnds(std::string_view head, std::string_view tail) {
  if (!HasPdfHeader(head)) return ConversionResult::kNotDocument;
  if (tail.find("%%EOF") == std::string_view::npos) return ConversionResult::kDamaged;
  return std::nullopt;
}

// Whether `next` goes on along the line of `previous`: the same direction, an overlap across
// the line of half the smaller height at least, and a step forward along it of no more than a
// few heights (a column beside the one that ended has lines at the same height).
bool SameLine(const poppler::text_box& previous, const poppler::text_box& next) {
  const int rotation = previous.rotation();
  if (next.rotation() != rotation) return false;
  const poppler::rectf a = previous.bbox();
  const poppler::rectf b = next.bbox();
  const bool upright = rotation % 2 == 0;  // 1 and 3 run down and up the page
  const double a_from = upright ? a.top() : a.left();
  const double a_to = upright ? a.bottom() : a.right();
  const double b_from = upright ? b.top() : b.left();
  const double b_to = upright ? b.bottom() : b.right();
  const double height = std::min(a_to - a_from, b_to - b_from);
  if (std::min(a_to, b_to) - std::max(a_from, b_from) < 0.5 * height) return false;
  // How far `next` starts past the start of `previous`, and past its end.
  double start_step = 0;
  double gap = 0;
  switch (rotation) {
    case 0:
      start_step = b.left() - a.left();
      gap = b.left() - a.right();
      break;
    case 1:
      start_step = b.top() - a.top();
      gap = b.top() - a.bottom();
      break;
    case 2:
      start_step = a.right() - b.right();
      gap = a.left() - b.right();
      break;
    default:
      start_step = a.bottom() - b.bottom();
      gap = a.top() - b.bottom();
      break;
  }
  return start_step >= 0 && gap <= kMaxWordGap * std::max(a_to - a_from, b_to - b_from);
}

// The letters of the typographic ligatures U+FB00 to U+FB06, which typeset PDFs draw as one glyph
// and code page 936 lacks.
constexpr std::u16string_view kLigatures[] = {u"ff", u"fi", u"fl", u"ffi", u"ffl", u"st", u"st"};

// Appends the text of a word to `line`: control characters become spaces (the sink takes no
// line breaks or NULs), and the hyphens a line may end in become "-", which is how the hyphen
// joiner and the word counter know them. A font's encoding commonly draws the typewriter
// apostrophe as a right single quote, and typeset text uses that quote for the apostrophe, so in
// a PDF it is taken for the apostrophe: "it's" and "don't" count as in a text file. Ligatures
// become their letters.
bool AppendWord(const poppler::ustring& word, std::u16string& line) {
  bool visible = false;
  for (const unsigned short unit : word) {
    char16_t c = static_cast<char16_t>(unit);
    if (c < u' ') {
      c = u' ';
    } else if (c == u'\u00AD' || c == u'\u2010' || c == u'\u2011') {
      c = u'-';
    } else if (c == u'\u2019') {
      c = u'\'';
    } else if (c >= u'\uFB00' && c <= u'\uFB06') {
      line += kLigatures[c - u'\uFB00'];
      visible = true;
      continue;
    }
    visible = visible || c != u' ';
    line += c;
  }
  return visible;
}

// Hands the lines of the pages on, in code page 936, keeping count of their bytes.
class PageLines {
 public:
  PageLines(DocumentSink& sink, const PdfSettings& settings)
      : sink_(sink),
        max_bytes_(settings.max_text_bytes),
        hyphens_(settings.known_words.get(), [this](std::string_view line) { Write(line); }) {}

  // Adds the words of `page` in reading order, a line for each line of the page.
  void AddPage(const poppler::page& page) {
    const std::vector<poppler::text_box> boxes = page.text_list();
    std::u16string line;
    const poppler::text_box* previous = nullptr;
    for (const poppler::text_box& box : boxes) {
      if (too_large_) return;
      std::u16string word;
      if (!AppendWord(box.text(), word)) continue;
      if (previous != nullptr && !SameLine(*previous, box)) {
        hyphens_.Add(Utf16ToCp936(line));
        line.clear();
      } else if (previous != nullptr && previous->has_space_after()) {
        line += u' ';
      }
      line += word;
      previous = &box;
    }
    if (!line.empty()) hyphens_.Add(Utf16ToCp936(line));
  }

  // Ends the text; what it comes to.
  ConversionResult Finish() {
    hyphens_.Finish();
    if (too_large_) return ConversionResult::kTooLarge;
    return has_text_ ? ConversionResult::kDone : ConversionResult::kNoTextLayer;
  }

  bool TooLarge() const { return too_large_; }

 private:
  void Write(std::string_view line) {
    if (too_large_) return;
    bytes_ += line.size() + 1;
    if (bytes_ > max_bytes_) {
      too_large_ = true;
      return;
    }
    if (!line.empty()) sink_.Text(line);
    sink_.EndLine();
    has_text_ = true;
  }

  DocumentSink& sink_;
  const size_t max_bytes_;
  LineEndHyphens hyphens_;
  size_t bytes_ = 0;
  bool has_text_ = false;
  bool too_large_ = false;
};

ConversionResult ReadDocument(std::unique_ptr<poppler::document> document, DocumentSink& sink,
                              const PdfSettings& settings) {
  if (!document) return ConversionResult::kDamaged;
  // A locked document must not be asked for its pages.
  if (document->is_locked()) return ConversionResult::kEncrypted;
  const int pages = document->pages();
  if (pages <= 0) return ConversionResult::kDamaged;
  PageLines lines(sink, settings);
  for (int index = 0; index < pages && !lines.TooLarge(); ++index) {
    const std::unique_ptr<poppler::page> page(document->create_page(index));
    if (page) lines.AddPage(*page);
  }
  return lines.Finish();
}

}  // namespace

bool HasPdfHeader(std::string_view head) {
  return head.substr(0, kMarkerBytes).find("%PDF-") != std::string_view::npos;
}

ConversionResult ReadPdfText(const std::string& path, DocumentSink& sink,
                             const PdfSettings& settings) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return ConversionResult::kCannotOpen;
  std::string head(kMarkerBytes, '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(file.gcount()));
  file.clear();
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 0) return ConversionResult::kCannotOpen;
  std::string tail(static_cast<size_t>(std::min<std::streamoff>(size, kMarkerBytes)), '\0');
  file.seekg(size - static_cast<std::streamoff>(tail.size()));
  file.read(tail.data(), static_cast<std::streamsize>(tail.size()));
  if (!file) return ConversionResult::kCannotOpen;
  if (const auto failure = JudgeEnds(head, tail)) return *failure;
  SilencePoppler();
  return ReadDocument(std::unique_ptr<poppler::document>(poppler::document::load_from_file(path)),
                      sink, settings);
}

ConversionResult ReadPdfBytes(std::string_view bytes, DocumentSink& sink,
                              const PdfSettings& settings) {
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return ConversionResult::kTooLarge;
  const std::string_view tail = bytes.substr(bytes.size() - std::min(bytes.size(), kMarkerBytes));
  if (const auto failure = JudgeEnds(bytes.substr(0, kMarkerBytes), tail)) return *failure;
  SilencePoppler();
  return ReadDocument(std::unique_ptr<poppler::document>(poppler::document::load_from_raw_data(
                          bytes.data(), static_cast<int>(bytes.size()))),
                      sink, settings);
}

}  // namespace tarn
