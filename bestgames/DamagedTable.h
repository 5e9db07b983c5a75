#pragma once

// A best-games file that could not be read completely is never overwritten:
// the table saved at exit would hold only the entries read before the damage,
// and every game after it would be gone. So before anything is written the
// damaged file is kept beside itself under a name of its own, and the user
// is told once where it went. QtCore only.

#include <QString>

#include <string>

// Keeps the file at path as "<path>.damaged", or "<path>.damaged.2", ".3", …
// when that name is taken, byte for byte. Returns the name it was kept under,
// empty when it could not be kept.
std::string KeepDamagedTable(const std::string &path);

// The message the user sees once at start: the table at path was damaged and
// was kept as keptPath (empty when it could not be kept).
QString DamagedTableNotice(const std::string &path, const std::string &keptPath);
