#include "NameEntryDialog.h"

#include "TypeText.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

QLineEdit *Edit(NameEntryDialog &dialog)
{
    return dialog.findChild<QLineEdit *>("1059");
}

// Replaces the field's text the way a user does: select it all, type.
void Type(NameEntryDialog &dialog, const QString &text)
{
    Edit(dialog)->selectAll();
    TypeText(Edit(dialog), text);
}

} // namespace

TEST(NameEntryDialog, OkAndEnterStoreTheNameEscapeKeepsTheOldOne)
{
    std::string name = "Anonymous";
    // Each step types a name and ends the dialog with a key (none: "OK").
    const struct {
        const char *typed;
        Qt::Key key;
        int result;
        const char *kept;
    } steps[] = {
        {"Jiří Novák", Qt::Key_unknown, QDialog::Accepted, "Jiří Novák"},
        {"Somebody else", Qt::Key_Escape, QDialog::Rejected, "Jiří Novák"},
        {"Eva", Qt::Key_Return, QDialog::Accepted, "Eva"},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.typed);
        NameEntryDialog dialog(name);
        dialog.show();
        Type(dialog, QString::fromUtf8(step.typed));
        if (step.key == Qt::Key_unknown)
            QTest::mouseClick(dialog.findChild<QPushButton *>("1"), Qt::LeftButton);
        else
            QTest::keyClick(Edit(dialog), step.key);
        EXPECT_EQ(dialog.result(), step.result);
        EXPECT_EQ(name, step.kept);
    }
}

TEST(NameEntryDialog, NameLongerThanTheFieldScrollsAndIsKeptWhole)
{
    // Longer than a line edit takes by default (32767 characters).
    const std::string longName(40000, 'x');
    std::string name;
    NameEntryDialog dialog(name);
    dialog.show();
    Edit(dialog)->setText(QString::fromStdString(longName));
    Edit(dialog)->setCursorPosition(0);
    QTest::keyClick(Edit(dialog), Qt::Key_End);
    QTest::keyClicks(Edit(dialog), "yz");
    QTest::keyClick(Edit(dialog), Qt::Key_Return);
    EXPECT_EQ(name, longName + "yz");
}
