// Divuz: five in a row against the computer.

#include "DivuzApp.h"
#include "ErrorReport.h"
#include "ExitSignals.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

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

} // namespace

int main(int argc, char **argv)
{
    // The one option: report where the data was found, without a window.
    if (argc == 2 && std::strcmp(argv[1], "--check-data") == 0) {
        QCoreApplication core(argc, argv);
        return CDivuzApp().CheckData();
    }
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
