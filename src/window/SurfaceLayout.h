// Where a surface's window goes on the screen and where its picture goes in the
// window. Pure arithmetic, so the placement rules can be checked without a display.
#pragma once

struct PixelRect {
    int x, y, width, height;
};

// Size of the corner window of windowed play.
constexpr int kCornerWindowWidth = 320;
constexpr int kCornerWindowHeight = 240;

// A width x height client area centred on a screen of the given size; each edge is
// halved with truncation.
PixelRect CentredClientRect(int screenWidth, int screenHeight, int width, int height);
// The corner window's client area: the screen's bottom right 320 x 240 pixels.
PixelRect CornerClientRect(int screenWidth, int screenHeight);
// The largest centred 4:3 rectangle inside a drawable of the given size: the picture
// fills a 4:3 screen and is letterboxed (or pillarboxed) on any other.
PixelRect LetterboxViewport(int drawableWidth, int drawableHeight);
