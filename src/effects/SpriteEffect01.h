// Three sprites circling the centre of the view, each with a window of the texture
// that follows it, drawn with the sprite material's layout.
#pragma once

#include "effects/SpriteMesh01.h"
#include "reflect/MemberTable.h"

class NSpriteEffect01 : public NSpriteMesh01 {
  public:
    NClass* Create() override { return new NSpriteEffect01; }
    // A capacity of 100 plain sprites, then the sprite mesh's Init.
    void Init() override;
    // Animates for CurrentTime, then draws; with room for fewer than three sprites it
    // reports and draws nothing.
    void Render() override;
    const VertexLayout* RequiredLayout() const override { return &kSpriteLayout; }

    // Places the three sprites for part time t and sets the sprite count; needs no
    // window. False when there is no room for them.
    bool Animate(float t);
    // Writes the vertices of the current sprites; needs no window.
    void BuildVertices();

    static constexpr int32_t kCapacity = 100;
    static constexpr int32_t kAnimatedSprites = 3;
};
