#include "DivuzOptions.h"

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
    return options.ProgramFolder + "/Music/";
}

std::string SoundFolder(const DivuzOptions &options)
{
    return options.ProgramFolder + "/Sound/";
}
