#pragma once

// The options record: every setting of the program. The application object
// owns the one record that counts; every other part works on a copy taken
// when it needs the settings, so a change reaches it at its next copy.

#include "Containers.h"
#include "Levels.h"
#include "WndLayout.h"

#include <array>
#include <cstdint>
#include <string>

// Playing strengths 0..10, as the table of strength settings lists them.
inline constexpr int LevelCount = SettingCount;
inline constexpr int MaxLevel = LevelCount - 1;
// WhoBeginsMode: 0 the player, 1 the computer, 2 alternately.
inline constexpr int MaxWhoBeginsMode = 2;
// MusicMode: 0 one piece after another, 1 one piece per game, 2 one piece
// for all games.
inline constexpr int MaxMusicMode = 2;
// CurSignSet: 0 the X and O pictures, 1 black and white stones.
inline constexpr int MaxSignSet = 1;

// The sizes the view can be shown at, in percent of its layout; stored as
// "Zoom" in the section "Options".
inline constexpr std::array<std::int32_t, 3> ZoomLevels = {100, 150, 200};
inline constexpr std::int32_t DefaultZoom = 100;

// The music name that stands for "no piece in the music folder".
inline constexpr const char *NoMusicName = "NoName";

// Sound events in index order: the value name under "Options/SoundNames" and
// the wave file used until the store says otherwise.
inline constexpr int SoundCount = 14;
inline constexpr std::array<const char *, SoundCount> SoundValueNames = {
    "Make move", "Illegal move", "Undo move", "New game", "Lose 1", "Lose 2", "Lose 3",
    "Lose 4",    "Lose 5",       "Win 1",     "Win 2",    "Win 3",  "Win 4",  "Win 5"};
inline constexpr std::array<const char *, SoundCount> DefaultSoundFiles = {
    "MakeMove.wav", "BadMove.wav", "BackMove.wav", "NewGame.wav", "Lose1.wav",
    "Lose2.wav",    "Lose3.wav",   "Lose4.wav",    "Lose5.wav",   "Win1.wav",
    "Win2.wav",     "Win3.wav",    "Win4.wav",     "Win5.wav"};

// Texts are UTF-8. Fields keep the order in which the settings are listed
// and stored; WndLayout, ProgramFolder and IsTournament never reach the store.
struct DivuzOptions {
    DivuzOptions();

    bool IsRenjuStyle = false;
    std::int32_t CurSignSet = 0;
    std::int32_t Level = 6;
    // Zeroed here; the application object fills in its layout values.
    ::WndLayout WndLayout;
    std::int32_t WhoBeginsMode = 2;
    bool IsMusicOn = true;
    bool IsSoundOn = true;
    bool IsViewInfo = true;
    std::int32_t MusicMode = 1;
    // File name of the current piece, without its folder.
    std::string MusicName = NoMusicName;
    // Folder of the program file, without a trailing separator.
    std::string ProgramFolder;
    // Wave file names, without their folder, indexed like SoundValueNames.
    AbstractArray<std::string> SoundNames;
    // The next new game is a tournament game.
    bool IsTournament = false;
    // The view's size in percent, one of ZoomLevels.
    std::int32_t Zoom = DefaultZoom;
};

// The best-games file beside the program, and the music and sound folders
// where FindDataFolder finds them; the folder paths end in '/'.
std::string BestGamesPath(const DivuzOptions &options);
std::string MusicFolder(const DivuzOptions &options);
std::string SoundFolder(const DivuzOptions &options);
