#include "AdvertBar.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <mutex>

namespace
{

// What a layout may give along a stretched side.
constexpr int StretchedLength = 32767;

// The process-wide references. The component may call the repaint callback
// on a thread of its own, so they are read and written under the lock; the
// callback holds it while it posts the repaint, so the bar cannot go away
// in between.
std::mutex theLock;
CAdvertBar *theBar = nullptr;
const AimDll *theStartedComponent = nullptr;

} // namespace

CAdvertBar::CAdvertBar(int width, int height, std::int32_t value1, std::int16_t value2,
                       std::uint32_t value3, QWidget *parent, QStringList locations,
                       int lazyStartMs)
    : QWidget(parent), myWidth(width), myHeight(height), myValue1(value1), myValue2(value2),
      myValue3(value3), myLocations(std::move(locations))
{
    setObjectName("AdvertBar");
    // As wide as the room along the bottom, and exactly as high as the banner.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    {
        std::lock_guard lock(theLock);
        theBar = this;
    }
    QTimer::singleShot(lazyStartMs, this, [this] {
        if (!myInitialised)
            Initialise();
    });
}

CAdvertBar::~CAdvertBar()
{
    {
        std::lock_guard lock(theLock);
        if (theBar == this)
            theBar = nullptr;
        if (theStartedComponent == myAim.get())
            theStartedComponent = nullptr;
    }
    // Shut the component down outside the lock: it may wait for a thread of
    // its own that is just calling the repaint callback.
    myAim.reset();
}

CAdvertBar *CAdvertBar::TheBar()
{
    std::lock_guard lock(theLock);
    return theBar;
}

const AimDll *CAdvertBar::StartedComponent()
{
    std::lock_guard lock(theLock);
    return theStartedComponent;
}

void CAdvertBar::RepaintCallback(void *)
{
    std::lock_guard lock(theLock);
    if (!theStartedComponent || !theBar)
        return;
    // Widgets belong to the user-interface thread: only ask it to repaint.
    CAdvertBar *bar = theBar;
    QMetaObject::invokeMethod(
        bar, [bar] { bar->update(); }, Qt::QueuedConnection);
}

void CAdvertBar::SetScale(qreal scale)
{
    if (scale == myScale)
        return;
    myScale = scale;
    updateGeometry();
    resizeEvent(nullptr);
}

QSize CAdvertBar::CalcFixedLayout(bool stretch, bool horizontal) const
{
    const QSize banner(qRound(myWidth * myScale), qRound((myHeight + EdgeHeight) * myScale));
    if (!stretch)
        return banner;
    return horizontal ? QSize(StretchedLength, banner.height())
                      : QSize(banner.width(), StretchedLength);
}

QSize CAdvertBar::sizeHint() const
{
    return CalcFixedLayout(false, true);
}

// Narrower than the banner is fine: the banner then starts at the left edge.
QSize CAdvertBar::minimumSizeHint() const
{
    return {0, sizeHint().height()};
}

void CAdvertBar::Initialise()
{
    myAim = std::make_unique<AimDll>(myLocations, myValue1, nullptr, myValue2, myValue3);
    if (myAim->isOkay()) {
        std::lock_guard lock(theLock);
        theStartedComponent = myAim.get();
    }
    myInitialised = true;
    myAim->SetCallback(&CAdvertBar::RepaintCallback, nullptr);
}

void CAdvertBar::paintEvent(QPaintEvent *event)
{
    if (!myInitialised)
        Initialise();
    QPainter painter(this);
    // The background in the button-shadow colour with an etched line on
    // top (the shadow's top row, then a highlight row); it is all a bar
    // without a component shows.
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.fillRect(0, 1, width(), 1, palette().color(QPalette::Light));
    painter.scale(myScale, myScale);
    if (!event->region().isEmpty())
        myAim->Paint(&painter, myOffset, EdgeHeight);
}

void CAdvertBar::resizeEvent(QResizeEvent *)
{
    myOffset = std::max(0, (qRound(width() / myScale) - myWidth) / 2);
    update();
}

void CAdvertBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !myAim)
        return;
    // The component may take its time over a click.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    myAim->OnClick();
    QGuiApplication::restoreOverrideCursor();
}
