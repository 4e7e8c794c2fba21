#include "ui/file_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "numerics/text_utils.h"
#include "reports/report_window.h"

namespace tubalyx {

namespace {

namespace fs = std::filesystem;

// The scratch file's name in the target's folder; mkstemp fills in the X's so that no file of
// that name exists yet.
constexpr const char* kScratchName = ".tubalyx-save-XXXXXX";
// The longest file name a red line shows; a longer one ends in "...".
constexpr int kLongestEchoedName = 160;
// Longer chains of links than the system follows are loops.
constexpr int kLongestLinkChain = 40;

// The file a save writes: a symbolic link is followed to the file it names (a chain of them to
// its end), so that the link stays a link; nullopt for a chain without end.
std::optional<fs::path> SaveTarget(const fs::path& name) {
    fs::path target = name;
    for (int hop = 0; hop < kLongestLinkChain; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error))) return target;
        const fs::path next = fs::read_symlink(target, error);
        if (error) return std::nullopt;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
}

// The permissions the saved file gets: the target's, or for a new file those the user's
// file-creation mask leaves; nullopt when the target cannot be read.
std::optional<::mode_t> SavedMode(const fs::path& target, bool exists) {
    if (exists) {
        struct stat info {};
        if (::stat(target.c_str(), &info) != 0) return std::nullopt;
        return info.st_mode & 07777;
    }
    const ::mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int descriptor, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(descriptor, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// The new name on disk too; the content is already there, so a failure here loses nothing.
void SyncFolder(const fs::path& folder) {
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY);
    if (descriptor < 0) return;
    ::fsync(descriptor);
    ::close(descriptor);
}

}  // namespace

bool SaveFileInPlace(const std::string& fileName, const ScratchWriter& write) {
    const std::optional<fs::path> target = SaveTarget(fileName);
    if (!target || target->filename().empty()) return false;
    std::error_code error;
    const fs::file_status status = fs::status(*target, error);
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status)) return false;
    const std::optional<::mode_t> mode = SavedMode(*target, exists);
    if (!mode) return false;
    std::string scratch = (target->parent_path() / kScratchName).string();
    const int descriptor = ::mkstemp(scratch.data());
    if (descriptor < 0) return false;
    bool written = write(descriptor, scratch) && ::fchmod(descriptor, *mode) == 0 && ::fsync(descriptor) == 0;
    written = ::close(descriptor) == 0 && written;
    if (written && ::rename(scratch.c_str(), target->c_str()) == 0) {
        SyncFolder(target->parent_path());
        return true;
    }
    ::unlink(scratch.c_str());
    return false;
}

bool SaveTextInPlace(const std::string& fileName, const std::string& text) {
    return SaveFileInPlace(fileName, [&](int descriptor, const std::string&) { return WriteAll(descriptor, text); });
}

void ReportFileFailure(const LangText& text, const std::string& fileName) {
    AppendRedLine(ByLanguage(text) + OneLineEcho(fileName, kLongestEchoedName));
}

}  // namespace tubalyx
