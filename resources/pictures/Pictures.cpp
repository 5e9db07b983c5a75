#include "Pictures.h"

#include "PictureDrawing.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace
{

// What the windows rely on: the logical size of each picture, how many
// equal cells it holds side by side, and whether it has an alpha channel
// (the others are opaque and keep any key colour as a colour).
struct PictureInfo {
    int id;
    int width;
    int height;
    int cells;
    bool alpha = false;
};

// clang-format off
constexpr PictureInfo Infos[] = {
    {PictureToolbar, 144, 15, 9, true},
    {PictureSignsX, 76, 19, 4, true},
    {PictureSignsO, 76, 19, 4, true},
    {PictureBoardTiles, 387, 387, 1},
    {PicturePriceBack, 239, 78, 1},
    {PictureHeaderBack, 239, 41, 1},
    {PictureTimeBack, 239, 59, 1},
    {PictureScoreBack, 239, 59, 1},
    {PictureSmallDigits, 240, 21, 20},
    {PictureStonesBlack, 76, 19, 4, true},
    {PictureStonesWhite, 76, 19, 4, true},
    {PictureBoardDotted, 387, 387, 1},
    {PictureLargeDigits, 340, 25, 20},
    {PictureSplash, 416, 317, 1},
    {PictureLogo, 74, 71, 1, true},
    {PictureNameCaption, 238, 42, 1, true},
    {PictureLevelMaster, 150, 26, 1},
    {PictureLevelInstant, 150, 26, 1},
    {PictureLevel2Sec, 150, 26, 1},
    {PictureLevelExpert, 150, 26, 1},
    {PictureLevel5Sec, 150, 26, 1},
    {PictureLevel10Sec, 150, 26, 1},
    {PictureLevel30Sec, 150, 26, 1},
    {PictureLevel60Sec, 150, 26, 1},
    {PictureLevelBeginner, 150, 26, 1},
    {PictureLevelDilettante, 150, 26, 1},
    {PictureLevelCandidate, 150, 26, 1},
    {PictureLevelBack, 239, 41, 1},
};
// clang-format on

constexpr auto SortedIds = [] {
    std::array<int, std::size(Infos)> ids{};
    for (std::size_t i = 0; i < ids.size(); ++i)
        ids[i] = Infos[i].id;
    std::sort(ids.begin(), ids.end());
    return ids;
}();

const PictureInfo *FindInfo(int id)
{
    for (const PictureInfo &info : Infos)
        if (info.id == id)
            return &info;
    return nullptr;
}

QString LevelCaptionText(int id)
{
    switch (id) {
    case PictureLevelMaster:
        return QCoreApplication::translate("Pictures", "MASTER");
    case PictureLevelInstant:
        return QCoreApplication::translate("Pictures", "INSTANT");
    case PictureLevel2Sec:
        return QCoreApplication::translate("Pictures", "2 sec/move");
    case PictureLevelExpert:
        return QCoreApplication::translate("Pictures", "EXPERT");
    case PictureLevel5Sec:
        return QCoreApplication::translate("Pictures", "5 sec/move");
    case PictureLevel10Sec:
        return QCoreApplication::translate("Pictures", "10 sec/move");
    case PictureLevel30Sec:
        return QCoreApplication::translate("Pictures", "30 sec/move");
    case PictureLevel60Sec:
        return QCoreApplication::translate("Pictures", "60 sec/move");
    case PictureLevelBeginner:
        return QCoreApplication::translate("Pictures", "Beginner");
    case PictureLevelDilettante:
        return QCoreApplication::translate("Pictures", "Dilettante");
    case PictureLevelCandidate:
        return QCoreApplication::translate("Pictures", "Candidate");
    default:
        return {};
    }
}

void Draw(QPainter &p, int id)
{
    using namespace PictureDrawing;
    switch (id) {
    case PictureToolbar:
        DrawToolbar(p);
        return;
    case PictureSignsX:
    case PictureSignsO:
    case PictureStonesBlack:
    case PictureStonesWhite:
        DrawSignStrip(p, id);
        return;
    case PictureBoardTiles:
        DrawTileBoard(p);
        return;
    case PictureBoardDotted:
        DrawDottedBoard(p);
        return;
    case PicturePriceBack:
        DrawPriceBack(p);
        return;
    case PictureHeaderBack:
        DrawHeaderBack(p);
        return;
    case PictureTimeBack:
        DrawTimeBack(p);
        return;
    case PictureScoreBack:
        DrawScoreBack(p);
        return;
    case PictureLevelBack:
        DrawLevelBack(p);
        return;
    // The score counts in red like a scoreboard, the clocks in green, so the
    // two rows of digits are told apart at a glance.
    case PictureLargeDigits:
        DrawDigitStrip(p, 17, 25, {255, 44, 32}, {24, 5, 4});
        return;
    case PictureSmallDigits:
        DrawDigitStrip(p, 12, 21, {64, 255, 96}, {5, 20, 7});
        return;
    case PictureSplash:
        DrawSplash(p);
        return;
    case PictureLogo:
        DrawEmblem(p, QRectF(0, 0, 74, 71));
        return;
    case PictureNameCaption:
        DrawNameCaption(p);
        return;
    default:
        DrawLevelCaption(p, LevelCaptionText(id));
        return;
    }
}

QImage Render(const PictureInfo &info, qreal dpr)
{
    const QSize physical(qRound(info.width * dpr), qRound(info.height * dpr));
    QImage image(physical, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        Draw(painter, info.id);
    }
    if (info.alpha)
        return image;
    QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    opaque.setDevicePixelRatio(dpr);
    return opaque;
}

// The board repaints on every mouse move while a button is held, so each
// picture is drawn once per density and then shared (QImage copies are
// cheap and safe across threads).
QImage Cached(const PictureInfo &info, qreal dpr)
{
    static std::mutex guard;
    static QHash<QPair<int, qint64>, QImage> cache;
    // Densities differ in practice by at least 1/100; a finer key would only
    // fill the cache with near copies.
    const QPair<int, qint64> key(info.id, std::llround(dpr * 1000.0));
    {
        std::lock_guard lock(guard);
        const auto found = cache.constFind(key);
        if (found != cache.constEnd())
            return *found;
    }
    QImage image = Render(info, dpr);
    std::lock_guard lock(guard);
    if (cache.size() > 256)
        cache.clear();
    cache.insert(key, image);
    return image;
}

} // namespace

std::span<const int> DivuzPictureIds()
{
    return SortedIds;
}

QSize DivuzPictureSize(int id)
{
    const PictureInfo *info = FindInfo(id);
    return info ? QSize(info->width, info->height) : QSize();
}

int DivuzPictureCellCount(int id)
{
    const PictureInfo *info = FindInfo(id);
    return info ? info->cells : 0;
}

QRect DivuzPictureCellRect(int id, int index)
{
    const PictureInfo *info = FindInfo(id);
    if (!info || index < 0 || index >= info->cells)
        return {};
    const int width = info->width / info->cells;
    return {index * width, 0, width, info->height};
}

QColor DivuzPictureKeyColor(int id)
{
    switch (id) {
    case PictureSignsX:
    case PictureSignsO:
    case PictureStonesBlack:
    case PictureStonesWhite:
        return QColor(255, 0, 255);
    case PictureLargeDigits:
    case PictureSmallDigits:
        return QColor(0, 0, 0);
    case PictureToolbar:
        return PictureDrawing::Face;
    default:
        if (id >= PictureLevelMaster && id <= PictureLevelCandidate)
            return QColor(255, 255, 255);
        return {};
    }
}

QImage DivuzPictureImage(int id, qreal devicePixelRatio)
{
    const PictureInfo *info = FindInfo(id);
    if (!info || !(devicePixelRatio > 0.0))
        return {};
    return Cached(*info, devicePixelRatio);
}

QPixmap DivuzPicture(int id, qreal devicePixelRatio)
{
    return QPixmap::fromImage(DivuzPictureImage(id, devicePixelRatio));
}

QImage DivuzPictureKeyedImage(int id, qreal devicePixelRatio)
{
    QImage image = DivuzPictureImage(id, devicePixelRatio);
    if (image.isNull() || !image.hasAlphaChannel())
        return image;
    // A pixel at least a quarter covered keeps its colour, its soft edge
    // blended over the grey of the board and the toolbar it is meant to
    // stand on; the rest becomes the key colour. A lower threshold would
    // widen the shapes, a higher one break up their thin outlines.
    const QRgb key = DivuzPictureKeyColor(id).rgb();
    const QRgb face = PictureDrawing::Face.rgb();
    QImage keyed(image.size(), QImage::Format_RGB32);
    keyed.setDevicePixelRatio(image.devicePixelRatio());
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = in[x];
            const int a = qAlpha(c);
            if (a < 64) {
                out[x] = key;
                continue;
            }
            const auto blend = [a](int premultiplied, int under) {
                return premultiplied + under * (255 - a) / 255;
            };
            out[x] = qRgb(blend(qRed(c), qRed(face)), blend(qGreen(c), qGreen(face)),
                          blend(qBlue(c), qBlue(face)));
        }
    }
    return keyed;
}

QPixmap DivuzPictureKeyed(int id, qreal devicePixelRatio)
{
    return QPixmap::fromImage(DivuzPictureKeyedImage(id, devicePixelRatio));
}

QImage DivuzIconImage(int pixels)
{
    if (pixels <= 0)
        return {};
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PictureDrawing::DrawEmblem(painter, QRectF(0, 0, pixels, pixels));
    return image;
}
