#pragma once
// Every file the program writes (calculation data, the report as text or as PDF) is saved the
// same way, so that a save either puts its whole new content in place or leaves the target as it
// was, and says which in the report.
#include <functional>
#include <string>

#include "texts/language_text.h"

namespace tubalyx {

// Fills the scratch file of a save through its open descriptor or its name; true when the
// whole content is in it.
using ScratchWriter = std::function<bool(int descriptor, const std::string& scratchName)>;

// Writes a scratch file of its own beside the target: created in the target's folder under a
// short name no other file has (so it fits the file-name limit whatever the target is called and
// never replaces a file of the user's), filled by `write`, put on disk, given the target's
// permissions (those of the file-creation mask for a new file) and only then renamed over the
// target. A symbolic link is written through to the file it names (a chain of them to its end),
// so that the link stays; a target that exists and is no regular file (a folder, a device, a
// pipe) is refused. False when any step fails, with no scratch file left behind.
bool SaveFileInPlace(const std::string& fileName, const ScratchWriter& write);

// The same for the bytes of `text`.
bool SaveTextInPlace(const std::string& fileName, const std::string& text);

// The red line of a failed save or load below the report: the message in the user's language
// and the file name on one line, cut when long.
void ReportFileFailure(const LangText& text, const std::string& fileName);

}  // namespace tubalyx
