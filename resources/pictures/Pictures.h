#pragma once

// The bitmaps of the presentation, keyed by their resource ids and drawn by
// this program's own code. Every picture is drawn afresh for the pixel
// density it is asked for, so the board, the signs, the digits and the
// captions stay crisp on high-density screens while keeping the logical
// pixel sizes the windows' layout is built on.
//
// Transparency: the sign strips have an alpha channel where the layout
// speaks of the magenta mask colour (DivuzPictureKeyed gives them on
// magenta instead); the digit strips are keyed on black and the level
// captions on white, so their key colour fills every pixel meant to let the
// window's background through.

#include "PictureIds.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>

#include <span>

// Pictures of the sign strips (131, 132, 146, 147).
enum DivuzSignLook : int { SignPlain = 0, SignGrey = 1, SignYellow = 2, SignRed = 3 };

// Pictures of the digit strips (145, 157) beyond the digits 0..9.
enum DivuzDigitPicture : int {
    DigitBlank = 10,
    DigitColon = 11,
    DigitUnderscore = 12,
    DigitAllLit = 13, // 13..19 are all the same
};

// Every id this library draws, in ascending order.
std::span<const int> DivuzPictureIds();

// The logical size of picture id (the layout's size in pixels), or an
// invalid size for an id that is not drawn here.
QSize DivuzPictureSize(int id);

// How many equal pictures the strip id holds side by side: 4 for the sign
// strips, 20 for the digit strips, 9 for the toolbar, 1 for the others and
// 0 for an unknown id.
int DivuzPictureCellCount(int id);

// The logical rectangle of picture index inside strip id; empty when the
// index is out of range.
QRect DivuzPictureCellRect(int id, int index);

// The colour the windows treat as transparent in picture id: magenta for
// the sign strips, black for the digit strips, white for the level
// captions, the button face grey for the toolbar; invalid for pictures
// drawn whole.
QColor DivuzPictureKeyColor(int id);

// Picture id drawn for devicePixelRatio: its physical size is the logical
// size times the ratio (rounded), and the ratio is set on the result, so
// it paints at its logical size. Null for an unknown id or a ratio <= 0.
QImage DivuzPictureImage(int id, qreal devicePixelRatio = 1.0);
QPixmap DivuzPicture(int id, qreal devicePixelRatio = 1.0);

// As DivuzPicture, but without an alpha channel, for code that masks by
// colour: pixels of the sign strips and the toolbar that are mostly
// transparent become the key colour and the others opaque. The other
// pictures have no alpha channel anyway and come as DivuzPicture gives them.
QImage DivuzPictureKeyedImage(int id, qreal devicePixelRatio = 1.0);
QPixmap DivuzPictureKeyed(int id, qreal devicePixelRatio = 1.0);

// The program's icon, square, pixels wide, on a transparent background: the
// emblem of the logo, for the window and for the icons an installation
// puts in the desktop's icon theme.
QImage DivuzIconImage(int pixels);
