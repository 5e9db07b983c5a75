#pragma once

// Writing a file the user must never find half-written (a saved game, the
// best-games table): the bytes go into a new file beside the old one, which
// replaces it only once every byte is on disk. QtCore only.

#include <QString>

#include <string>

// Replaces the file at path with bytes. On failure (no permission, a full
// disk, a folder in the way) the old file stays as it was, nothing is left
// beside it, and the result is false with the reason in error.
bool WriteWholeFile(const QString &path, const std::string &bytes, QString *error = nullptr);
