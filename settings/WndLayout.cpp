#include "WndLayout.h"

#include "PictureIds.h"

WndLayout StandardWndLayout()
{
    WndLayout layout;

    // The board draws from its two board pictures, never from BackBitmap.
    auto &pole = layout.PoleWndLayout;
    pole.Rect = {0, 0, 387, 387};
    pole.BackBitmap = 0;
    pole.Margin = 3;
    pole.LineWidth = 1;
    pole.CellSize = 19;
    pole.CellCount = 19;
    pole.MaskColor = LayoutRgb(255, 0, 255);
    const std::int32_t signBitmaps[4] = {PictureSignsX, PictureSignsO, PictureStonesBlack,
                                         PictureStonesWhite};
    for (int i = 0; i < 4; ++i)
        pole.SignBitmaps[i] = signBitmaps[i];
    pole.BoardBitmaps[0] = PictureBoardTiles;
    pole.BoardBitmaps[1] = PictureBoardDotted;

    layout.TextWndLayout.Rect = {387, 41, 626, 82};
    layout.TextWndLayout.BackBitmap = PictureHeaderBack;

    layout.SpareLayout.Rect = {387, 278, 626, 387};
    layout.SpareLayout.BackBitmap = 0;

    auto &score = layout.ScoreWndLayout;
    score.Rect = {387, 82, 626, 141};
    score.BackBitmap = PictureScoreBack;
    score.RectA = {10, 10, 110, 50};
    score.RectB = {130, 10, 220, 50};
    score.DigitBitmap = PictureLargeDigits;
    score.DigitCount = 2;

    // Unlike the score window, the clock's RectA (the computer's clock) lies
    // on the right and RectB (the player's) on the left.
    auto &time = layout.TimeWndLayout;
    time.Rect = {387, 141, 626, 200};
    time.BackBitmap = PictureTimeBack;
    time.RectA = {130, 10, 220, 50};
    time.RectB = {15, 10, 115, 50};
    time.DigitBitmap = PictureSmallDigits;

    auto &price = layout.PriceWndLayout;
    price.Rect = {387, 200, 626, 278};
    price.BackBitmap = PicturePriceBack;
    price.RectA = {67, 23, 83, 60};
    price.RectB = {177, 23, 193, 60};
    price.TopColor = LayoutRgb(200, 70, 70);
    price.SideColor = LayoutRgb(255, 100, 100);
    price.FrontColor = LayoutRgb(100, 10, 10);

    // Indexed by Level, so the captions follow the strength order rather
    // than the resource ids.
    auto &level = layout.LevelWndLayout;
    level.Rect = {387, 0, 626, 41};
    level.BackBitmap = PictureLevelBack;
    const std::int32_t levelBitmaps[11] = {
        PictureLevelInstant,   PictureLevel2Sec,   PictureLevel5Sec,     PictureLevel10Sec,
        PictureLevel30Sec,     PictureLevel60Sec,  PictureLevelBeginner, PictureLevelDilettante,
        PictureLevelCandidate, PictureLevelMaster, PictureLevelExpert};
    for (int i = 0; i < 11; ++i)
        level.LevelBitmaps[i] = levelBitmaps[i];
    level.BitmapX = 85;
    level.BitmapY = 6;

    return layout;
}
