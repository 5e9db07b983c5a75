#include "DataCheck.h"

#include "HelpContexts.h"
#include "SettingsStore.h"

#include <QFileInfo>
#include <QString>

bool ReportData(const DivuzOptions &options, std::string &text)
{
    int sounds = 0;
    for (int i = 0; i < SoundCount; ++i)
        if (QFileInfo(QString::fromStdString(SoundFolder(options) + options.SoundNames[i]))
                .isFile())
            ++sounds;
    const std::size_t pieces = ListMusicPieces(options.ProgramFolder).size();
    int pages = 0;
    for (const HelpPage &page : HelpPages())
        if (QFileInfo::exists(HelpPageFolder() + QLatin1String(page.file)))
            ++pages;
    const int allPages = int(HelpPages().size());

    text = "program: " + options.ProgramFolder + "\n";
    text += "sounds: " + SoundFolder(options) + " (" + std::to_string(sounds) + " of " +
            std::to_string(SoundCount) + " files)\n";
    text += "music: " + MusicFolder(options) + " (" + std::to_string(pieces) + " pieces)\n";
    text += "help: built in (" + std::to_string(pages) + " of " + std::to_string(allPages) +
            " pages)\n";
    const bool complete = sounds == SoundCount && pieces > 0 && pages == allPages;
    text += complete ? "data: complete\n" : "data: incomplete\n";
    return complete;
}
