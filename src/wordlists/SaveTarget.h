#pragma once

#include <sys/stat.h>

#include <string>

namespace tarn {

// The file a save of `path` writes: `path` itself, or the file its chain of symbolic links ends
// at (which need not exist yet, for a dangling link). Throws "Cannot create file "path". Too
// many levels of symbolic links" for a loop.
std::string ResolveSaveTarget(const std::string& path);

// A fresh name for the temporary file of a save of `target`, in the same folder.
std::string TempNameFor(const std::string& target);

// Removes the temporary files of saves of `target` that were left beside it by processes that
// no longer run (a killed save). Those of running processes stay; errors are ignored.
void RemoveStaleTempFiles(const std::string& target);

// Gives the new file `fd` the owner (where the system permits it) and then the mode of the file
// it replaces, described by `old`. Returns false when the mode cannot be set.
bool TakeOverOwnerAndMode(int fd, const struct stat& old);

}  // namespace tarn
