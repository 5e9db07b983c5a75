#pragma once

// A text of the string table in the program's language; empty when the
// table has none. For the Qt layers: the table itself stays free of Qt.

#include "StringTable.h"

#include <QCoreApplication>
#include <QString>

inline QString ResourceText(int id)
{
    const char *text = LoadResourceString(id);
    return text ? QCoreApplication::translate("StringTable", text) : QString();
}
