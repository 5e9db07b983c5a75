#include "SoundFont.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace
{

namespace fs = std::filesystem;

// A regular file (after following links) that can be opened for reading.
bool IsReadableFile(const fs::path &path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return false;
    return std::ifstream(path, std::ios::binary).good();
}

bool IsSoundFont(const fs::path &path)
{
    const std::string ext = path.extension().string();
    return ext == ".sf2" || ext == ".sf3";
}

} // namespace

std::vector<std::string> StandardSoundFontFolders()
{
    return {"/usr/share/sounds/sf2", "/usr/share/sounds/sf3"};
}

std::string FindSoundFont(const std::vector<std::string> &folders)
{
    if (const char *chosen = std::getenv("DIVUZ_SOUNDFONT"); chosen && IsReadableFile(chosen))
        return chosen;

    for (const std::string &folder : folders) {
        std::error_code error;
        std::vector<fs::path> fonts;
        for (const auto &entry : fs::directory_iterator(folder, error)) {
            if (IsSoundFont(entry.path()) && IsReadableFile(entry.path()))
                fonts.push_back(entry.path());
        }
        if (fonts.empty())
            continue;
        std::sort(fonts.begin(), fonts.end());
        // The packaging system points "default-GM" at the best font installed.
        auto chosen = std::find_if(fonts.begin(), fonts.end(),
                                   [](const fs::path &p) { return p.stem() == "default-GM"; });
        return (chosen != fonts.end() ? *chosen : fonts.front()).string();
    }
    return {};
}
