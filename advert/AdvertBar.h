#pragma once

// The banner bar along the bottom of the main window. It starts the banner
// component lazily (at its first paint, or three seconds after it was made,
// whichever comes first), lets it paint its banner centred in the bar,
// repaints when the component reports a new banner and passes clicks on to
// it. Without a component the bar shows only its background and edge.

#include "AimDll.h"

#include <QWidget>

#include <cstdint>
#include <memory>

class CAdvertBar : public QWidget
{
    Q_OBJECT

  public:
    // The edge drawn along the top; the banner is painted just below it.
    static constexpr int EdgeHeight = 2;

    // The component starts at the bar's first paint, or this long after the
    // bar was made if it is never painted.
    static constexpr int LazyStartMs = 3000;

    // width and height: the banner's size; the three values go to the
    // component's start-up. The component is looked for at locations.
    CAdvertBar(int width, int height, std::int32_t value1, std::int16_t value2,
               std::uint32_t value3, QWidget *parent = nullptr,
               QStringList locations = AimDll::ComponentLocations(), int lazyStartMs = LazyStartMs);
    ~CAdvertBar() override;

    // The size the bar asks of the layout: the banner and the edge, or as
    // long as the layout can give along the side it is stretched.
    QSize CalcFixedLayout(bool stretch, bool horizontal) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    bool IsInitialised() const { return myInitialised; }
    // The component wrapper; null until the bar is initialised.
    const AimDll *Component() const { return myAim.get(); }
    // Where the banner starts, centred in the bar and never left of it, in
    // the banner's own units.
    int AdvertOffset() const { return myOffset; }
    // Shows the bar and its banner at the scale of the view above it; the
    // component keeps drawing its banner at its own size into a painter
    // scaled to fit.
    void SetScale(qreal scale);

    // The bar that exists, and the component that started; null when none.
    static CAdvertBar *TheBar();
    static const AimDll *StartedComponent();

    // The component calls this, from any thread, when it has a new banner.
    static void RepaintCallback(void *context);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    void Initialise();

    std::unique_ptr<AimDll> myAim;
    bool myInitialised = false;
    qreal myScale = 1.0;
    int myWidth;
    int myHeight;
    int myOffset = 0;
    std::int32_t myValue1;
    std::int16_t myValue2;
    std::uint32_t myValue3;
    QStringList myLocations;
};
