#pragma once

// The help window: the pages in a browser on the right; on the left the
// contents and the search, in two tabs; above, back, forward and a button
// that returns to the contents. Links between pages work as in a web
// browser, and the words of the last search are marked on the pages.

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QUrl;

class HelpWindow : public QWidget
{
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows a page by its file name, with an anchor if it has one.
    void ShowPage(const QString &page);
    // The file name of the page shown, without its anchor.
    QString CurrentPage() const;
    // Fills the search results for the query and shows the search tab.
    void Search(const QString &query);

    // The window's place on a screen with the given available area: the
    // wanted rectangle at most 90 % of the area in each direction, and
    // moved wholly onto it.
    static QRect FitOnScreen(const QRect &available, const QRect &wanted);

    QTextBrowser *Browser() const { return myBrowser; }
    QListWidget *Contents() const { return myContents; }
    QLineEdit *SearchField() const { return mySearchField; }
    QListWidget *SearchResults() const { return myResults; }
    QToolButton *BackButton() const { return myBack; }
    QToolButton *ForwardButton() const { return myForward; }

  protected:
    // The window's size and place are kept for the next time.
    void hideEvent(QHideEvent *event) override;

  private:
    void OnPageChanged(const QUrl &source);
    void MarkSearchWords();

    QTextBrowser *myBrowser;
    QTabWidget *myTabs;
    QListWidget *myContents;
    QLineEdit *mySearchField;
    QListWidget *myResults;
    QToolButton *myBack;
    QToolButton *myForward;
    QStringList myWords;
};
