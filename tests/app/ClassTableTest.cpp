// The text forms the class table gives its classes, read through the registry as
// the compiler reads them.
#include "app/ClassTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "base/Con.h"
#include "image/Bitmap.h"
#include "reflect/ObjectList.h"
#include "reflect/Registry.h"
#include "render/Texture.h"
#include "values/ColorValue.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

namespace {

std::unique_ptr<NClass> FromText(const char* className, const char* text) {
    return std::unique_ptr<NClass>(CreateObjectFromText(FindClassByName(className), text));
}

const ObjectRecord* Newest() {
    const ObjectRecord* newest = nullptr;
    for (ObjectRecord* record = ObjectList.First(); record; record = ObjectList.Next(record)) {
        newest = record;
    }
    return newest;
}

}  // namespace

TEST(ClassTable, TextFormsBelongToTheirOwnClassesOnly) {
    Con.EnableBuffer(true);
    auto number = FromText("Float", "  2.5xyz");
    ASSERT_EQ(typeid(*number), typeid(NFloatValue));
    EXPECT_FLOAT_EQ(static_cast<NFloatValue*>(number.get())->f, 2.5f);
    // Read objects are listed under the class that read them.
    EXPECT_EQ(Newest()->object, number.get());
    EXPECT_EQ(Newest()->classIndex, FindClassByName("Float"));
    auto vector = FromText("Vector", "0 1 0 2");
    ASSERT_EQ(typeid(*vector), typeid(NVectValue));
    EXPECT_FLOAT_EQ(static_cast<NVectValue*>(vector.get())->y, 1.0f);
    auto color = FromText("Color", "#102030");
    EXPECT_EQ(typeid(*color), typeid(NColorValue));
    // Derived classes and the basic types have no text form of their own.
    for (const char* name : {"float", "DeltaFloat", "LinColorValue", "String", "Floats"}) {
        EXPECT_EQ(FromText(name, "3"), nullptr) << name;
    }
    EXPECT_EQ(FromText("Float", "xyz"), nullptr);
    EXPECT_EQ(FromText("Color", "#12"), nullptr);
    // Text that reads other than written is noted; the readers keep what they read.
    EXPECT_EQ(test::LogText(),
              "number text [  2.5xyz] is read as 2.5; what follows the number is ignored\r\n"
              "number text [0 1 0 2] is read as 0 1 0; what follows the number is ignored\r\n"
              "Error: Color Reader: #RRGGBB or #RRGGBBAA hexadecimal form expected\r\n");
    EXPECT_EQ(Con.NoticeCount(), 2);
}

TEST(ClassTable, TextureTextMakesAListedBitmapWithItsOwnCopyOfTheName) {
    std::string name = "images/sky.jpg";
    std::unique_ptr<NClass> texture(CreateObjectFromText(FindClassByName("Texture"), name.c_str()));
    ASSERT_EQ(typeid(*texture), typeid(NTexture));
    NBitmap* bitmap = static_cast<NTexture*>(texture.get())->Bitmap;
    ASSERT_NE(bitmap, nullptr);
    name[0] = 'X';
    EXPECT_STREQ(bitmap->Name, "images/sky.jpg");
    // The bitmap is listed before its texture: nothing older points at something newer.
    EXPECT_EQ(Newest()->object, texture.get());
    const ObjectRecord* before = Newest()->prev;
    EXPECT_EQ(before->object, bitmap);
    EXPECT_EQ(before->classIndex, FindClassByName("Bitmap"));
    texture.reset();
    delete bitmap;
    EXPECT_EQ(CreateObjectFromText(FindClassByName("Texture"), ""), nullptr);
}
