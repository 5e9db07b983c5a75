#include "MainFrame.h"

#include "DivuzView.h"
#include "PanelSupport.h"
#include "WindowPlacement.h"

#include "DivuzApplication.h"
#include "DivuzCommands.h"
#include "DivuzDoc.h"
#include "DivuzEvents.h"
#include "Pictures.h"
#include "StringTable.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int IdlePeriodMs = 250;
// How often and how long the frame looks for the window manager's frame
// around it after it was shown.
constexpr int PlacementPollMs = 50;
constexpr int PlacementWaitMs = 3000;
// A view shrunk to fit a small screen keeps at least this share of its size,
// and a little less than what would just fit, against rounding.
constexpr qreal MinShrink = 0.25;
constexpr qreal ShrinkSlack = 0.01;

// Holds a bar along the bottom of the window. It takes the window's width
// and never asks for more, so the view alone decides how wide the window is.
class BottomBarHolder : public QToolBar
{
  public:
    using QToolBar::QToolBar;
    QSize sizeHint() const override { return {0, QToolBar::sizeHint().height()}; }
};

} // namespace

CMainFrame::CMainFrame(CDivuzDoc *document, QWidget *parent)
    : QMainWindow(parent), myDocument(document)
{
    setObjectName("CMainFrame");
    // A fixed window: no maximise button, and FitToLayout fixes the size.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle("Divuz");

    myView = new CDivuzView(document, this);
    setCentralWidget(myView);
    myView->SetUpdateListener([this] { UpdateCommandUI(); });
    if (myDocument)
        myDocument->SetRequestListener([this] { UpdateCommandUI(); });

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateAccelerators();
    KeepKeyboardOnTheView();

    RestoreBarState();
    FitToLayout();

    connect(&myIdleTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    myIdleTimer.start(IdlePeriodMs);
    UpdateCommandUI();

    UpdateMusic();
}

CMainFrame::~CMainFrame()
{
    // The piece goes before the window that receives its end; the document
    // may outlive the frame.
    myMidiWnd.Close();
    if (myDocument)
        myDocument->SetRequestListener({});
}

CommandState CMainFrame::StateOf(int id) const
{
    CommandState state;
    if (myAppState && myAppState(id, state))
        return state;
    switch (id) {
    case ID_VIEW_TOOLBAR:
        state.checked = myToolBar->isVisible();
        return state;
    case ID_VIEW_STATUS_BAR:
        state.checked = statusBar()->isVisible();
        return state;
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_OPEN_GAME:
    case ID_APP_EXIT:
        return state;
    default:
        break;
    }
    return myDocument ? myDocument->CommandState(id) : CommandState{false, false};
}

void CMainFrame::UpdateCommandUI()
{
    for (auto &[id, action] : myActions) {
        const CommandState state = StateOf(id);
        action->setEnabled(state.enabled);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
    if (myDocument)
        myStatusPane->setText(myDocument->OnUpdateGameStatus());
}

void CMainFrame::SetApplicationCommands(AppCommandHandler handler, AppCommandState state)
{
    myAppHandler = std::move(handler);
    myAppState = std::move(state);
    UpdateCommandUI();
}

bool CMainFrame::OnCommand(int id)
{
    if (!StateOf(id).enabled)
        return false;
    switch (id) {
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    case ID_OPEN_GAME:
        OnOpenGame();
        return true;
    case ID_FILE_OPEN:
        OpenFile();
        return true;
    case ID_FILE_SAVE:
        SaveFile(myPathName == Untitled);
        return true;
    case ID_FILE_SAVE_AS:
        SaveFile(true);
        return true;
    case ID_APP_EXIT:
        close();
        return true;
    case ID_VIEW_TOOLBAR:
        myToolBar->setVisible(!myToolBar->isVisible());
        FitToLayout();
        SaveBarState();
        UpdateCommandUI();
        return true;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        FitToLayout();
        SaveBarState();
        UpdateCommandUI();
        return true;
    default:
        break;
    }
    if (myAppHandler && myAppHandler(id)) {
        UpdateCommandUI();
        return true;
    }
    const bool handled = myDocument && myDocument->OnCommand(id);
    UpdateCommandUI();
    return handled;
}

void CMainFrame::FitToLayout()
{
    const DivuzOptions options = RequireApplication("CMainFrame::PreCreateWindow").GetOptions();
    const WndLayout &l = options.WndLayout;
    const LayoutRect rects[] = {l.PoleWndLayout.Rect,  l.TextWndLayout.Rect, l.SpareLayout.Rect,
                                l.ScoreWndLayout.Rect, l.TimeWndLayout.Rect, l.PriceWndLayout.Rect,
                                l.LevelWndLayout.Rect};
    QRect target = ToQRect(l.PoleWndLayout.Rect);
    if (options.IsViewInfo)
        for (const LayoutRect &r : rects)
            target |= ToQRect(r);
    // The chosen size, made smaller where the screen has no room for it.
    const qreal scale = options.Zoom / qreal(DefaultZoom) * myShrink;
    myView->SetScale(scale);
    emit ScaleChanged(scale);
    // The view keeps its children at their rectangles; a smaller view simply
    // leaves the panel outside its visible area.
    myView->setFixedSize(int(std::lround((target.right() + 1) * scale)),
                         int(std::lround((target.bottom() + 1) * scale)));
    FitStatusPane();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    setFixedSize(sizeHint());
    layout()->invalidate();
}

void CMainFrame::AddBottomBar(QWidget *bar)
{
    // The bottom toolbar area spans the whole window; a toolbar that cannot
    // be moved, floated or switched off holds the bar there, without margins.
    auto *holder = new BottomBarHolder(this);
    holder->setObjectName(bar->objectName() + "Holder");
    holder->setMovable(false);
    holder->setFloatable(false);
    holder->toggleViewAction()->setVisible(false);
    holder->layout()->setContentsMargins(0, 0, 0, 0);
    holder->addWidget(bar);
    addToolBar(Qt::BottomToolBarArea, holder);
    myBottomBar = holder;
    FitToLayout();
}

const QScreen *CMainFrame::Screen() const
{
    return screen() ? screen() : QGuiApplication::primaryScreen();
}

QMargins CMainFrame::FrameMargins() const
{
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void CMainFrame::FitToScreen()
{
    // Step 1. The chosen size as it is.
    myShrink = 1.0;
    FitToLayout();
    const QScreen *screen = Screen();
    if (!screen)
        return;
    // Step 2. Where even the whole screen is too small for the frame, the
    // view and the bar below it are drawn smaller until it fits; the menus,
    // the toolbar and the status bar keep their size.
    const QSize room = screen->availableGeometry().size().shrunkBy(FrameMargins());
    const int bar = myBottomBar && myBottomBar->isVisible() ? myBottomBar->height() : 0;
    const QSize scaled(myView->width(), myView->height() + bar);
    const QSize fixed = size() - scaled;
    if (scaled.width() <= 0 || scaled.height() <= 0)
        return;
    const qreal fit = std::min(qreal(room.width() - fixed.width()) / scaled.width(),
                               qreal(room.height() - fixed.height()) / scaled.height());
    if (fit < 1.0) {
        myShrink = std::max(MinShrink, fit - ShrinkSlack);
        FitToLayout();
    }
}

void CMainFrame::PlaceOnScreen()
{
    const QScreen *screen = Screen();
    if (!screen)
        return;
    FitToScreen();
    // The client area is placed, which means the same whether or not the
    // window manager has framed the window yet.
    const QMargins margins = FrameMargins();
    const QRect client = geometry();
    move(pos() + ::PlaceOnScreen(screen->geometry(), screen->availableGeometry(), size(), margins) -
         client.topLeft());
    // A window manager frames the window a moment after it is shown; until
    // then the title bar's height is unknown. The placement is made again
    // once it is known, or given up when no frame comes (no window manager).
    if (margins.isNull() && !myPlacementWait.isValid()) {
        myPlacementWait.start();
        QTimer::singleShot(PlacementPollMs, this, &CMainFrame::PlaceOnceFramed);
    }
}

void CMainFrame::KeepOnScreen()
{
    const QScreen *screen = Screen();
    if (!screen || !isVisible())
        return;
    const QRect outer = geometry().marginsAdded(FrameMargins());
    const QPoint inside = MoveInside(screen->availableGeometry(), outer.topLeft(), outer.size());
    if (inside != outer.topLeft())
        move(pos() + inside - outer.topLeft());
}

void CMainFrame::PlaceOnceFramed()
{
    if (frameGeometry() != geometry()) {
        PlaceOnScreen();
        return;
    }
    if (myPlacementWait.elapsed() < PlacementWaitMs)
        QTimer::singleShot(PlacementPollMs, this, &CMainFrame::PlaceOnceFramed);
}

bool CMainFrame::event(QEvent *event)
{
    if (event->type() == DivuzCommandEvent::EventType()) {
        const int id = static_cast<DivuzCommandEvent *>(event)->Command();
        if (id == WM_FIT_FRAME) {
            // A larger size may not fit where the window stands, or at all.
            FitToScreen();
            KeepOnScreen();
            myView->update();
        } else if (id == WM_NEXT_MUSIC) {
            OnEndMusic();
        } else {
            OnCommand(id);
        }
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    SaveBarState();
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}
