#include "app/ViewText.h"

#include "text/CodePage936.h"

namespace tarn::app {

QString ViewTextFromState(std::string_view cp936) {
  std::u16string wide = Cp936ToUtf16(cp936);
  size_t out = 0;
  for (size_t in = 0; in < wide.size(); ++in) {
    char16_t c = wide[in];
    if (c == u'\r') {
      if (in + 1 < wide.size() && wide[in + 1] == u'\n') ++in;
      c = u'\n';
    }
    wide[out++] = c;
  }
  wide.resize(out);
  return QString::fromStdU16String(wide);
}

std::string StateTextFromView(const QString& text) {
  std::u16string wide;
  wide.reserve(static_cast<size_t>(text.size()) + static_cast<size_t>(text.count(u'\n')));
  for (const QChar c : text) {
    if (c == u'\n') wide += u'\r';
    wide += c.unicode();
  }
  return Utf16ToCp936(wide);
}

}  // namespace tarn::app
