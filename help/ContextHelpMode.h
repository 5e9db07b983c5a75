#pragma once

// The context help mode (Shift+F1): the pointer turns into the question
// cursor, and the next click on a window or on a menu item opens that
// window's or that command's help page instead of doing what the click
// would do. Escape leaves the mode without help; menus still open from the
// menu bar, so their items can be asked about.

#include <QObject>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

class ContextHelpMode : public QObject
{
  public:
    using PageOpener = std::function<void(const QString &page)>;
    explicit ContextHelpMode(PageOpener open);
    ~ContextHelpMode() override;

    void Enter();
    void Leave();
    bool IsActive() const { return myActive; }

    // The page for a click on widget: the nearest window up its parents with
    // a page of its own, a toolbar button's command, or the contents.
    static QString PageForWidget(const QWidget *widget);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool OnMenuRelease(QMenu *menu, QEvent *event);
    void Open(const QString &page);

    PageOpener myOpen;
    bool myActive = false;
    // The release that ends a click whose press asked for help goes nowhere.
    bool mySwallowRelease = false;
};
