#include "ScreenPixel.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace test {

bool ReadScreenPixel(SDL_Window* window, int x, int y, unsigned long* rgb) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    XSync(info.info.x11.display, False);
    XImage* image =
        XGetImage(info.info.x11.display, info.info.x11.window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        return false;
    }
    *rgb = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return true;
}

}  // namespace test
