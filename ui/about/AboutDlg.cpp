#include "AboutDlg.h"

#include "Contacts.h"
#include "HyperLink.h"
#include "Pictures.h"

#include <QLabel>
#include <QPushButton>

namespace
{

// The dialog is laid out in dialog units of its 8-point font: a quarter of
// the average character width across, an eighth of its height down. The
// pictures are drawn for 6 x 13 pixel characters, so that is the scale.
QRect Dlu(int x, int y, int w, int h)
{
    auto across = [](int units) { return units * 6 / 4; };
    auto down = [](int units) { return units * 13 / 8; };
    return {across(x), down(y), across(w), down(h)};
}

const QColor Face(192, 192, 192);
const QColor LinkInk(0, 0, 255);

QLabel *Picture(QWidget *parent, int id, const QRect &where)
{
    auto *label = new QLabel(parent);
    label->setPixmap(DivuzPicture(id, parent->devicePixelRatioF()));
    label->setGeometry(QRect(where.topLeft(), DivuzPictureSize(id)));
    return label;
}

QLabel *Text(QWidget *parent, const QString &text, const QRect &where)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(where);
    return label;
}

HyperLink *Link(QWidget *parent, int id, const QRect &where, const QString &text,
                const QString &link)
{
    auto *control = new HyperLink(parent);
    control->setObjectName(QString::number(id));
    control->setGeometry(where);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control->Init(text, link, true, LinkInk, Face);
    return control;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QString::number(IDD));
    setWindowTitle(tr("O programu Divuz"));
    // The classic dialog grey, which the links' text cells are filled with.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Face);
    palette.setColor(QPalette::Button, Face);
    setPalette(palette);
    setAutoFillBackground(true);
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(11);
    setFont(small);
    setFixedSize(Dlu(0, 0, 235, 117).size());

    Picture(this, PictureLogo, Dlu(17, 14, 49, 44));
    Picture(this, PictureNameCaption, Dlu(59, 5, 159, 26));
    Text(this, tr("Verze 1.0 · piškvorky proti počítači"), Dlu(71, 41, 150, 10));
    Text(this, tr("Darudo Pro Web site :"), Dlu(33, 62, 83, 8));
    Text(this, tr("Náš e-mail :"), Dlu(55, 76, 40, 8));
    const QString web = QString::fromLatin1(DivuzWebAddress);
    const QString email = QString::fromLatin1(DivuzEmailAddress);
    myWeb = Link(this, IDC_WEB, Dlu(119, 61, 94, 9), web, QStringLiteral("http://") + web);
    myEmail = Link(this, IDC_EMAIL, Dlu(99, 76, 106, 9), email, QStringLiteral("mailto:") + email);

    auto *ok = new QPushButton(tr("Beru na vědomí"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(Dlu(82, 95, 63, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // The button has the focus, so Enter and Space confirm at once.
    ok->setFocus();
}
