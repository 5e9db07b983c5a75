#include "HelpWindow.h"

#include "HelpContexts.h"
#include "HelpSearch.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

namespace
{

constexpr int PageRole = Qt::UserRole;

QString TitleOf(const QString &file)
{
    for (const HelpPage &page : HelpPages())
        if (file == QLatin1String(page.file))
            return HelpPageTitle(page);
    return file;
}

QToolButton *Button(QWidget *parent, const QString &text, QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

// The help's own size, where the screen has room for it.
constexpr QSize PreferredSize(940, 640);
// At most this share of the screen's available area, in each direction,
// leaves room for the window manager's frame.
constexpr double MaxScreenShare = 0.9;
const QString GeometryKey = QStringLiteral("HelpWindow/Geometry");

} // namespace

QRect HelpWindow::FitOnScreen(const QRect &available, const QRect &wanted)
{
    QRect fitted(QPoint(),
                 wanted.size().boundedTo(QSize(int(available.width() * MaxScreenShare),
                                               int(available.height() * MaxScreenShare))));
    fitted.moveCenter(wanted.center());
    fitted.moveLeft(
        std::clamp(fitted.left(), available.left(), available.right() + 1 - fitted.width()));
    fitted.moveTop(
        std::clamp(fitted.top(), available.top(), available.bottom() + 1 - fitted.height()));
    return fitted;
}

void HelpWindow::hideEvent(QHideEvent *event)
{
    QSettings(QStringLiteral("Zidude"), QStringLiteral("Divuz"))
        .setValue(GeometryKey, saveGeometry());
    QWidget::hideEvent(event);
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Divuz – nápověda"));
    // Where it was last time, else its own size in the middle of the screen;
    // either way no larger than the screen allows, and wholly on it.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QRect wanted(QPoint(), PreferredSize);
    wanted.moveCenter(available.center());
    if (restoreGeometry(QSettings(QStringLiteral("Zidude"), QStringLiteral("Divuz"))
                            .value(GeometryKey)
                            .toByteArray()))
        wanted = geometry();
    setGeometry(FitOnScreen(available, wanted));

    myBack = Button(this, tr("Zpět"), QStyle::SP_ArrowBack);
    myForward = Button(this, tr("Vpřed"), QStyle::SP_ArrowForward);
    QToolButton *home = Button(this, tr("Obsah"), QStyle::SP_DirHomeIcon);
    auto *bar = new QHBoxLayout;
    bar->addWidget(myBack);
    bar->addWidget(myForward);
    bar->addWidget(home);
    bar->addStretch();

    myContents = new QListWidget;
    for (const HelpPage &page : HelpPages()) {
        auto *item = new QListWidgetItem(HelpPageTitle(page), myContents);
        item->setData(PageRole, QString::fromLatin1(page.file));
    }

    mySearchField = new QLineEdit;
    mySearchField->setPlaceholderText(tr("Hledaná slova"));
    auto *find = new QPushButton(tr("Hledat"));
    myResults = new QListWidget;
    auto *searchTab = new QWidget;
    auto *searchLayout = new QVBoxLayout(searchTab);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(mySearchField);
    searchRow->addWidget(find);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(new QLabel(tr("Nalezená témata:")));
    searchLayout->addWidget(myResults);

    myTabs = new QTabWidget;
    myTabs->addTab(myContents, tr("Obsah"));
    myTabs->addTab(searchTab, tr("Hledat"));

    myBrowser = new QTextBrowser;
    myBrowser->setOpenLinks(true);
    // Web and e-mail links leave the help for the desktop's own programs.
    myBrowser->setOpenExternalLinks(true);
    myBrowser->setSearchPaths({HelpPageFolder()});

    auto *split = new QSplitter;
    split->addWidget(myTabs);
    split->addWidget(myBrowser);
    split->setStretchFactor(1, 1);
    split->setSizes({250, 690});

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    connect(myBack, &QToolButton::clicked, myBrowser, &QTextBrowser::backward);
    connect(myForward, &QToolButton::clicked, myBrowser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this,
            [this] { ShowPage(QString::fromLatin1(HelpContentsPage)); });
    connect(myBrowser, &QTextBrowser::backwardAvailable, myBack, &QWidget::setEnabled);
    connect(myBrowser, &QTextBrowser::forwardAvailable, myForward, &QWidget::setEnabled);
    connect(myBrowser, &QTextBrowser::sourceChanged, this, &HelpWindow::OnPageChanged);
    auto open = [this](QListWidgetItem *item) {
        if (item)
            ShowPage(item->data(PageRole).toString());
    };
    connect(myContents, &QListWidget::itemActivated, this, open);
    connect(myContents, &QListWidget::itemClicked, this, open);
    connect(myResults, &QListWidget::itemActivated, this, open);
    connect(myResults, &QListWidget::itemClicked, this, open);
    auto search = [this] { Search(mySearchField->text()); };
    connect(find, &QPushButton::clicked, this, search);
    connect(mySearchField, &QLineEdit::returnPressed, this, search);

    myBack->setEnabled(false);
    myForward->setEnabled(false);
}

void HelpWindow::ShowPage(const QString &page)
{
    const QUrl url(HelpPageUrl(page));
    // The same page again (another anchor of it) keeps its place in the
    // history without loading anew.
    if (myBrowser->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment) &&
        url.hasFragment())
        myBrowser->scrollToAnchor(url.fragment());
    else
        myBrowser->setSource(url);
}

QString HelpWindow::CurrentPage() const
{
    return myBrowser->source().adjusted(QUrl::RemoveFragment).fileName();
}

void HelpWindow::Search(const QString &query)
{
    mySearchField->setText(query);
    myWords = SearchWords(query);
    myResults->clear();
    for (const QString &file : SearchHelpPages(query)) {
        auto *item = new QListWidgetItem(TitleOf(file), myResults);
        item->setData(PageRole, file);
    }
    myTabs->setCurrentIndex(1);
    MarkSearchWords();
}

void HelpWindow::OnPageChanged(const QUrl &source)
{
    // The contents list follows the page shown. The browser announces the
    // new page before source() returns it.
    const QString page = source.adjusted(QUrl::RemoveFragment).fileName();
    for (int row = 0; row < myContents->count(); ++row)
        if (myContents->item(row)->data(PageRole).toString() == page)
            myContents->setCurrentRow(row);
    setWindowTitle(tr("Divuz – nápověda – %1").arg(TitleOf(page)));
    MarkSearchWords();
}

void HelpWindow::MarkSearchWords()
{
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 236, 120));
    QTextDocument *document = myBrowser->document();
    for (const SearchHit &hit : FindWordHits(document->toPlainText(), myWords)) {
        QTextCursor cursor(document);
        cursor.setPosition(int(hit.start));
        cursor.setPosition(int(hit.start + hit.length), QTextCursor::KeepAnchor);
        marks.append({cursor, marked});
    }
    myBrowser->setExtraSelections(marks);
}
