#pragma once

// The help's pages and where each help context number leads. A dialog's
// help button asks for 0x10000 plus the button's id, a menu command for
// 0x10000 plus the command's id (what a click on the item asks for in the
// context help mode); a window of the main frame is known by its object
// name. Pages are named by their file, with an anchor where the topic
// starts inside a page ("hra.html#zpet").

#include <QString>

#include <span>

struct HelpPage {
    const char *file;
    const char *title;
};

// The pages in the order of the contents, the contents page first.
std::span<const HelpPage> HelpPages();

// The resource folder of the pages in the program's language, ending in
// '/'; every language has the same files with the same anchors.
QString HelpPageFolder();

// A page's title in the program's language.
QString HelpPageTitle(const HelpPage &page);

// The page with the contents, and the page the default help opens.
inline constexpr const char *HelpContentsPage = "obsah.html";
inline constexpr const char *HelpDefaultPage = "uvod.html";

// Help contexts of the two dialogs that have a help button.
inline constexpr int HelpBaseCommand = 0x10000;
inline constexpr int HelpContextBestGames = 65657; // best-games dialog, button 121
inline constexpr int HelpContextOptions = 65539;   // options dialog, button 3

// The help context of a menu or toolbar command.
constexpr int HelpContextOfCommand(int id)
{
    return HelpBaseCommand + id;
}

// The page of a help context; the contents for a number without a page.
QString HelpPageForContext(int context);

// The page of a window of the main frame by its object name (or, for the
// frame's standard bars, their class name); empty for a window without a
// page of its own.
QString HelpPageForWindow(const QString &objectName);

// The resource path of a page ("qrc:/help/uvod.html").
QString HelpPageUrl(const QString &page);
