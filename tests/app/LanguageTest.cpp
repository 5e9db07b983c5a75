// The program as a user of each language sees it: the main window, every
// dialog, the About box and a help page, every text a user can read in
// them. The language comes from DIVUZ_TEST_LANGUAGE: "en" for English, "C"
// for a machine without a language, which gets the program's own texts.

#include "AboutDlg.h"
#include "BestGames.h"
#include "BestGamesDialog.h"
#include "DivuzApp.h"
#include "DivuzDoc.h"
#include "DivuzHelp.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "MainFrame.h"
#include "NameEntryDialog.h"
#include "OptionsDialog.h"
#include "SplashWnd.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>

#include <gtest/gtest.h>

namespace
{

// Every text of a window and its children that a user can see or hear
// read out: titles, labels, buttons, group titles, tabs, list entries,
// placeholders, tooltips, accessible names, and menu items with their
// prompts.
void CollectTexts(QWidget *window, QStringList &texts)
{
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->accessibleName();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            texts << edit->placeholderText();
        if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto *list = qobject_cast<QListWidget *>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        for (QAction *action : w->actions()) {
            texts << action->text() << action->toolTip() << action->statusTip();
            if (action->menu())
                CollectTexts(action->menu(), texts);
        }
    }
    texts.removeAll(QString());
}

QStringList WithCzechLetters(const QStringList &texts)
{
    static const QRegularExpression czech(QStringLiteral("[ěščřžýáíéůúňťďĚŠČŘŽÝÁÍÉŮÚŇŤĎ]"));
    return texts.filter(czech);
}

class LanguageTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, myHome.path());
        myApp = std::make_unique<CDivuzApp>();
        DivuzOptions options = myApp->GetOptions();
        options.WhoBeginsMode = 0; // the player to move: "Váš tah"
        myApp->SetOptions(options);
        ASSERT_TRUE(myApp->InitInstance());
        SplashWnd::HideSplash();
        myEnglish = qgetenv("DIVUZ_TEST_LANGUAGE") == "en";
        std::printf("DIVUZ_TEST_LANGUAGE=%s\n", qgetenv("DIVUZ_TEST_LANGUAGE").constData());
    }
    void TearDown() override
    {
        myApp->ExitInstance();
        myApp.reset();
    }

    // The texts of every window a user meets: the main window, both option
    // and table dialogs, the name entry, the About box, and the help on the
    // page of the options.
    QStringList AllTexts()
    {
        QStringList texts;
        CMainFrame *frame = myApp->MainFrame();
        CollectTexts(frame, texts);
        for (QMenu *menu : frame->menuBar()->findChildren<QMenu *>())
            texts << menu->title();

        DivuzOptions options = myApp->GetOptions();
        OptionsDialog optionsDialog(options, frame);
        CollectTexts(&optionsDialog, texts);
        DataDivuzDoc chosen;
        BestGames table;
        BestGamesDialog bestGames(chosen, 0, 0, table, frame);
        CollectTexts(&bestGames, texts);
        std::string name = "Player";
        NameEntryDialog nameEntry(name, frame);
        CollectTexts(&nameEntry, texts);
        CAboutDlg about(frame);
        CollectTexts(&about, texts);

        myApp->ShowHelp(HelpContextOptions);
        HelpWindow *help = myApp->Help().Window();
        EXPECT_TRUE(help && help->isVisible());
        if (help) {
            CollectTexts(help, texts);
            texts << help->Browser()->toPlainText().split('\n');
        }
        return texts;
    }

    QTemporaryDir myHome;
    std::unique_ptr<CDivuzApp> myApp;
    bool myEnglish = false;
};

} // namespace

TEST_F(LanguageTest, EveryWindowSpeaksTheUsersLanguage)
{
    const QStringList texts = AllTexts();
    ASSERT_GT(texts.size(), 100);
    if (myEnglish) {
        EXPECT_EQ(WithCzechLetters(texts), QStringList());
        for (const char *fixed : {"&File", "&Game", "&View", "&Help", "&Hint", "Settings",
                                  "About Divuz", "&Best Players", "Your move", "Beginner",
                                  "Amateur", "Advanced", "Master", "Expert", "Instant"})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(fixed))) << fixed;
    } else {
        EXPECT_FALSE(WithCzechLetters(texts).isEmpty());
        for (const char *own : {"&Soubor", "&Hra", "&Zobrazit", "&Nápověda", "Nastavení",
                                "O programu Divuz", "Nej&lepší hráči", "Váš tah", "Začátečník",
                                "Okamžetě", "Best Games", "Beru na vědomí"})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(own))) << own;
    }
}
