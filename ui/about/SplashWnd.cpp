#include "SplashWnd.h"

#include "Contacts.h"
#include "Pictures.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include <algorithm>

namespace
{

bool splashEnabled = false;
SplashWnd *theSplash = nullptr;

// The two contact lines and where they go on the picture.
const QRect WebLine(QPoint(171, 226), QPoint(379, 247));
const QRect EmailLine(QPoint(178, 249), QPoint(371, 265));

// A bold sans-serif face close to Arial whose line (ascent plus descent)
// is nine tenths of the rectangle's height, made smaller when the text
// would not fit the rectangle's width: a clipped address is of no use.
QFont LineFont(const QRect &where, const QString &text)
{
    const int cell = where.height() * 9 / 10;
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(cell);
    const QFontMetricsF metrics(font);
    const qreal scale =
        std::min(cell / metrics.height(),
                 cell * where.width() / (metrics.height() * metrics.horizontalAdvance(text)));
    font.setPixelSize(std::max(1, int(cell * scale)));
    return font;
}

void DrawLine(QPainter &p, const QRect &where, const QColor &ink, const QString &text)
{
    p.setFont(LineFont(where, text));
    p.setPen(ink);
    p.drawText(where, Qt::AlignCenter | Qt::TextSingleLine, text);
}

bool IsPress(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress: {
        const auto button = static_cast<const QMouseEvent *>(event)->button();
        return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
    }
    default:
        return false;
    }
}

} // namespace

SplashWnd::SplashWnd(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), myOwner(parent)
{
    setObjectName(QStringLiteral("SplashWnd"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The keyboard stays with the main window underneath.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
}

SplashWnd::~SplashWnd()
{
    if (theSplash == this)
        theSplash = nullptr;
}

void SplashWnd::EnableSplash(bool enable)
{
    splashEnabled = enable;
}

void SplashWnd::ShowSplash(QWidget *parent, int lifetimeMs)
{
    if (!splashEnabled || theSplash != nullptr)
        return;
    auto *splash = new SplashWnd(parent);
    if (!splash->Create(lifetimeMs)) {
        delete splash;
        return;
    }
    theSplash = splash;
    splash->show();
    splash->repaint();
}

bool SplashWnd::Create(int lifetimeMs)
{
    myPicture = DivuzPicture(PictureSplash, devicePixelRatioF());
    if (myPicture.isNull())
        return false;
    setFixedSize(DivuzPictureSize(PictureSplash));
    const QScreen *screen =
        myOwner && myOwner->screen() ? myOwner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect centred(QPoint(), size());
        centred.moveCenter(screen->geometry().center());
        move(centred.topLeft());
    }
    myTimer.start(lifetimeMs, this);
    return true;
}

SplashWnd *SplashWnd::Current()
{
    return theSplash;
}

bool SplashWnd::FilterSplashMessage(QEvent *event)
{
    if (theSplash == nullptr)
        return false;
    // A key that belongs to a shortcut is offered to the focus widget first;
    // claiming it here keeps the shortcut from firing, and the key press
    // that follows then takes the splash down.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (!IsPress(event))
        return false;
    HideSplash();
    return true;
}

void SplashWnd::HideSplash()
{
    SplashWnd *splash = theSplash;
    if (splash == nullptr)
        return;
    theSplash = nullptr;
    splash->myTimer.stop();
    // Where the platform let the splash take the keyboard, it goes back to
    // the window underneath.
    const bool wasActive = splash->isActiveWindow();
    splash->close();
    if (QWidget *owner = splash->myOwner ? splash->myOwner->window() : nullptr) {
        if (wasActive)
            owner->activateWindow();
        owner->repaint();
    }
}

void SplashWnd::paintEvent(QPaintEvent *)
{
    QPixmap surface = myPicture;
    {
        QPainter p(&surface);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QString web = QString::fromLatin1(DivuzWebAddress);
        const QString email = QString::fromLatin1(DivuzEmailAddress);
        DrawLine(p, WebLine, QColor(255, 0, 0), web);
        DrawLine(p, EmailLine, QColor(0, 0, 0), tr("E-mail:  %1").arg(email));
    }
    QPainter(this).drawPixmap(0, 0, surface);
}

void SplashWnd::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == myTimer.timerId())
        HideSplash();
    else
        QWidget::timerEvent(event);
}

bool SplashMessageFilter::eventFilter(QObject *, QEvent *event)
{
    return SplashWnd::FilterSplashMessage(event);
}
