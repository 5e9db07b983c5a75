#include "DivuzOptions.h"

#include "DataFolders.h"

DivuzOptions::DivuzOptions() : SoundNames(SoundCount)
{
    for (int i = 0; i < SoundCount; ++i)
        SoundNames[i] = DefaultSoundFiles[i];
}

std::string BestGamesPath(const DivuzOptions &options)
{
    return options.ProgramFolder + "/Best.tab";
}

std::string MusicFolder(const DivuzOptions &options)
{
    return FindDataFolder(options.ProgramFolder, "Music") + "/Music/";
}

std::string SoundFolder(const DivuzOptions &options)
{
    return FindDataFolder(options.ProgramFolder, "Sound") + "/Sound/";
}
