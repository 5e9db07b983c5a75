#pragma once

// The General MIDI sound font the music is played with. Debian's built-in
// default path of the MIDI decoder names a file the small sound-font package
// does not provide, so the program looks for one itself.

#include <string>
#include <vector>

// The folders the packaged sound fonts live in.
std::vector<std::string> StandardSoundFontFolders();

// A readable ".sf2" or ".sf3" file in the folders: the system's chosen
// "default-GM" one when it resolves, else the first by name, folder by
// folder. DIVUZ_SOUNDFONT, when set to a readable file, wins over both.
// Empty when there is none: the music is then silent.
std::string FindSoundFont(const std::vector<std::string> &folders = StandardSoundFontFolders());
