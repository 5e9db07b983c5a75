#include "AboutDlg.h"
#include "HyperLink.h"
#include "UrlRecorder.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(AboutDlg, ClickingALinkOpensItsSchemeFollowedByTheShownText)
{
    UrlRecorder desktop;
    CAboutDlg about;
    about.show();
    HyperLink *web = about.WebLink();
    HyperLink *email = about.EmailLink();
    EXPECT_EQ(web->objectName(), "1076");
    EXPECT_EQ(email->objectName(), "1077");

    QTest::mouseClick(web, Qt::LeftButton, {}, web->TextRect().center());
    QTest::mouseClick(email, Qt::LeftButton, {}, email->TextRect().center());
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(desktop.opened[0], QUrl("http://" + web->text()));
    EXPECT_EQ(desktop.opened[1], QUrl("mailto:" + email->text()));
    EXPECT_TRUE(web->text().endsWith("example.org")) << "nothing real is named";
}

TEST(AboutDlg, EverythingFitsAndTheOneButtonCloses)
{
    CAboutDlg about;
    about.show();
    EXPECT_EQ(about.objectName(), "100");
    auto *ok = about.findChild<QPushButton *>("1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "Beru na vědomí");
    EXPECT_TRUE(ok->isDefault());
    // Every control lies inside the dialog.
    for (const QWidget *child : about.findChildren<QWidget *>())
        EXPECT_TRUE(about.rect().contains(child->geometry())) << child->metaObject()->className();

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}
