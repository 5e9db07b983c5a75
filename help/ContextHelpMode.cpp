#include "ContextHelpMode.h"

#include "HelpContexts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>

namespace
{

// A command's id travels with its action.
int CommandOf(const QAction *action)
{
    bool ok = false;
    const int id = action ? action->data().toInt(&ok) : 0;
    return ok ? id : 0;
}

void CloseMenus()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace

ContextHelpMode::ContextHelpMode(PageOpener open) : myOpen(std::move(open)) {}

ContextHelpMode::~ContextHelpMode()
{
    Leave();
}

void ContextHelpMode::Enter()
{
    if (myActive)
        return;
    myActive = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
}

void ContextHelpMode::Leave()
{
    if (!myActive)
        return;
    myActive = false;
    QApplication::restoreOverrideCursor();
    // The filter stays while a swallowed release is still to come.
    if (!mySwallowRelease)
        qApp->removeEventFilter(this);
}

QString ContextHelpMode::PageForWidget(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (const auto *button = qobject_cast<const QToolButton *>(w))
            if (const int id = CommandOf(button->defaultAction()))
                return HelpPageForContext(HelpContextOfCommand(id));
        QString page = HelpPageForWindow(w->objectName());
        if (page.isEmpty())
            page = HelpPageForWindow(QString::fromLatin1(w->metaObject()->className()));
        if (!page.isEmpty())
            return page;
    }
    return QString::fromLatin1(HelpContentsPage);
}

void ContextHelpMode::Open(const QString &page)
{
    Leave();
    if (myOpen)
        myOpen(page);
}

bool ContextHelpMode::OnMenuRelease(QMenu *menu, QEvent *event)
{
    QAction *action = menu->actionAt(static_cast<QMouseEvent *>(event)->position().toPoint());
    // A separator, a submenu or the gap around the items: the menu goes on.
    if (!action || action->isSeparator() || action->menu())
        return false;
    CloseMenus();
    const int id = CommandOf(action);
    Open(id ? HelpPageForContext(HelpContextOfCommand(id)) : QString::fromLatin1(HelpContentsPage));
    return true;
}

bool ContextHelpMode::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    if (mySwallowRelease && event->type() == QEvent::MouseButtonRelease) {
        mySwallowRelease = false;
        if (!myActive)
            qApp->removeEventFilter(this);
        return true;
    }
    if (!myActive)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape &&
            !QApplication::activePopupWidget()) {
            Leave();
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // The menu bar and open menus work as usual, so an item can be
        // reached and asked about.
        if (qobject_cast<QMenuBar *>(widget) || qobject_cast<QMenu *>(widget))
            return false;
        mySwallowRelease = true;
        Open(PageForWidget(widget));
        return true;
    case QEvent::MouseButtonRelease:
        if (auto *menu = qobject_cast<QMenu *>(widget))
            return OnMenuRelease(menu, event);
        return false;
    default:
        return false;
    }
}
