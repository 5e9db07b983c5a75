#pragma once

// The splash screen: picture 164 with the web and e-mail addresses written
// over it, shown when the main window is created. It goes away after six
// seconds or at the first key or mouse-button press anywhere in the
// program, and that press does nothing else. At most one exists at a time.

#include <QBasicTimer>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class SplashWnd : public QWidget
{
    Q_OBJECT

  public:
    static constexpr int LifetimeMs = 6000;

    // The application enables the splash first thing at start-up; until
    // then ShowSplash shows nothing.
    static void EnableSplash(bool enable);
    // Makes and shows the splash owned by parent, when enabled and none is
    // up already; it goes away by itself after lifetimeMs.
    static void ShowSplash(QWidget *parent, int lifetimeMs = LifetimeMs);
    // Called for every event before anybody else sees it: while the splash
    // is up, a key or mouse-button press hides it and counts as handled.
    static bool FilterSplashMessage(QEvent *event);
    // Takes the splash down and repaints the window it covered at once.
    static void HideSplash();
    // The splash that is up, or nullptr.
    static SplashWnd *Current();

    ~SplashWnd() override;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

  private:
    explicit SplashWnd(QWidget *parent);
    bool Create(int lifetimeMs);

    QPixmap myPicture;
    QBasicTimer myTimer;
    QPointer<QWidget> myOwner;
};

// Passes every event of the application through the splash's filter; the
// application installs one for its whole life.
class SplashMessageFilter : public QObject
{
  public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
