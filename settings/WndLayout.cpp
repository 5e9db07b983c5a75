#include "WndLayout.h"

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
    const std::int32_t signBitmaps[4] = {131, 132, 146, 147};
    for (int i = 0; i < 4; ++i)
        pole.SignBitmaps[i] = signBitmaps[i];
    pole.BoardBitmaps[0] = 133;
    pole.BoardBitmaps[1] = 154;

    layout.TextWndLayout.Rect = {387, 41, 626, 82};
    layout.TextWndLayout.BackBitmap = 139;

    layout.SpareLayout.Rect = {387, 278, 626, 387};
    layout.SpareLayout.BackBitmap = 0;

    auto &score = layout.ScoreWndLayout;
    score.Rect = {387, 82, 626, 141};
    score.BackBitmap = 141;
    score.RectA = {10, 10, 110, 50};
    score.RectB = {130, 10, 220, 50};
    score.DigitBitmap = 157;
    score.DigitCount = 2;

    // Unlike the score window, the clock's RectA (the computer's clock) lies
    // on the right and RectB (the player's) on the left.
    auto &time = layout.TimeWndLayout;
    time.Rect = {387, 141, 626, 200};
    time.BackBitmap = 140;
    time.RectA = {130, 10, 220, 50};
    time.RectB = {15, 10, 115, 50};
    time.DigitBitmap = 145;

    auto &price = layout.PriceWndLayout;
    price.Rect = {387, 200, 626, 278};
    price.BackBitmap = 138;
    price.RectA = {67, 23, 83, 60};
    price.RectB = {177, 23, 193, 60};
    price.TopColor = LayoutRgb(200, 70, 70);
    price.SideColor = LayoutRgb(255, 100, 100);
    price.FrontColor = LayoutRgb(100, 10, 10);

    // Indexed by Level, so the captions follow the strength order rather
    // than the resource ids.
    auto &level = layout.LevelWndLayout;
    level.Rect = {387, 0, 626, 41};
    level.BackBitmap = 217;
    const std::int32_t levelBitmaps[11] = {207, 208, 210, 211, 212, 213, 214, 215, 216, 206, 209};
    for (int i = 0; i < 11; ++i)
        level.LevelBitmaps[i] = levelBitmaps[i];
    level.BitmapX = 85;
    level.BitmapY = 6;

    return layout;
}
