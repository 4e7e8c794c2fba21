#pragma once
// What a save left on disk: a file's bytes and the names in a folder.
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace tubalyx::testsupport {

inline std::string Content(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

inline std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const std::filesystem::directory_entry& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

}  // namespace tubalyx::testsupport
