// Writes every picture as PNG at densities 1 and 2, and previews of the whole
// view (board with signs of every kind, the panel with its digits, level
// caption and chances columns) assembled the way the windows do it, with
// both board looks and both sign sets. It is a tool for looking the
// pictures over, not part of the game.
//
// Usage: dump_pictures [output folder]   (default: ./pictures-out)

#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

// The view's layout in its client coordinates (left, top, right, bottom),
// as the application sets it up.
const QRect LevelRect = QRect(QPoint(387, 0), QPoint(625, 40));
const QRect HeaderRect = QRect(QPoint(387, 41), QPoint(625, 81));
const QRect ScoreRect = QRect(QPoint(387, 82), QPoint(625, 140));
const QRect TimeRect = QRect(QPoint(387, 141), QPoint(625, 199));
const QRect PriceRect = QRect(QPoint(387, 200), QPoint(625, 277));
const QRect SpareRect = QRect(QPoint(387, 278), QPoint(625, 386));

// Inner rectangles, in their window's coordinates, given as the layout
// gives them: right and bottom just outside.
struct Edges {
    int left, top, right, bottom;
};
constexpr Edges ScoreA{10, 10, 110, 50}, ScoreB{130, 10, 220, 50};
constexpr Edges TimeA{130, 10, 220, 50}, TimeB{15, 10, 115, 50};
constexpr Edges PriceA{67, 23, 83, 60}, PriceB{177, 23, 193, 60};
const QColor PriceTop(200, 70, 70), PriceSide(255, 100, 100), PriceFront(100, 10, 10);
constexpr int LevelCaptions[11] = {
    PictureLevelInstant,   PictureLevel2Sec,   PictureLevel5Sec,     PictureLevel10Sec,
    PictureLevel30Sec,     PictureLevel60Sec,  PictureLevelBeginner, PictureLevelDilettante,
    PictureLevelCandidate, PictureLevelMaster, PictureLevelExpert};

// Picture `index` of strip id. With leaveOutKey, pixels of the strip's key
// colour become transparent, as when the windows copy a picture with a
// transparent colour; the sign strips can be taken from their keyed form
// (magenta) to check that masking by colour works as well as alpha.
QImage Cell(int id, int index, qreal dpr, bool leaveOutKey, bool fromKeyed = false)
{
    const QImage strip = fromKeyed ? DivuzPictureKeyedImage(id, dpr) : DivuzPictureImage(id, dpr);
    const QRect logical = DivuzPictureCellRect(id, index);
    const QRect physical(qRound(logical.x() * dpr), qRound(logical.y() * dpr),
                         qRound(logical.width() * dpr), qRound(logical.height() * dpr));
    QImage cell = strip.copy(physical).convertToFormat(QImage::Format_ARGB32);
    const QColor key = DivuzPictureKeyColor(id);
    if (leaveOutKey && key.isValid()) {
        const QRgb opaqueKey = key.rgb();
        for (int y = 0; y < cell.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(cell.scanLine(y));
            for (int x = 0; x < cell.width(); ++x)
                if (line[x] == opaqueKey)
                    line[x] = 0;
        }
    }
    cell.setDevicePixelRatio(dpr);
    return cell;
}

// One row of digit positions, placed as the score window places them.
void DrawNumber(QPainter &p, QPoint origin, const Edges &r, int id, int positions, int value,
                qreal dpr)
{
    const QRect cell = DivuzPictureCellRect(id, 0);
    const int w = cell.width(), h = cell.height();
    for (int pos = 0; pos < positions; ++pos) {
        int digit = value % 10;
        value /= 10;
        if (value == 0 && digit == 0 && pos > 0)
            digit = 10;
        const int x = positions * w / 2 - (pos + 1) * w + (r.left + r.right) / 2;
        const int y = (r.top + r.bottom) / 2 - h / 2;
        p.drawImage(origin + QPoint(x, y), Cell(id, digit, dpr, true));
    }
}

// A clock hh:mm:ss, placed as the clock window places it.
void DrawClock(QPainter &p, QPoint origin, const Edges &r, int id, int s, qreal dpr)
{
    const int pictures[8] = {s % 10,          (s / 10) % 6,    11, (s / 60) % 10, (s / 600) % 6, 11,
                             (s / 3600) % 10, (s / 36000) % 24};
    const QRect cell = DivuzPictureCellRect(id, 0);
    const int w = cell.width(), h = cell.height();
    for (int pos = 0; pos < 8; ++pos) {
        const int x = 8 * w / 2 - (pos + 1) * w + (r.left + r.right) / 2;
        const int y = (r.top + r.bottom) / 2 - h / 2;
        p.drawImage(origin + QPoint(x, y), Cell(id, pictures[pos], dpr, true));
    }
}

// A chances column as the chances window draws it: front, top and side
// faces of a column seen from the upper left.
void DrawPriceBar(QPainter &p, QPoint origin, const Edges &r, double shown)
{
    const int h = static_cast<int>((r.bottom - r.top) * std::min(shown, 1.0));
    const int left = r.left, top = r.bottom - h, right = r.right, bottom = r.bottom;
    const int d = (right - left) / 2;
    p.save();
    p.translate(origin);
    p.setPen(Qt::NoPen);
    p.setBrush(PriceTop);
    p.drawPolygon(QPolygon({{left - d, top - d}, {left + d, top - d}, {right, top}, {left, top}}));
    p.setBrush(PriceSide);
    p.drawPolygon(
        QPolygon({{left - d, top - d}, {left, top}, {left, bottom}, {left - d, bottom - d}}));
    p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), PriceFront);
    p.restore();
}

// A sign on the board: strip 0 is the first mover's (X or black), strip 1
// the other side's.
struct Sign {
    int x, y, strip, look;
};

struct Scene {
    const char *name;
    int board;
    int strips[2];
    int level;
    int wins[2];     // player, computer
    int seconds[2];  // player, computer
    double shown[2]; // left, right
    bool keyedSigns; // signs masked by magenta instead of alpha
};

// Signs of every kind: a finished line of five (red), plain moves, a last
// move (red), a hint (yellow), a pressed preview (grey), and signs in the
// corner cells to show the margins.
const std::vector<Sign> &Signs()
{
    static const std::vector<Sign> signs = {
        {6, 12, 0, 3},  {7, 11, 0, 3}, {8, 10, 0, 3}, {9, 9, 0, 3},   {10, 8, 0, 3},
        {10, 10, 0, 0}, {11, 9, 0, 0}, {9, 11, 0, 0}, {12, 12, 0, 0}, {8, 7, 0, 0},
        {8, 8, 1, 0},   {9, 10, 1, 0}, {10, 9, 1, 0}, {11, 10, 1, 0}, {7, 9, 1, 0},
        {12, 7, 1, 0},  {11, 8, 1, 3}, {14, 4, 0, 2}, {15, 4, 1, 2},  {14, 5, 0, 1},
        {15, 5, 1, 1},  {0, 0, 0, 0},  {18, 0, 1, 0}, {0, 18, 1, 0},  {18, 18, 0, 0},
        {3, 15, 0, 0},  {4, 15, 1, 0}, {3, 16, 0, 3}, {4, 16, 1, 3},
    };
    return signs;
}

QImage Compose(const Scene &scene, qreal dpr)
{
    QImage view(QSize(qRound(626 * dpr), qRound(387 * dpr)), QImage::Format_ARGB32_Premultiplied);
    view.setDevicePixelRatio(dpr);
    view.fill(Qt::magenta); // any gap left uncovered would show at once
    QPainter p(&view);

    p.drawImage(QPoint(0, 0), DivuzPictureImage(scene.board, dpr));
    for (const Sign &s : Signs())
        p.drawImage(QPoint(4 + 20 * s.x, 4 + 20 * s.y),
                    Cell(scene.strips[s.strip], s.look, dpr, scene.keyedSigns, scene.keyedSigns));

    p.drawImage(LevelRect.topLeft(), DivuzPictureImage(217, dpr));
    p.drawImage(LevelRect.topLeft() + QPoint(85, 6),
                Cell(LevelCaptions[scene.level], 0, dpr, true));
    p.drawImage(HeaderRect.topLeft(), DivuzPictureImage(139, dpr));

    p.drawImage(ScoreRect.topLeft(), DivuzPictureImage(141, dpr));
    DrawNumber(p, ScoreRect.topLeft(), ScoreB, 157, 2, scene.wins[1], dpr);
    DrawNumber(p, ScoreRect.topLeft(), ScoreA, 157, 2, scene.wins[0], dpr);

    p.drawImage(TimeRect.topLeft(), DivuzPictureImage(140, dpr));
    DrawClock(p, TimeRect.topLeft(), TimeB, 145, scene.seconds[0], dpr);
    DrawClock(p, TimeRect.topLeft(), TimeA, 145, scene.seconds[1], dpr);

    p.drawImage(PriceRect.topLeft(), DivuzPictureImage(138, dpr));
    DrawPriceBar(p, PriceRect.topLeft(), PriceA, scene.shown[0]);
    DrawPriceBar(p, PriceRect.topLeft(), PriceB, scene.shown[1]);

    p.fillRect(SpareRect, QColor(192, 192, 192));
    return view;
}

bool Save(const QImage &image, const QString &path)
{
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("pictures-out");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const QDir out(folder);
    bool ok = true;
    for (const qreal dpr : {1.0, 2.0}) {
        const QString suffix = dpr == 1.0 ? QStringLiteral("") : QStringLiteral("@2x");
        for (int id : DivuzPictureIds()) {
            ok &= Save(DivuzPictureImage(id, dpr),
                       out.filePath(QStringLiteral("%1%2.png").arg(id).arg(suffix)));
            if (DivuzPictureImage(id, dpr).hasAlphaChannel() && DivuzPictureKeyColor(id).isValid())
                ok &= Save(DivuzPictureKeyedImage(id, dpr),
                           out.filePath(QStringLiteral("%1-keyed%2.png").arg(id).arg(suffix)));
        }
        const Scene scenes[] = {
            {"preview-x-o-tiles", 133, {131, 132}, 9, {7, 12}, {65, 3600}, {0.35, 0.65}, false},
            {"preview-stones-dotted", 154, {146, 147}, 1, {0, 3}, {9, 754}, {0.8, 0.2}, false},
            {"preview-x-o-dotted", 154, {131, 132}, 7, {10, 99}, {86399, 45296}, {1.0, 0.0}, true},
            {"preview-stones-tiles", 133, {146, 147}, 3, {23, 5}, {0, 5999}, {0.5, 0.5}, true},
        };
        for (const Scene &scene : scenes)
            ok &= Save(Compose(scene, dpr),
                       out.filePath(QStringLiteral("%1%2.png").arg(scene.name).arg(suffix)));
    }
    QTextStream(stdout) << "pictures written to " << out.absolutePath() << '\n';
    return ok ? 0 : 1;
}
