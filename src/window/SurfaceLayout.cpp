#include "window/SurfaceLayout.h"

PixelRect CentredClientRect(int screenWidth, int screenHeight, int width, int height) {
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

PixelRect CornerClientRect(int screenWidth, int screenHeight) {
    return {screenWidth - kCornerWindowWidth, screenHeight - kCornerWindowHeight,
            kCornerWindowWidth, kCornerWindowHeight};
}

PixelRect LetterboxViewport(int drawableWidth, int drawableHeight) {
    if (drawableWidth * 3 > drawableHeight * 4) {
        const int width = drawableHeight * 4 / 3;
        return {(drawableWidth - width) / 2, 0, width, drawableHeight};
    }
    const int height = drawableWidth * 3 / 4;
    return {0, (drawableHeight - height) / 2, drawableWidth, height};
}
