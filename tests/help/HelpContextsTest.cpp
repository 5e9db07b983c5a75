#include "HelpContexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace
{

QString PageText(const QString &file)
{
    QFile page(":/help/" + file);
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

// A page reference is good when its file is among the pages and its anchor,
// if any, is named on that page.
void ExpectPageExists(const QString &reference)
{
    SCOPED_TRACE(reference.toStdString());
    const QString file = reference.section('#', 0, 0);
    const QString anchor = reference.section('#', 1);
    const QString text = PageText(file);
    ASSERT_FALSE(text.isEmpty());
    if (!anchor.isEmpty()) {
        EXPECT_TRUE(text.contains("name=\"" + anchor + "\""));
    }
}

} // namespace

TEST(HelpContexts, AContextWithoutAPageOpensTheContents)
{
    for (int context : {0, -1, 1, 65536, HelpContextOfCommand(32785), 0x20080})
        EXPECT_EQ(HelpPageForContext(context), HelpContentsPage) << context;
}

TEST(HelpContexts, EveryPageAndAnchorReachedFromAContextExists)
{
    // Every number from the plain dialog range up to the last command.
    for (int context = HelpBaseCommand; context <= HelpContextOfCommand(0xFFFF); ++context) {
        const QString page = HelpPageForContext(context);
        if (page != HelpContentsPage)
            ExpectPageExists(page);
    }
    for (const char *window :
         {"Pole Window", "LevelWnd Window", "TextWnd Window", "ScoreWnd Window", "TimeWnd Window",
          "Price Window", "CDivuzView", "ToolBar", "GameStatus", "CAdvertBar", "QStatusBar"})
        ExpectPageExists(HelpPageForWindow(window));
    ExpectPageExists(HelpContentsPage);
    ExpectPageExists(HelpDefaultPage);
}

TEST(HelpContexts, PagesLinkOnlyToPagesAndPicturesThatExist)
{
    QSet<QString> files;
    for (const HelpPage &page : HelpPages())
        files.insert(page.file);
    EXPECT_EQ(files.size(), qsizetype(HelpPages().size()));
    EXPECT_EQ(QString(HelpPages().front().file), HelpContentsPage);

    static const QRegularExpression reference("(href|src)=\"([^\"]+)\"");
    for (const HelpPage &page : HelpPages()) {
        SCOPED_TRACE(page.file);
        const QString text = PageText(page.file);
        EXPECT_TRUE(text.contains(QString("<title>") + QString::fromUtf8(page.title) + "</title>"));
        for (const QRegularExpressionMatch &m : reference.globalMatch(text)) {
            const QString target = m.captured(2);
            if (target.startsWith("http://") || target.startsWith("mailto:"))
                continue;
            if (m.captured(1) == "src")
                EXPECT_TRUE(QFile::exists(":/help/" + target)) << target.toStdString();
            else
                ExpectPageExists(target);
        }
    }
}
