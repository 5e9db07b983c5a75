#include "DivuzView.h"

#include "DivuzApplication.h"
#include "DivuzDoc.h"
#include "MediaPlayer.h"
#include "PanelSupport.h"
#include "Random.h"
#include "ViewSounds.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimerEvent>

namespace
{
constexpr int PulseMs = 100;
}

CDivuzView::CDivuzView(CDivuzDoc *document, QWidget *parent)
    : CDivuzViewBase(parent), myDocument(document)
{
    setObjectName("CDivuzView");
    // Every child paints its whole rectangle, so nothing needs erasing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    myPulse.start(PulseMs, this);
    const bool created = myPoleWnd.MyCreate(this) && myTextWnd.MyCreate(this) &&
                         myLevelWnd.MyCreate(this) && myScoreWnd.MyCreate(this) &&
                         myTimeWnd.MyCreate(this) && myPriceWnd.MyCreate(this);
    if (!created)
        throw xProgramme("CDivuzView::OnCreate : a child window could not be created");
    // What assistive technology calls each window (the board names itself).
    myTextWnd.setAccessibleName(QCoreApplication::translate("CDivuzView", "Hráč a počítač"));
    myLevelWnd.setAccessibleName(QCoreApplication::translate("CDivuzView", "Úroveň"));
    myScoreWnd.setAccessibleName(QCoreApplication::translate("CDivuzView", "Skóre"));
    myTimeWnd.setAccessibleName(QCoreApplication::translate("CDivuzView", "Čas"));
    myPriceWnd.setAccessibleName(QCoreApplication::translate("CDivuzView", "Šance"));
    if (myDocument)
        myDocument->AddView(this);
}

CDivuzView::~CDivuzView()
{
    if (myDocument)
        myDocument->RemoveView(this);
}

void CDivuzView::OnUpdate()
{
    Sounds();
    myPoleWnd.OnUpdate();
    myTextWnd.OnUpdate();
    myLevelWnd.OnUpdate();
    myScoreWnd.OnUpdate();
    myTimeWnd.OnUpdate();
    myPriceWnd.OnUpdate();
    if (myDocument)
        myDocument->ClearSoundEvent();
    if (myListener)
        myListener();
}

void CDivuzView::Sounds()
{
    const DivuzOptions options = RequireApplication("PoleWnd::MyCreate").GetOptions();
    if (!options.IsSoundOn || !myDocument)
        return;
    DataDivuzDoc data;
    myDocument->GetData(data);
    // The winning and losing sounds are drawn from the program's one
    // generator, the engine's.
    const SoundChoice choice =
        ChooseSound(data.SoundEvent, data.GameMode, [] { return EngineRandom::Random(5); });
    if (choice.index < 0)
        return;
    CurrentMediaPlayer().PlayWave(SoundFolder(options) + options.SoundNames[choice.index],
                                  choice.interrupt);
}

void CDivuzView::SetScale(qreal scale)
{
    if (scale == myScale)
        return;
    myScale = scale;
    for (ViewChildWnd *child : std::initializer_list<ViewChildWnd *>{
             &myPoleWnd, &myTextWnd, &myLevelWnd, &myScoreWnd, &myTimeWnd, &myPriceWnd})
        child->FitToView();
    update();
}

void CDivuzView::paintEvent(QPaintEvent *)
{
    // The only area of the view no child covers.
    const DivuzOptions options = RequireApplication("PoleWnd::MyCreate").GetOptions();
    QPainter painter(this);
    painter.fillRect(ScaledRect(options.WndLayout.SpareLayout.Rect, myScale),
                     QColor(192, 192, 192));
}

void CDivuzView::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == myPulse.timerId() && myDocument && (!myClockGate || myClockGate()))
        myDocument->OnTimePulse();
    CDivuzViewBase::timerEvent(event);
}
