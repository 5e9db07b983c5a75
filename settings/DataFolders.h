#pragma once

// Where the program's data folders ("Music", "Sound") are found. In the
// build tree and in an unpacked copy they lie beside the program file; an
// installed program keeps them in its data folder, share/divuz, which is
// looked for next to the program's bin folder first (so an installation
// under any prefix, or staged below another root, finds its own data) and
// then where the build was configured to install it.

#include <string>
#include <string_view>
#include <vector>

// The folders a data folder may lie in, in the order they are tried; none
// ends in '/'.
std::vector<std::string> DataFolderCandidates(const std::string &programFolder);

// Whether the program runs installed: its folder is the bin folder of an
// installation, with the installed data folder (share/divuz) beside it. A
// program run from its build tree or an unpacked folder is not.
bool IsInstalledProgram(const std::string &programFolder);

// The first candidate that holds the subfolder name; the program folder when
// none does, so a missing folder is looked for (and reported) beside the
// program. No trailing '/'.
std::string FindDataFolder(const std::string &programFolder, std::string_view name);
