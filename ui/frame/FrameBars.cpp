// The frame's bars: the menus, the toolbar, the accelerators and the status
// bar with the game-status pane, and how their state is kept between runs.

#include "MainFrame.h"

#include "DivuzView.h"

#include "Pictures.h"
#include "ResourceText.h"
#include "SettingsStore.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <array>

namespace
{

// A menu entry: a command with its label, or a separator (id 0).
struct MenuItem {
    int id;
    const char *label;
};

// Every item has a letter of its own within its menu (after the '&'), so
// the keyboard reaches it directly.
const MenuItem FileMenu[] = {
    {ID_FILE_NEW, QT_TRANSLATE_NOOP("CMainFrame", "&Nový\tCtrl+N")},
    {0, nullptr},
    {ID_NEW_GAME, QT_TRANSLATE_NOOP("CMainFrame", "Nová &hra")},
    {ID_NEW_TOURNAMENT, QT_TRANSLATE_NOOP("CMainFrame", "Nový &turnaj")},
    {0, nullptr},
    {ID_OPEN_GAME, QT_TRANSLATE_NOOP("CMainFrame", "&Otevřít...\tCtrl+O")},
    {ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CMainFrame", "&Uložit\tCtrl+S")},
    {0, nullptr},
    {ID_OPTIONS, QT_TRANSLATE_NOOP("CMainFrame", "&Volby")},
    {ID_BEST_GAMES, QT_TRANSLATE_NOOP("CMainFrame", "Nej&lepší hráči")},
    {0, nullptr},
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CMainFrame", "&Konec")},
};

const MenuItem WhoBeginsMenu[] = {{ID_WHO_PLAYER, QT_TRANSLATE_NOOP("CMainFrame", "&Hráč")},
                                  {ID_WHO_COMPUTER, QT_TRANSLATE_NOOP("CMainFrame", "&Počítač")},
                                  {ID_WHO_ALTERNATE, QT_TRANSLATE_NOOP("CMainFrame", "&Střídavě")}};

const MenuItem ViewMenu[] = {
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CMainFrame", "&Nástroje")},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CMainFrame", "&Stavový řádek")},
    {ID_VIEW_INFO, QT_TRANSLATE_NOOP("CMainFrame", "&Informační panel")}};

const MenuItem ZoomMenu[] = {{ID_VIEW_ZOOM_100, QT_TRANSLATE_NOOP("CMainFrame", "&100 %")},
                             {ID_VIEW_ZOOM_150, QT_TRANSLATE_NOOP("CMainFrame", "1&50 %")},
                             {ID_VIEW_ZOOM_200, QT_TRANSLATE_NOOP("CMainFrame", "&200 %")}};

const MenuItem HelpMenu[] = {{ID_HELP_FINDER, QT_TRANSLATE_NOOP("CMainFrame", "&Témata nápovědy")},
                             {0, nullptr},
                             {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "&O programu")}};

// Toolbar buttons in order; 0 is a separator. The picture strip holds one
// icon per button.
const int ToolBarButtons[] = {ID_FILE_NEW,
                              ID_OPEN_GAME,
                              ID_FILE_SAVE_AS,
                              0,
                              ID_EDIT_UNDO,
                              ID_REDO,
                              0,
                              ID_HINT,
                              0,
                              ID_GAME_EDITMODE,
                              0,
                              ID_OPTIONS,
                              ID_BEST_GAMES};

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
    const QString text = ResourceText(id);
    return text.isEmpty() ? QStringList() : text.split('\n');
}

} // namespace

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
                menu->addAction(MakeAction(item.id, tr(item.label)));
        }
    };
    fill(menuBar()->addMenu(tr("&Soubor")), FileMenu);

    QMenu *game = menuBar()->addMenu(tr("&Hra"));
    game->addAction(MakeAction(ID_EDIT_UNDO, tr("&Zpět\tCtrl+Z")));
    game->addAction(MakeAction(ID_REDO, tr("&Opakovat\tCtrl+X")));
    game->addSeparator();
    fill(game->addMenu(tr("&Kdo začíná")), WhoBeginsMenu);
    game->addAction(MakeAction(ID_GAME_EDITMODE, tr("&Editovací režim")));
    game->addAction(MakeAction(ID_HINT, tr("&Nápověda", "a move advised to the player")));

    QMenu *view = menuBar()->addMenu(tr("&Zobrazit"));
    fill(view, ViewMenu);
    fill(view->addMenu(tr("&Velikost")), ZoomMenu);
    fill(menuBar()->addMenu(tr("&Nápověda", "the help menu")), HelpMenu);

    for (const int id : std::initializer_list<int>{ID_WHO_PLAYER, ID_WHO_COMPUTER, ID_WHO_ALTERNATE,
                                                   ID_GAME_EDITMODE, ID_VIEW_TOOLBAR,
                                                   ID_VIEW_STATUS_BAR, ID_VIEW_INFO})
        Action(id)->setCheckable(true);
    // Exactly one of each holds: radio items.
    for (const auto &ids : {std::array{ID_WHO_PLAYER, ID_WHO_COMPUTER, ID_WHO_ALTERNATE},
                            std::array{ID_VIEW_ZOOM_100, ID_VIEW_ZOOM_150, ID_VIEW_ZOOM_200}}) {
        auto *group = new QActionGroup(this);
        group->setExclusive(true);
        for (const int id : ids) {
            Action(id)->setCheckable(true);
            group->addAction(Action(id));
        }
    }
}

void CMainFrame::CreateToolBar()
{
    myToolBar = addToolBar(tr("Nástroje"));
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
    // The frame is fitted once the toolbar has settled: fitted in the middle
    // of a drag, the bars below keep the places they had before.
    connect(myToolBar, &QToolBar::visibilityChanged, this, &CMainFrame::FitToLayout,
            Qt::QueuedConnection);
    connect(myToolBar, &QToolBar::topLevelChanged, this, &CMainFrame::FitToLayout,
            Qt::QueuedConnection);
}

void CMainFrame::CreateStatusBar()
{
    myStatusPane = new QLabel(this);
    myStatusPane->setObjectName("GameStatus");
    statusBar()->addPermanentWidget(myStatusPane);
}

void CMainFrame::CreateAccelerators()
{
    for (const Accelerator &a : Accelerators) {
        QAction *action = MakeAction(a.id);
        action->setShortcut(a.keys);
        addAction(action);
    }
}

void CMainFrame::KeepKeyboardOnTheView()
{
    // A menu bar left holding the keyboard opens its menus on plain letters
    // and Enter then runs the highlighted item, so a stray "s" and Enter
    // would start a new game. The board holds the keyboard instead, for
    // play with the arrows and Enter: a click on it or Tab takes it there,
    // and so does the end of every menu.
    myView->setFocusProxy(&myView->Board());
    myView->setFocusPolicy(Qt::StrongFocus);
    myView->setFocus();
    for (QAction *entry : menuBar()->actions())
        if (QMenu *menu = entry->menu())
            connect(menu, &QMenu::aboutToHide, this, &CMainFrame::ReturnKeyboardToView,
                    Qt::QueuedConnection);
}

void CMainFrame::ReturnKeyboardToView()
{
    // Moving from one menu to the next closes the first one; that is no end.
    if (QApplication::activePopupWidget() == nullptr && !myView->hasFocus())
        myView->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::FitStatusPane()
{
    // The pane keeps the width of the longest status text, so the prompt
    // line does not jump as the game goes on. In a window too narrow for
    // that, the pane takes only what its text needs and the prompt line the
    // rest.
    int longest = 0;
    for (int id : StatusTextIds) {
        longest =
            std::max(longest, myStatusPane->fontMetrics().horizontalAdvance(ResourceText(id)));
    }
    const int width = 2 * longest <= myView->width() ? longest : 0;
    if (width == myStatusPane->minimumWidth())
        return;
    myStatusPane->setMinimumWidth(width);
    // The label keeps the size it worked out under the old minimum until its
    // text changes; setting the text again makes it measure afresh.
    const QString text = myStatusPane->text();
    myStatusPane->clear();
    myStatusPane->setText(text);
}

void CMainFrame::RestoreBarState()
{
    const BarMemory bars = LoadBarMemory();
    restoreState(bars.Layout);
    // The toolbar's state covers the docked bars only; the status bar is
    // remembered beside it.
    statusBar()->setVisible(bars.StatusBarShown);
}

void CMainFrame::SaveBarState()
{
    SaveBarMemory({saveState(), statusBar()->isVisible()});
}
