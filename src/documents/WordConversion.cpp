#include "documents/WordConversion.h"

#include <algorithm>
#include <string_view>

#include "text/Utf8.h"
#include "documents/ChildProcess.h"

namespace tarn {

ConversionResult ConvertWordDocument(const std::string& path, DocumentSink& sink,
                                     const WordConversionSettings& settings) {
  // A name that starts with "-" would read as a switch.
  const std::string document = path.starts_with("-") ? "./" + path : path;
  // UTF-8 so that every character arrives; no wrapping, so a paragraph is one line. The
  // converter writes nothing, and still exits with 0, when the user's locale is not installed:
  // C.UTF-8 is always there.
  const ProgramOutput run =
      RunProgramOutput({settings.program, "-m", "UTF-8.txt", "-w", "0", document},
                       settings.time_limit, settings.max_text_bytes, {"LC_ALL=C.UTF-8"});
  switch (run.status) {
    case ProgramOutput::Status::kDone:
      break;
    case ProgramOutput::Status::kCannotStart:
      return ConversionResult::kConverterMissing;
    case ProgramOutput::Status::kTimedOut:
      return ConversionResult::kConverterTimedOut;
    case ProgramOutput::Status::kTooMuchOutput:
      return ConversionResult::kTooLarge;
    case ProgramOutput::Status::kFailed:
      return ConversionResult::kConverterFailed;
  }
  // The lines as the text form splits them: at CR LF, CR or LF, up to a NUL, a break at the
  // very end adding no empty line. Each is converted on its own: no UTF-8 sequence, even a
  // malformed one, takes in one of those bytes.
  std::string_view text(run.output);
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  size_t i = 0;
  while (i < text.size()) {
    const size_t stop = std::min(text.find_first_of("\r\n", i), text.size());
    const std::string line = Utf8ToCp936(text.substr(i, stop - i));
    if (!line.empty()) sink.Text(line);
    sink.EndLine();
    i = stop;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return ConversionResult::kDone;
}

}  // namespace tarn
