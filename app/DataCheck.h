#pragma once

// The report of "divuz --check-data": where the program finds its sounds,
// its music and its help, so an installation can be checked without
// starting a game.

#include "DivuzOptions.h"

#include <string>

// Writes the report into text and says whether everything was found: every
// sound file the options name, at least one music piece, every help page.
bool ReportData(const DivuzOptions &options, std::string &text);
