#include "HouseBanners.h"

#include "AdvertComponent.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <iterator>

namespace
{

enum class Icon { Board, Keys, Trophy, Podium };

struct Theme {
    QColor top;
    QColor bottom;
    QColor title;
    QColor text;
};

// Two lines of text at most; a part in brackets is drawn as a key. A board
// icon shows five rows of five cells: 'x' a cross, '*' the move to play.
struct Banner {
    Theme theme;
    Icon icon;
    const char *title;
    const char *lines;
    const char *board = nullptr;
};

const Theme Wood{QColor(246, 234, 200), QColor(222, 196, 140), QColor(110, 40, 20),
                 QColor(50, 40, 30)};
const Theme Night{QColor(58, 92, 160), QColor(26, 44, 100), QColor(255, 255, 255),
                  QColor(220, 230, 250)};
const Theme Ruby{QColor(160, 36, 36), QColor(84, 10, 14), QColor(255, 214, 90),
                 QColor(250, 230, 220)};
const Theme Forest{QColor(46, 120, 76), QColor(16, 64, 38), QColor(255, 236, 140),
                   QColor(225, 245, 230)};

const Banner Banners[] = {
    {Wood, Icon::Board, QT_TRANSLATE_NOOP("HouseBanners", "Tip: otevřená trojka"),
     QT_TRANSLATE_NOOP("HouseBanners", "Otevřenou trojku zablokujte hned – jinak z ní bude\n"
                                       "čtyřka otevřená z obou stran a tu už zastavit nejde."),
     "....."
     "....."
     "*xxx*"
     "....."
     "....."},
    {Night, Icon::Keys, QT_TRANSLATE_NOOP("HouseBanners", "Klávesové zkratky"),
     QT_TRANSLATE_NOOP("HouseBanners", "[Ctrl+N] nová hra   [Ctrl+O] otevřít   [Ctrl+S] uložit\n"
                                       "[Ctrl+Z] zpět   [Ctrl+X] opakovat vrácený tah")},
    {Wood, Icon::Board, QT_TRANSLATE_NOOP("HouseBanners", "Tip: dvojitá hrozba"),
     QT_TRANSLATE_NOOP("HouseBanners", "Tah, který vytvoří dvě hrozby najednou, vyhrává:\n"
                                       "soupeř stihne zablokovat jen jednu z nich."),
     "...x."
     "...x."
     "...x."
     "xxx*."
     "....."},
    {Ruby, Icon::Trophy, QT_TRANSLATE_NOOP("HouseBanners", "Nový turnaj"),
     QT_TRANSLATE_NOOP("HouseBanners", "Hra naostro: bez vracení tahů, nápovědy a editace.\n"
                                       "Začnete ho v menu Soubor → Nový turnaj.")},
    {Forest, Icon::Podium, QT_TRANSLATE_NOOP("HouseBanners", "Nejlepší hráči"),
     QT_TRANSLATE_NOOP("HouseBanners", "Vyhrajte turnajovou hru co nejrychleji a zapište se\n"
                                       "mezi pět nejlepších na své úrovni.")},
};

// The outline every banner has, in a colour none of the backgrounds use.
const QColor BorderColour(20, 28, 52);
const QRect IconBox(8, 6, 50, 50);
constexpr int TextLeft = 68;

QFont BannerFont(int pixels, bool bold)
{
    QFont font("Liberation Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void DrawBoardIcon(QPainter &p, const char *board)
{
    constexpr int Cells = 5;
    const int cell = IconBox.width() / Cells;
    p.setPen(QPen(QColor(120, 80, 40), 1));
    p.setBrush(QColor(236, 200, 130));
    p.drawRect(IconBox.adjusted(0, 0, -1, -1));
    for (int i = 1; i < Cells; ++i) {
        p.drawLine(IconBox.left() + i * cell, IconBox.top(), IconBox.left() + i * cell,
                   IconBox.bottom());
        p.drawLine(IconBox.left(), IconBox.top() + i * cell, IconBox.right(),
                   IconBox.top() + i * cell);
    }
    for (int i = 0; i < Cells * Cells; ++i) {
        const QRect c(IconBox.left() + i % Cells * cell + 2, IconBox.top() + i / Cells * cell + 2,
                      cell - 4, cell - 4);
        if (board[i] == 'x') {
            p.setPen(QPen(QColor(190, 30, 30), 2));
            p.drawLine(c.topLeft(), c.bottomRight());
            p.drawLine(c.topRight(), c.bottomLeft());
        } else if (board[i] == '*') {
            p.setPen(QColor(20, 90, 30));
            p.setBrush(QColor(60, 190, 70));
            p.drawEllipse(c);
        }
    }
}

// A key cap with its label, left edge at x, centred on the line at y.
int DrawKey(QPainter &p, int x, int y, const QString &label, int pixels)
{
    p.setFont(BannerFont(pixels, true));
    const int w = p.fontMetrics().horizontalAdvance(label) + 8;
    const QRect cap(x, y - pixels / 2 - 3, w, pixels + 6);
    p.setPen(QColor(90, 90, 100));
    p.setBrush(QColor(160, 160, 170));
    p.drawRoundedRect(cap.translated(0, 1), 3, 3);
    p.setBrush(QColor(245, 245, 248));
    p.drawRoundedRect(cap, 3, 3);
    p.setPen(QColor(30, 30, 40));
    p.drawText(cap, Qt::AlignCenter, label);
    return w;
}

void DrawTrophyIcon(QPainter &p)
{
    const QColor gold(240, 196, 60);
    const QColor dark(150, 100, 20);
    p.setPen(QPen(dark, 1));
    p.setBrush(gold);
    const int cx = IconBox.center().x();
    // The handles first, so the cup covers their inner ends.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 3));
    p.drawArc(QRect(cx - 22, IconBox.top() + 6, 16, 16), 90 * 16, 180 * 16);
    p.drawArc(QRect(cx + 6, IconBox.top() + 6, 16, 16), -90 * 16, 180 * 16);
    p.setPen(QPen(dark, 1));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(cx - 15, IconBox.top() + 3);
    cup.lineTo(cx + 15, IconBox.top() + 3);
    cup.cubicTo(cx + 15, IconBox.top() + 26, cx + 6, IconBox.top() + 31, cx, IconBox.top() + 31);
    cup.cubicTo(cx - 6, IconBox.top() + 31, cx - 15, IconBox.top() + 26, cx - 15,
                IconBox.top() + 3);
    p.drawPath(cup);
    p.drawRect(cx - 3, IconBox.top() + 31, 6, 8);
    p.drawRect(cx - 12, IconBox.top() + 39, 24, 7);
    p.setPen(dark);
    p.setFont(BannerFont(14, true));
    p.drawText(QRect(cx - 15, IconBox.top() + 5, 30, 20), Qt::AlignCenter, "5");
}

void DrawPodiumIcon(QPainter &p)
{
    // Second, first and third place, left to right.
    const struct {
        int place;
        int height;
    } steps[] = {{2, 24}, {1, 34}, {3, 16}};
    const int w = IconBox.width() / 3;
    p.setFont(BannerFont(12, true));
    for (int i = 0; i < 3; ++i) {
        const QRect step(IconBox.left() + i * w, IconBox.bottom() - steps[i].height, w,
                         steps[i].height);
        p.setPen(QColor(20, 50, 30));
        p.setBrush(steps[i].place == 1 ? QColor(240, 200, 70) : QColor(210, 220, 210));
        p.drawRect(step);
        p.drawText(step, Qt::AlignHCenter | Qt::AlignTop, QString::number(steps[i].place));
    }
}

void DrawIcon(QPainter &p, const Banner &banner)
{
    switch (banner.icon) {
    case Icon::Board:
        DrawBoardIcon(p, banner.board);
        break;
    case Icon::Keys:
        DrawKey(p, IconBox.left() + 2, IconBox.center().y(), "Ctrl", 15);
        break;
    case Icon::Trophy:
        DrawTrophyIcon(p);
        break;
    case Icon::Podium:
        DrawPodiumIcon(p);
        break;
    }
}

// One line of text; the parts in brackets become keys.
void DrawLine(QPainter &p, const QString &line, int y, const QColor &colour)
{
    const QFont font = BannerFont(12, false);
    int x = TextLeft;
    for (const QString &part : line.split('[')) {
        QString text = part;
        const int close = part.indexOf(']');
        if (close >= 0) {
            x += DrawKey(p, x, y, part.left(close), 10) + 3;
            text = part.mid(close + 1);
        }
        p.setFont(font);
        p.setPen(colour);
        const QFontMetrics metrics(font);
        p.drawText(x, y + metrics.ascent() / 2 - 1, text);
        x += metrics.horizontalAdvance(text);
    }
}

} // namespace

int HouseBannerCount()
{
    return static_cast<int>(std::size(Banners));
}

void DrawHouseBanner(QPainter &painter, int index, QPoint topLeft)
{
    const Banner &banner = Banners[index % HouseBannerCount()];
    const QRect area(0, 0, AdvertWidth, AdvertHeight);
    painter.save();
    painter.translate(topLeft);
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing, false);

    QLinearGradient background(0, 0, 0, AdvertHeight);
    background.setColorAt(0, banner.theme.top);
    background.setColorAt(1, banner.theme.bottom);
    painter.fillRect(area, background);
    painter.setPen(BorderColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    DrawIcon(painter, banner);

    painter.setFont(BannerFont(15, true));
    painter.setPen(banner.theme.title);
    painter.drawText(TextLeft, 20, QCoreApplication::translate("HouseBanners", banner.title));
    const QStringList lines = QCoreApplication::translate("HouseBanners", banner.lines).split('\n');
    for (int i = 0; i < lines.size(); ++i)
        DrawLine(painter, lines[i], 35 + 15 * i, banner.theme.text);
    painter.restore();
}
