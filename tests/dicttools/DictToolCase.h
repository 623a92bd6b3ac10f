#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "dicttools/DictTool.h"
#include "text/Error.h"
#include "text/Utf8.h"

namespace tarn::dicttools {

// UTF-8 lines joined the way the text area holds them: CR LF after each one.
inline std::string Text(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) text.append(line).append("\r\n");
  return text;
}

// The window's state from UTF-8 texts; the boxes start as the window's do.
inline DictToolInput Input(std::string_view text, std::string_view box1 = "2",
                           std::string_view box2 = "4") {
  return {Utf8ToUtf16(text), Utf8ToUtf16(box1), Utf8ToUtf16(box2)};
}

// The new text area in UTF-8, or "<unchanged>".
inline std::string TextOf(const DictToolResult& result) {
  return result.text ? Utf16ToUtf8(*result.text) : "<unchanged>";
}

// The message, or "<none>".
inline std::string MessageOf(const DictToolResult& result) {
  return result.message.value_or("<none>");
}

// One table row: the text area and box 1, and the text area the operation leaves.
struct TextCase {
  std::string text;
  std::string box1;
  std::string expected;
};

// Runs `run` on every row and checks the new text area and that no message is shown.
inline void ExpectTexts(DictToolFunction run, std::initializer_list<TextCase> cases) {
  for (const TextCase& c : cases) {
    const DictToolResult result = run(Input(c.text, c.box1));
    EXPECT_EQ(TextOf(result), c.expected) << c.text << " | " << c.box1;
    EXPECT_FALSE(result.message) << c.text << " | " << c.box1;
  }
}

// Checks that `run` throws tarn::Error with `message` (and so changes nothing).
inline void ExpectError(DictToolFunction run, const DictToolInput& input,
                        std::string_view message) {
  try {
    run(input);
    ADD_FAILURE() << "no error; expected " << message;
  } catch (const Error& error) {
    EXPECT_EQ(error.what(), message);
  }
}

}  // namespace tarn::dicttools
