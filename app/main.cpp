// Divuz: five in a row against the computer.

#include "DivuzApp.h"
#include "ErrorReport.h"
#include "ExitSignals.h"
#include "ProgramLanguage.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace
{

// Errors reach the user in a message box with the program's error caption;
// the game goes on afterwards.
void ShowError(const std::string &text)
{
    QMessageBox box(QMessageBox::Warning, "...ERROR...", QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

// For the start-up benchmark: ends the program as soon as the board has
// been painted once, so the time to the first painted window can be taken
// from outside.
class QuitAfterFirstPaint : public QObject
{
  public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == "Pole Window")
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

constexpr const char *UsageLine =
    QT_TRANSLATE_NOOP("main", "použití: divuz [--help | --version | --check-data]\n");
constexpr const char *HelpText = QT_TRANSLATE_NOOP(
    "main", "Piškvorky proti počítači na desce 19 × 19. Bez argumentů spustí hru.\n"
            "\n"
            "  --check-data  vypíše, kde program našel zvuky, hudbu a nápovědu, a skončí\n"
            "  --help        vypíše tuto nápovědu a skončí\n"
            "  --version     vypíše verzi programu a skončí\n");

// A text of the command line in the user's language.
QByteArray Translated(const char *text)
{
    return QCoreApplication::translate("main", text).toLocal8Bit();
}

// Exit codes of the command line.
constexpr int UsageError = 2;

// The options; none of them needs a display, and their texts speak the
// user's language too. The game itself takes no arguments. Returns the exit
// code, or StartTheGame.
constexpr int StartTheGame = -1;
int RunCommandLine(int argc, char **argv)
{
    if (argc == 1)
        return StartTheGame;
    QCoreApplication core(argc, argv);
    InstallTranslations();
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::printf("%s%s", Translated(UsageLine).constData(), Translated(HelpText).constData());
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("divuz %s\n", DIVUZ_VERSION);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--check-data") == 0)
        return CDivuzApp().CheckData();
    // An option of ours followed by more, or anything else.
    const bool known = std::strcmp(argv[1], "--help") == 0 ||
                       std::strcmp(argv[1], "--version") == 0 ||
                       std::strcmp(argv[1], "--check-data") == 0;
    const QString unknown = QString::fromLocal8Bit(argv[known ? 2 : 1]);
    std::fprintf(stderr, "%s%s",
                 QCoreApplication::translate("main", "divuz: neznámý argument „%1“\n")
                     .arg(unknown)
                     .toLocal8Bit()
                     .constData(),
                 Translated(UsageLine).constData());
    return UsageError;
}

} // namespace

int main(int argc, char **argv)
{
    // Step 1. The options.
    if (const int code = RunCommandLine(argc, argv); code != StartTheGame)
        return code;

    // Step 2. The game.
    ErrorGuard<QApplication> application(argc, argv);
    SetErrorReporter(ShowError);
    CDivuzApp app;
    // The end of a session leaves as "&Konec" does: settings and table written.
    ExitSignals exitSignals([&app](int) { app.RequestExit(); });
    try {
        if (!app.InitInstance())
            return 1;
    } catch (const xError &error) {
        ShowError(error.GetText());
        return 1;
    }
    QuitAfterFirstPaint quitter;
    if (qEnvironmentVariableIsSet("DIVUZ_QUIT_AFTER_FIRST_PAINT"))
        application.installEventFilter(&quitter);
    // A signal during the start (a message box of its own runs an event loop)
    // has already closed the main window.
    if (!app.IsExiting())
        application.exec();
    return app.ExitInstance();
}
