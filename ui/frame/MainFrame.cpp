#include "MainFrame.h"

#include "MainView.h"
#include "PanelSupport.h"

#include "DivuzApplication.h"
#include "DivuzCommands.h"
#include "DivuzDoc.h"
#include "DivuzEvents.h"
#include "Pictures.h"
#include "SettingsStore.h"
#include "StringTable.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

namespace {

constexpr int IdlePeriodMs = 250;
const char *const FileFilter = "Darudo Files (*.orb)";
const char *const Untitled = "Untitled";

// A menu entry: a command with its label, or a separator (id 0).
struct MenuItem {
    int id;
    const char *label;
};

const MenuItem FileMenu[] = {
    {ID_FILE_NEW, "&Nový\tCtrl+N"},  {0, nullptr},
    {ID_NEW_GAME, "Nová hra"},       {ID_NEW_TOURNAMENT, "Nový turnaj"},
    {0, nullptr},                    {ID_OPEN_GAME, "&Otevřít...\tCtrl+O"},
    {ID_FILE_SAVE_AS, "&Uložit\tCtrl+S"}, {0, nullptr},
    {ID_OPTIONS, "Volby"},           {ID_BEST_GAMES, "Nejlepší hráči"},
    {0, nullptr},                    {ID_APP_EXIT, "&Konec"},
};

const MenuItem WhoBeginsMenu[] = {
    {ID_WHO_PLAYER, "Hráč"}, {ID_WHO_COMPUTER, "Počítač"}, {ID_WHO_ALTERNATE, "Střídavě"}};

const MenuItem ViewMenu[] = {{ID_VIEW_TOOLBAR, "&Nástroje"},
                             {ID_VIEW_STATUS_BAR, "&Stavový řádek"},
                             {ID_VIEW_INFO, "&Informační panel"}};

const MenuItem HelpMenu[] = {{ID_HELP_FINDER, "&Témata nápovědy"}, {0, nullptr},
                             {ID_APP_ABOUT, "&O programu"}};

// Toolbar buttons in order; 0 is a separator. The picture strip holds one
// icon per button.
const int ToolBarButtons[] = {ID_FILE_NEW, ID_OPEN_GAME, ID_FILE_SAVE_AS, 0, ID_EDIT_UNDO, ID_REDO,
                              0,           ID_HINT,      0,               ID_GAME_EDITMODE, 0,
                              ID_OPTIONS,  ID_BEST_GAMES};

struct Accelerator {
    int id;
    QKeySequence keys;
};

// Commands whose keys work without (or besides) a menu item.
const Accelerator Accelerators[] = {
    {ID_FILE_NEW, QKeySequence(Qt::CTRL | Qt::Key_N)},
    {ID_FILE_OPEN, QKeySequence(Qt::CTRL | Qt::Key_O)},
    {ID_FILE_SAVE, QKeySequence(Qt::CTRL | Qt::Key_S)},
    {ID_EDIT_UNDO, QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {ID_REDO, QKeySequence(Qt::CTRL | Qt::Key_X)},
    {ID_HELP, QKeySequence(Qt::Key_F1)},
    {ID_CONTEXT_HELP, QKeySequence(Qt::SHIFT | Qt::Key_F1)},
    {ID_DEBUG_A, QKeySequence(Qt::Key_A)},
    {ID_DEBUG_B, QKeySequence(Qt::Key_B)},
    {ID_DEBUG_S, QKeySequence(Qt::Key_S)},
    {ID_DEBUG_DOWN, QKeySequence(Qt::Key_Down)},
    {ID_DEBUG_LEFT, QKeySequence(Qt::Key_Left)},
    {ID_DEBUG_RIGHT, QKeySequence(Qt::Key_Right)},
    {ID_DEBUG_UP, QKeySequence(Qt::Key_Up)},
};

// The two halves of a command's prompt: the status-bar text and the tooltip.
QStringList Prompt(int id)
{
    const char *text = LoadResourceString(id);
    return text ? QString::fromUtf8(text).split('\n') : QStringList();
}

// Commands whose windows come later: they are shown but cannot be used yet.
bool IsPending(int id)
{
    switch (id) {
    case ID_BEST_GAMES:
    case ID_APP_ABOUT:
    case ID_HELP_FINDER:
    case ID_HELP:
    case ID_CONTEXT_HELP:
    case ID_DEFAULT_HELP:
        return true;
    default:
        return false;
    }
}

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

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    for (const Accelerator &a : Accelerators) {
        QAction *action = MakeAction(a.id);
        action->setShortcut(a.keys);
        addAction(action);
    }

    restoreState(QSettings("Zidude", "Divuz").value("BarState").toByteArray());
    FitToLayout();

    connect(&myIdleTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    myIdleTimer.start(IdlePeriodMs);
    UpdateCommandUI();

    UpdateMusic();
}

CMainFrame::~CMainFrame()
{
    // The piece goes before the window that receives its end.
    myMidiWnd.Close();
}

QAction *CMainFrame::MakeAction(int id, const QString &label)
{
    QAction *&action = myActions[id];
    if (!action) {
        action = new QAction(this);
        action->setData(id);
        const QStringList prompt = Prompt(id);
        if (!prompt.isEmpty())
            action->setStatusTip(prompt.front());
        if (prompt.size() > 1)
            action->setToolTip(prompt.back());
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    if (!label.isEmpty()) {
        // The label keeps its shortcut text after the tab; the menu shows it
        // as the item's shortcut column.
        action->setText(label);
    }
    return action;
}

QAction *CMainFrame::Action(int id) const
{
    auto it = myActions.find(id);
    return it == myActions.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus()
{
    auto fill = [this](QMenu *menu, const auto &items) {
        for (const MenuItem &item : items) {
            if (item.id == 0)
                menu->addSeparator();
            else
                menu->addAction(MakeAction(item.id, QString::fromUtf8(item.label)));
        }
    };
    fill(menuBar()->addMenu("&Soubor"), FileMenu);

    QMenu *game = menuBar()->addMenu("&Hra");
    game->addAction(MakeAction(ID_EDIT_UNDO, "&Zpět\tCtrl+Z"));
    game->addAction(MakeAction(ID_REDO, "&Opakovat\tCtrl+X"));
    game->addSeparator();
    fill(game->addMenu("&Kdo začíná"), WhoBeginsMenu);
    game->addAction(MakeAction(ID_GAME_EDITMODE, "&Editovací režim"));
    game->addAction(MakeAction(ID_HINT, "&Nápověda"));

    fill(menuBar()->addMenu("&Zobrazit"), ViewMenu);
    fill(menuBar()->addMenu("&Nápověda"), HelpMenu);

    for (const int id : std::initializer_list<int>{ID_WHO_PLAYER, ID_WHO_COMPUTER, ID_WHO_ALTERNATE, ID_GAME_EDITMODE, ID_VIEW_TOOLBAR,
                   ID_VIEW_STATUS_BAR, ID_VIEW_INFO})
        Action(id)->setCheckable(true);
}

void CMainFrame::CreateToolBar()
{
    myToolBar = addToolBar("Nástroje");
    myToolBar->setObjectName("ToolBar");
    myToolBar->setIconSize(QSize(16, 15));
    myToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const qreal dpr = devicePixelRatioF();
    const QPixmap strip = DivuzPicture(PictureToolbar, dpr);
    int icon = 0;
    for (int id : ToolBarButtons) {
        if (id == 0) {
            myToolBar->addSeparator();
            continue;
        }
        const QRect cell = DivuzPictureCellRect(PictureToolbar, icon++);
        QPixmap picture = strip.copy(QRectF(cell.topLeft() * dpr, cell.size() * dpr).toRect());
        picture.setDevicePixelRatio(dpr);
        QAction *action = MakeAction(id);
        action->setIcon(QIcon(picture));
        if (action->text().isEmpty())
            action->setText(action->toolTip());
        myToolBar->addAction(action);
    }
    // Showing, hiding or moving the toolbar changes the room around the view.
    connect(myToolBar, &QToolBar::visibilityChanged, this, [this] { FitToLayout(); });
    connect(myToolBar, &QToolBar::topLevelChanged, this, [this] { FitToLayout(); });
}

void CMainFrame::CreateStatusBar()
{
    myStatusPane = new QLabel(this);
    myStatusPane->setObjectName("GameStatus");
    const char *sample = LoadResourceString(ID_GAME_STATUS);
    myStatusPane->setMinimumWidth(myStatusPane->fontMetrics().horizontalAdvance(
        QString::fromUtf8(sample ? sample : "")));
    statusBar()->addPermanentWidget(myStatusPane);
}

CommandState CMainFrame::StateOf(int id) const
{
    CommandState state;
    if (myAppState && myAppState(id, state))
        return state;
    if (IsPending(id)) {
        state.enabled = false;
        return state;
    }
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
        return true;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        FitToLayout();
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

void CMainFrame::OnFileNew()
{
    myDocument->OnNewDocument();
    myPathName = Untitled;
    myView->update();
}

void CMainFrame::OnOpenGame()
{
    // The open command always asks for a file, even for the game open now,
    // and the window shows no file name afterwards.
    myPathName = Untitled;
    OpenFile();
    myPathName = Untitled;
}

void CMainFrame::OpenFile()
{
    const QString path = myPrompt ? myPrompt(false)
                                  : QFileDialog::getOpenFileName(this, "Otevřít", QString(),
                                                                 FileFilter);
    if (path.isEmpty())
        return;
    QString error;
    QString caption;
    if (!myDocument->OpenGame(path, &error, &caption)) {
        ShowFileProblem(caption, error);
        return;
    }
    myPathName = path;
    myView->update();
    UpdateCommandUI();
}

void CMainFrame::SaveFile(bool askForName)
{
    QString path = myPathName;
    if (askForName) {
        path = myPrompt ? myPrompt(true)
                        : QFileDialog::getSaveFileName(this, "Uložit", QString(), FileFilter);
        if (path.isEmpty())
            return;
        if (!path.endsWith(".orb", Qt::CaseInsensitive))
            path += ".orb";
    }
    QString error;
    if (!myDocument->SaveGame(path, &error)) {
        ShowFileProblem("Divuz", error);
        return;
    }
    myPathName = path;
}

void CMainFrame::ShowFileProblem(const QString &caption, const QString &text)
{
    QMessageBox::warning(this, caption.isEmpty() ? QString("Divuz") : caption, text);
}

void CMainFrame::FitToLayout()
{
    const DivuzOptions options = RequireApplication("CMainFrame::PreCreateWindow").GetOptions();
    const WndLayout &l = options.WndLayout;
    const LayoutRect rects[] = {l.PoleWndLayout.Rect,  l.TextWndLayout.Rect,  l.SpareLayout.Rect,
                                l.ScoreWndLayout.Rect, l.TimeWndLayout.Rect, l.PriceWndLayout.Rect,
                                l.LevelWndLayout.Rect};
    QRect target = ToQRect(l.PoleWndLayout.Rect);
    if (options.IsViewInfo)
        for (const LayoutRect &r : rects)
            target |= ToQRect(r);
    // The view keeps its children at their rectangles; a smaller view simply
    // leaves the panel outside its visible area.
    myView->setFixedSize(target.right() + 1, target.bottom() + 1);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    adjustSize();
    setFixedSize(sizeHint());
}

void CMainFrame::PlaceOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->geometry();
    const QSize size = frameGeometry().size();
    move(s.left() + (s.width() - size.width()) / 2, s.top() + (s.height() - size.height()) / 2 - 70);
}

bool CMainFrame::event(QEvent *event)
{
    if (event->type() == DivuzCommandEvent::EventType()) {
        const int id = static_cast<DivuzCommandEvent *>(event)->Command();
        if (id == WM_FIT_FRAME) {
            FitToLayout();
            myView->update();
        } else if (id == WM_NEXT_MUSIC) {
            OnEndMusic();
        } else if (id == ID_TOURNAMENT_WIN) {
            // The best-games table has no windows yet.
        } else {
            OnCommand(id);
        }
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    QSettings("Zidude", "Divuz").setValue("BarState", saveState());
    QMainWindow::closeEvent(event);
}

void CMainFrame::UpdateMusic()
{
    // Step 1. The settings as they are now; the playing piece stops.
    const DivuzOptions options = RequireApplication("CMainFrame::UpdateMusic").GetOptions();
    myMidiWnd.Close();
    // Step 2. Music off: silence.
    if (!options.IsMusicOn)
        return;
    // Step 3. One piece after another plays each piece once; the other two
    // modes loop it until the game or the user changes it.
    std::uint32_t flags;
    switch (options.MusicMode) {
    case 0:
        flags = MidiWnd::Play;
        break;
    case 1:
    case 2:
        flags = MidiWnd::Play | MidiWnd::Loop;
        break;
    default:
        throw xProgramme("CMainFrame::UpdateMusic :Strange MusicMode");
    }
    // Step 4. A piece that cannot be opened is silence until the next 2022.
    myMidiWnd.Open(this, MusicFolder(options) + options.MusicName, flags);
}

int CMainFrame::OnEndMusic()
{
    IDivuzApplication &app = RequireApplication("CMainFrame::OnEndMusic");
    DivuzOptions options = app.GetOptions();
    PickNextMusic(options);
    app.SetOptions(options);
    UpdateMusic();
    return 1;
}
