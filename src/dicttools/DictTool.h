#pragma once

#include <optional>
#include <string>

namespace tarn::dicttools {

// What a dictionary tools operation reads: the text area and the two boxes, as the window
// holds them (UTF-16, line breaks as CR LF).
struct DictToolInput {
  std::u16string text;
  std::u16string box1;
  std::u16string box2;
};

// What an operation leaves behind. An empty optional means "unchanged" (or, for the message,
// "show nothing"); the message is UTF-8 and is the whole text of the message box.
struct DictToolResult {
  std::optional<std::u16string> text;
  std::optional<std::u16string> box2;
  std::optional<std::string> message;
};

// Every toolbar operation has this shape. Input errors that the operation reports itself come
// back as a message with the text unchanged; a box that is not a number throws tarn::Error.
using DictToolFunction = DictToolResult (*)(const DictToolInput& input);

}  // namespace tarn::dicttools
