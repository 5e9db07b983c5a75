#pragma once

// The presentation layout: where each window of the view sits, which
// pictures it paints and in which colours. The options record carries it so
// that every window reads its geometry from the same copy as the settings;
// it is never written to the settings store.

#include <cstdint>

// Left, top, right, bottom; right and bottom lie just outside the area.
struct LayoutRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// Colours are kept as 0x00BBGGRR so the layout values read like the
// resource tables they come from.
constexpr std::int32_t LayoutRgb(int r, int g, int b)
{
    return static_cast<std::int32_t>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

struct PoleWndLayout {
    LayoutRect Rect;
    std::int32_t BackBitmap = 0;
    std::int32_t Margin = 0;
    std::int32_t LineWidth = 0;
    std::int32_t CellSize = 0;
    std::int32_t CellCount = 0;
    std::int32_t MaskColor = 0;
    std::int32_t SignBitmaps[4] = {};
    std::int32_t BoardBitmaps[2] = {};
};

struct TextWndLayout {
    LayoutRect Rect;
    std::int32_t BackBitmap = 0;
};

// The grey area below the chances window; the view fills it itself.
struct SpareLayout {
    LayoutRect Rect;
    std::int32_t BackBitmap = 0;
};

struct ScoreWndLayout {
    LayoutRect Rect;
    std::int32_t BackBitmap = 0;
    LayoutRect RectA;
    LayoutRect RectB;
    std::int32_t DigitBitmap = 0;
    std::int32_t DigitCount = 0;
};

struct TimeWndLayout {
    LayoutRect Rect;
    std::int32_t BackBitmap = 0;
    LayoutRect RectA;
    LayoutRect RectB;
    std::int32_t DigitBitmap = 0;
};

struct PriceWndLayout {
    LayoutRect Rect;
    std::int32_t BackBitmap = 0;
    LayoutRect RectA;
    LayoutRect RectB;
    std::int32_t TopColor = 0;
    std::int32_t SideColor = 0;
    std::int32_t FrontColor = 0;
};

struct LevelWndLayout {
    LayoutRect Rect;
    std::int32_t BackBitmap = 0;
    std::int32_t LevelBitmaps[11] = {};
    std::int32_t BitmapX = 0;
    std::int32_t BitmapY = 0;
};

// Each member carries the name of its record type, so the type names are
// spelled with :: inside the block.
struct WndLayout {
    ::PoleWndLayout PoleWndLayout;
    ::TextWndLayout TextWndLayout;
    ::SpareLayout SpareLayout;
    ::ScoreWndLayout ScoreWndLayout;
    ::TimeWndLayout TimeWndLayout;
    ::PriceWndLayout PriceWndLayout;
    ::LevelWndLayout LevelWndLayout;
};

// The values the application object puts into its options record when it is
// built: a 387-pixel board on the left and the 239-pixel panel column.
WndLayout StandardWndLayout();
