#pragma once

// The ids of the program's pictures, as the window layout names them. The
// standard library only, so the settings can name the pictures the layout
// uses without the drawing code; resources/pictures draws them.

enum DivuzPictureId : int {
    PictureToolbar = 128,     // nine toolbar buttons, 16 x 15 each
    PictureSignsX = 131,      // X: green, grey, yellow, red
    PictureSignsO = 132,      // O: blue, grey, yellow, red
    PictureBoardTiles = 133,  // raised tiles separated by dark lines
    PicturePriceBack = 138,   // chances window background
    PictureHeaderBack = 139,  // "PLAYER" / "COMPUTER"
    PictureTimeBack = 140,    // clock window background
    PictureScoreBack = 141,   // score window background
    PictureSmallDigits = 145, // twenty 12 x 21 digit pictures
    PictureStonesBlack = 146, // black stone: plain, grey, yellow ring, red ring
    PictureStonesWhite = 147, // white stone: plain, grey, yellow ring, red ring
    PictureBoardDotted = 154, // flat board with dotted grid lines
    PictureLargeDigits = 157, // twenty 17 x 25 digit pictures
    PictureSplash = 164,      // the splash screen, 416 x 317
    PictureLogo = 170,        // the About box's logo, 74 x 71
    PictureNameCaption = 201, // the program's name, 238 x 42
    PictureLevelMaster = 206, // level captions, 206..216
    PictureLevelInstant = 207,
    PictureLevel2Sec = 208,
    PictureLevelExpert = 209,
    PictureLevel5Sec = 210,
    PictureLevel10Sec = 211,
    PictureLevel30Sec = 212,
    PictureLevel60Sec = 213,
    PictureLevelBeginner = 214,
    PictureLevelDilettante = 215,
    PictureLevelCandidate = 216,
    PictureLevelBack = 217, // level window background with "Level :"
};
