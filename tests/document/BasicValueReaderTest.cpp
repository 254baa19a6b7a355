#include "document/BasicValueReader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "base/Con.h"
#include "image/Bitmap.h"
#include "render/Texture.h"
#include "values/ColorValue.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

namespace {

const char kColorError[] =
    "Error: Color Reader: #RRGGBB or #RRGGBBAA hexadecimal form expected\r\n";

TEST(BasicValueReader, TextureGetsABitmapHoldingItsOwnCopyOfTheName) {
    std::string name = "images/sky.jpg";
    std::unique_ptr<NTexture> texture(ReadTextureValue(name.c_str()));
    ASSERT_NE(texture, nullptr);
    std::unique_ptr<NBitmap> bitmap(texture->Bitmap);
    ASSERT_NE(bitmap, nullptr);
    name[0] = 'X';
    EXPECT_STREQ(bitmap->Name, "images/sky.jpg");
    EXPECT_EQ(ReadTextureValue(""), nullptr);
}

TEST(BasicValueReader, BasicValueDispatchesOnTheWholeClassName) {
    Con.EnableBuffer(true);
    EXPECT_EQ(typeid(*std::unique_ptr<NClass>(ReadBasicValue("Float", "3"))), typeid(NFloatValue));
    EXPECT_EQ(typeid(*std::unique_ptr<NClass>(ReadBasicValue("Vector", "1"))), typeid(NVectValue));
    EXPECT_EQ(typeid(*std::unique_ptr<NClass>(ReadBasicValue("Color", "#102030"))),
              typeid(NColorValue));
    std::unique_ptr<NClass> texture(ReadBasicValue("Texture", "a.tga"));
    ASSERT_EQ(typeid(*texture), typeid(NTexture));
    delete static_cast<NTexture*>(texture.get())->Bitmap;
    for (const char* name : {"float", "DeltaFloat", "String", "Floats"}) {
        EXPECT_EQ(ReadBasicValue(name, "3"), nullptr) << name;
    }
    EXPECT_EQ(ReadBasicValue(nullptr, "3"), nullptr);
    EXPECT_EQ(ReadBasicValue("Color", "#12"), nullptr);
    EXPECT_STREQ(Con.BufferText(), kColorError);
}

}  // namespace
