// A texture made from a bitmap: loaded and converted once, uploaded with its
// whole mipmap chain, its pixels then freed, and from then on only bound.
#pragma once

#include <cstdint>

#include "reflect/Class.h"
#include "reflect/MemberTable.h"

class NBitmap;
struct TextureImage;

class NTexture : public NClass {
  public:
    // Filter bits.
    static constexpr int32_t kMipmapMinification = 1;
    static constexpr int32_t kLinearMagnification = 2;
    static constexpr int kNoTexture = -1;

    NTexture() = default;
    NTexture(const NTexture&) = delete;
    NTexture& operator=(const NTexture&) = delete;
    ~NTexture() override { ReleaseTexture(); }
    NClass* Create() override { return new NTexture; }
    // Loads the bitmap, converts it to the row order OpenGL reads and uploads it.
    // While the renderer is not ready the bitmap keeps its pixels and the first Bind
    // uploads them.
    void Init() override;
    static void Members(MemberTable<NTexture>& m);

    // Init's first half, which needs no OpenGL: loads the bitmap and converts it to
    // the row order OpenGL reads. 0 on success; failures are logged.
    int PreparePixels();

    // Binds the texture on the active unit, sets its filters and enables 2D
    // texturing there; uploads first when the bitmap's pixels changed. 1 when there
    // is neither a texture nor a bitmap, or the renderer is not ready.
    int Bind();
    // Uploads the bitmap's pixels into this texture (binding it); 0 on success.
    int Upload();
    // Deletes the renderer's texture; the bitmap stays.
    void ReleaseTexture();

    int TextureName() const { return textureName; }
    // True once Init ran: a texture that set-up reached, whether it loaded or not.
    bool InitTried() const { return initTried; }
    int SizeEstimate() const { return sizeEstimate; }

    // Not owned.
    NBitmap* Bitmap = nullptr;
    int32_t filter = kMipmapMinification | kLinearMagnification;
    // Upload the top level only and keep the bitmap's pixels, so that changed pixels
    // can be uploaded again.
    bool keep = false;

  private:
    int UploadMipmapped(const TextureImage& image);
    int UploadTopLevel(const TextureImage& image);

    int textureName = kNoTexture;
    bool initTried = false;
    // Estimated video memory in bytes.
    int sizeEstimate = 0;
};

// Makes `unit` active and binds `texture` there; without a texture that can be bound,
// turns texturing off on that unit instead. Nothing on a unit the driver lacks.
void BindTextureOnUnit(NTexture* texture, int unit);

// The text form of a texture, its image's file name: a new texture with a new
// bitmap that holds a copy of the name (listed among the created objects, so it
// lives as long as the texture). Nothing is loaded here. Null for an empty name.
NTexture* ReadTextureValue(const char* text);
