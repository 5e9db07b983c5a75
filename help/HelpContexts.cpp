#include "HelpContexts.h"

#include "ProgramLanguage.h"

#include <QCoreApplication>

namespace
{

constexpr HelpPage Pages[] = {
    {"obsah.html", QT_TRANSLATE_NOOP("HelpPages", "Obsah")},
    {"uvod.html", QT_TRANSLATE_NOOP("HelpPages", "Vítejte v programu Divuz")},
    {"hra.html", QT_TRANSLATE_NOOP("HelpPages", "Jak se hraje")},
    {"panel.html", QT_TRANSLATE_NOOP("HelpPages", "Informační panel")},
    {"urovne.html", QT_TRANSLATE_NOOP("HelpPages", "Síla počítače")},
    {"turnaj.html", QT_TRANSLATE_NOOP("HelpPages", "Turnaj a nejlepší hráči")},
    {"volby.html", QT_TRANSLATE_NOOP("HelpPages", "Volby")},
    {"zvuky.html", QT_TRANSLATE_NOOP("HelpPages", "Zvuky a hudba")},
    {"soubory.html", QT_TRANSLATE_NOOP("HelpPages", "Ukládání a otevírání her")},
    {"nabidky.html", QT_TRANSLATE_NOOP("HelpPages", "Nabídky, nástroje a klávesy")},
    {"reklama.html", QT_TRANSLATE_NOOP("HelpPages", "Reklamní pruh")},
    {"engine.html", QT_TRANSLATE_NOOP("HelpPages", "Divuz v příkazovém řádku")},
    {"program.html", QT_TRANSLATE_NOOP("HelpPages", "O programu a jeho souborech")},
};

struct ContextPage {
    int context;
    const char *page;
};

// Menu and toolbar commands by their ids, then the dialogs' help buttons.
constexpr ContextPage ContextPages[] = {
    {HelpContextOfCommand(57600), "soubory.html#nova"},     // "&Nový"
    {HelpContextOfCommand(57601), "soubory.html#otevrit"},  // Ctrl+O
    {HelpContextOfCommand(32793), "soubory.html#otevrit"},  // "&Otevřít..."
    {HelpContextOfCommand(57603), "soubory.html#ulozit"},   // Ctrl+S
    {HelpContextOfCommand(57604), "soubory.html#ulozit"},   // "&Uložit"
    {HelpContextOfCommand(32800), "hra.html"},              // "Nová hra"
    {HelpContextOfCommand(32799), "turnaj.html"},           // "Nový turnaj"
    {HelpContextOfCommand(32771), "volby.html"},            // "Volby"
    {HelpContextOfCommand(32801), "turnaj.html#nejlepsi"},  // "Nejlepší hráči"
    {HelpContextOfCommand(57665), "nabidky.html#soubor"},   // "&Konec"
    {HelpContextOfCommand(57643), "hra.html#zpet"},         // "&Zpět"
    {HelpContextOfCommand(32796), "hra.html#zpet"},         // "&Opakovat"
    {HelpContextOfCommand(32772), "hra.html#kdo"},          // "Hráč"
    {HelpContextOfCommand(32773), "hra.html#kdo"},          // "Počítač"
    {HelpContextOfCommand(32774), "hra.html#kdo"},          // "Střídavě"
    {HelpContextOfCommand(32775), "hra.html#editace"},      // "&Editovací režim"
    {HelpContextOfCommand(32777), "hra.html#rada"},         // "&Nápověda" (the hint)
    {HelpContextOfCommand(59392), "nabidky.html#nastroje"}, // "&Nástroje"
    {HelpContextOfCommand(59393), "nabidky.html#stav"},     // "&Stavový řádek"
    {HelpContextOfCommand(32794), "panel.html"},            // "&Informační panel"
    {HelpContextOfCommand(57667), "nabidky.html#napoveda"}, // "&Témata nápovědy"
    {HelpContextOfCommand(57664), "program.html"},          // "&O programu"
    {HelpContextBestGames, "turnaj.html#nejlepsi"},
    {HelpContextOptions, "volby.html"},
};

struct WindowPage {
    const char *name;
    const char *page;
};

constexpr WindowPage WindowPages[] = {
    {"Pole Window", "hra.html"},          {"LevelWnd Window", "urovne.html"},
    {"TextWnd Window", "panel.html"},     {"ScoreWnd Window", "panel.html#skore"},
    {"TimeWnd Window", "panel.html#cas"}, {"Price Window", "panel.html#sance"},
    {"CDivuzView", "panel.html"},         {"ToolBar", "nabidky.html#nastroje"},
    {"GameStatus", "nabidky.html#stav"},  {"CAdvertBar", "reklama.html"},
    {"QStatusBar", "nabidky.html#stav"},
};

} // namespace

std::span<const HelpPage> HelpPages()
{
    return Pages;
}

QString HelpPageForContext(int context)
{
    for (const ContextPage &entry : ContextPages)
        if (entry.context == context)
            return QString::fromLatin1(entry.page);
    return QString::fromLatin1(HelpContentsPage);
}

QString HelpPageForWindow(const QString &objectName)
{
    for (const WindowPage &entry : WindowPages)
        if (objectName == QLatin1String(entry.name))
            return QString::fromLatin1(entry.page);
    return {};
}

QString HelpPageFolder()
{
    const QString language = ProgramLanguage();
    return language == QLatin1String(OwnLanguage) ? QStringLiteral(":/help/")
                                                  : QStringLiteral(":/help/%1/").arg(language);
}

QString HelpPageTitle(const HelpPage &page)
{
    return QCoreApplication::translate("HelpPages", page.title);
}

QString HelpPageUrl(const QString &page)
{
    return QStringLiteral("qrc") + HelpPageFolder() + page;
}
