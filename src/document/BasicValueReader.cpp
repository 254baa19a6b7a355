#include "document/BasicValueReader.h"

#include <cstring>

#include "image/Bitmap.h"
#include "render/Texture.h"
#include "values/ColorValue.h"
#include "values/FloatValue.h"
#include "values/ValueReader.h"
#include "values/VectValue.h"

NTexture* ReadTextureValue(const char* text) {
    // A file name cannot be empty; the caller then makes a default texture.
    if (!text || !text[0]) {
        return nullptr;
    }
    auto* bitmap = new NBitmap;
    bitmap->SetName(text);
    auto* texture = new NTexture;
    texture->Bitmap = bitmap;
    return texture;
}

NClass* ReadBasicValue(const char* className, const char* text) {
    if (!className) {
        return nullptr;
    }
    if (strcmp(className, "Float") == 0) {
        return ReadFloatValue(text);
    }
    if (strcmp(className, "Color") == 0) {
        return ReadColorValue(text);
    }
    if (strcmp(className, "Vector") == 0) {
        return ReadVectValue(text);
    }
    if (strcmp(className, "Texture") == 0) {
        return ReadTextureValue(text);
    }
    return nullptr;
}
