#include "NameEntryDialog.h"

#include "DialogUnits.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

NameEntryDialog::NameEntryDialog(std::string &name, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), myName(name)
{
    setObjectName("204");
    setModal(true);
    setFont(QFont("Times New Roman", 11));

    // Without a caption bar the raised frame is what sets the box apart.
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto *text =
        new QLabel(tr("Gratuluji!\nTo byla skvělá hra!\n Prosím napište své jméno:"), frame);
    text->setAlignment(Qt::AlignCenter);

    // A name of any length: the field scrolls, the table's file keeps it all.
    myEdit = new QLineEdit(QString::fromStdString(name), frame);
    myEdit->setObjectName("1059");
    myEdit->setMaxLength(std::numeric_limits<int>::max());

    auto *ok = new QPushButton(tr("OK"), frame);
    ok->setObjectName("1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(text);
    layout->addWidget(myEdit);
    layout->addLayout(buttons);

    const DialogUnits units(font());
    setFixedSize(units.Size(156, 76).expandedTo(sizeHint()));
    myEdit->setFocus();
}

void NameEntryDialog::accept()
{
    myName = myEdit->text().toStdString();
    QDialog::accept();
}
