#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tarn::app {

// The text view's text for the session's text (code page 936, lines ended by CR LF, CR or LF):
// UTF-16 with every line break as "\n".
QString ViewTextFromState(std::string_view cp936);

// The session's text for the view's plain text: code page 936, every "\n" as CR LF.
std::string StateTextFromView(const QString& text);

}  // namespace tarn::app
