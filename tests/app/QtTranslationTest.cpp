#include "QtTranslation.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(QtTranslation, StandardDialogsSpeakCzechWhenTheTranslationIsInstalled)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_cs.qm"))
        GTEST_SKIP() << "qt6-translations-l10n is not installed";
    ASSERT_TRUE(InstallQtTranslation());
    EXPECT_TRUE(InstallQtTranslation()) << "a second call keeps the one translation";

    QFileDialog files(nullptr, "Otevřít", QString(), "Darudo Files (*.orb)");
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptOpen);
    auto *buttons = files.findChild<QDialogButtonBox *>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text().remove('&'), "Otevřít");
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text().remove('&'), "Zrušit");

    QMessageBox box(QMessageBox::Question, "Divuz", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Ano");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Ne");
}
