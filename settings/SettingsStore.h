#pragma once

// The options record's home between runs: the per-user settings store under
// "Zidude"/"Divuz", plus the folders beside the program that the record
// points into. Needs a QCoreApplication for the program folder.

#include "DivuzOptions.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

// Fills the record from the section "Options" and its subsection
// "SoundNames". A value that is missing, not a number where a number belongs,
// or outside its field's range leaves the field as it was (at start-up: the
// default), so no table is ever indexed with a stored value. Then sets
// ProgramFolder and makes sure MusicName names a piece of the music folder.
void LoadSettings(DivuzOptions &options);
// As above with the program folder given, for a layout other than the
// program's own.
void LoadSettings(DivuzOptions &options, const std::string &programFolder);

// Writes every stored field back; booleans and integers as integers. The
// store's file is replaced whole or not at all; returns false when the
// write failed.
bool SaveSettings(const DivuzOptions &options);

// What the main window remembers beside the options, in the same store: the
// docked bars' layout (QMainWindow::saveState), whether the status bar is
// shown, and the folder of the last file opened or saved.
struct BarMemory {
    QByteArray Layout;
    bool StatusBarShown = true;
};
BarMemory LoadBarMemory();
void SaveBarMemory(const BarMemory &bars);
QString LoadLastFileFolder();
void SaveLastFileFolder(const QString &folder);

// Replaces MusicName with the piece that follows it in the music folder,
// wrapping to the first; "NoName" when the folder holds no piece.
void PickNextMusic(DivuzOptions &options);

// The folder of the program file without a trailing separator; empty before
// the QCoreApplication exists.
std::string FindProgramFolder();

// The "*.mid" file names of the music folder (FindDataFolder) in their fixed order: by name,
// ignoring case, so the order of pieces does not depend on the file system.
std::vector<std::string> ListMusicPieces(const std::string &programFolder);

// The piece after current in pieces, wrapping to the first; the first when
// current is not among them (exact comparison); "NoName" for no pieces.
std::string NextMusicName(const std::vector<std::string> &pieces, const std::string &current);
