#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(ProgramLanguage, TheFirstLanguageTheProgramSpeaksWins)
{
    EXPECT_EQ(ChooseLanguage({"en-GB", "en-Latn-GB"}), "en") << "a regional English";
    EXPECT_EQ(ChooseLanguage({"de-DE", "de", "en-US", "en"}), "en") << "German has no translation";
    EXPECT_EQ(ChooseLanguage({"cs", "cs-CZ", "en"}), "cs");
    EXPECT_EQ(ChooseLanguage({"fr", "C", "en"}), "cs") << "C stands for the program's own texts";
    EXPECT_EQ(ChooseLanguage({"de", "fr"}), "cs");
    EXPECT_EQ(ChooseLanguage({"xx", "en"}), "en") << "a language Qt does not know is passed over";
    EXPECT_EQ(ChooseLanguage({}), "cs");
}

// The standard dialogs' buttons follow the program's language: Qt's own
// Czech translation for the program's own texts, Qt's built-in English for
// English; each choice replaces the one before.
TEST(ProgramLanguage, TheProgramAndQtsOwnDialogsSpeakTheChosenLanguage)
{
    const bool haveQtCzech =
        QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_cs.qm");
    auto buttons = [] {
        QMessageBox box(QMessageBox::Question, "Divuz", "?", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text().remove('&') + "/" +
               box.button(QMessageBox::No)->text().remove('&');
    };

    EXPECT_EQ(InstallTranslations({"en-US"}), "en");
    EXPECT_EQ(ProgramLanguage(), "en");
    EXPECT_EQ(QCoreApplication::translate("CMainFrame", "&Soubor"), "&File");
    EXPECT_EQ(QCoreApplication::translate("StringTable", "Váš tah"), "Your move");
    EXPECT_EQ(buttons(), "Yes/No");

    EXPECT_EQ(InstallTranslations({"cs-CZ"}), "cs");
    EXPECT_EQ(QCoreApplication::translate("CMainFrame", "&Soubor"), "&Soubor");
    if (!haveQtCzech)
        GTEST_SKIP() << "qt6-translations-l10n is not installed";
    EXPECT_EQ(buttons(), "Ano/Ne");
    QFileDialog files(nullptr, "Otevřít", QString(), "Darudo Files (*.orb)");
    files.setOption(QFileDialog::DontUseNativeDialog);
    auto *box = files.findChild<QDialogButtonBox *>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text().remove('&'), "Zrušit");
}
