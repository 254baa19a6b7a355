#include "render/Extensions.h"

#include <SDL.h>

GLExtensions Ext;

const char* const kExtensionNames[] = {
#define NIMBUS_GL_EXTENSION_NAME(type, name) #name,
    NIMBUS_GL_EXTENSIONS(NIMBUS_GL_EXTENSION_NAME)
#undef NIMBUS_GL_EXTENSION_NAME
};

const int kExtensionCount = sizeof(kExtensionNames) / sizeof(kExtensionNames[0]);

void FetchExtensions() {
    if (!SDL_GL_GetCurrentContext()) {
        return;
    }
#define NIMBUS_GL_EXTENSION_FETCH(type, name) \
    Ext.name = reinterpret_cast<type>(SDL_GL_GetProcAddress(#name));
    NIMBUS_GL_EXTENSIONS(NIMBUS_GL_EXTENSION_FETCH)
#undef NIMBUS_GL_EXTENSION_FETCH
}
