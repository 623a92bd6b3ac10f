#pragma once

#include <string>
#include <vector>

namespace tarn {

// A file or folder of a corpus that was not counted, and why, in a sentence that names it.
struct SkippedText {
  std::string path;
  std::string reason;
};

// The documents that a list of files and folders stands for, in counting order.
struct CorpusFiles {
  std::vector<std::string> files;
  std::vector<SkippedText> skipped;
};

// Expands `paths` in the order given: a file stands for itself, whatever its name; a folder
// for the documents under it, its entries taken in byte order of their names and subfolders
// entered where they come. A document in a folder is a file whose name a document kind claims,
// or whose first bytes one recognises. A path that does not exist, a given folder without
// documents, a folder that cannot be read and a symbolic link that leads back into its own
// folder are skipped, each with its reason.
CorpusFiles ListCorpusFiles(const std::vector<std::string>& paths);

}  // namespace tarn
