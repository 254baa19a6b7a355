#include "reflect/Registry.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <memory>
#include <string>

#include "app/ClassTable.h"
#include "app/Demo.h"
#include "base/Con.h"
#include "reflect/ObjectList.h"
#include "reflect/String.h"
#include "scene/Camera.h"
#include "scene/PAANode.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

namespace {

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        NClassRegistration();
        Con.EnableBuffer(true);
    }
};

}  // namespace

TEST_F(RegistryTest, RegistersTheWholeTableOnceAndLogsItsSize) {
    EXPECT_EQ(ClassCount(), 59);
    EXPECT_EQ(MemberCount(), 89);
    NClassRegistration();
    EXPECT_EQ(ClassCount(), 59);
    EXPECT_EQ(test::LogText(), "");  // the second call logs nothing
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(RegistryTest, ClassIndexesFollowTheTable) {
    EXPECT_EQ(GetClassIndex("Demo"), 29);
    EXPECT_EQ(GetClassIndex("_2DColorTexMaterial"), 32);
    EXPECT_STREQ(GetClassName(58), "RayInvSphere");
    EXPECT_EQ(GetClassIndex("Float"), 0);
    EXPECT_EQ(GetClassIndex("float"), kTypeFloat);
    EXPECT_STREQ(GetClassName(kTypeString), "string");
    EXPECT_EQ(GetClassName(NoClass), nullptr);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(RegistryTest, MissesAreReportedByKind) {
    EXPECT_EQ(GetClassIndex("Nothing"), NoClass);
    EXPECT_EQ(Con.ErrorCount(), 0);  // a plain line
    EXPECT_EQ(GetClassName(59), nullptr);
    EXPECT_EQ(Con.ErrorCount(), 1);
    NClass unregistered;
    EXPECT_EQ(GetClassIndex(&unregistered), NoClass);
    EXPECT_EQ(test::LogText(),
              "GetClassIndex: class Nothing not found\r\n"
              "Error: GetClassName: class #59 does not exist, there are 59 classes\r\n"
              "Error: NClass: GetClassIndex: Value class not found\r\n");
}

TEST_F(RegistryTest, MemberLookupFollowsInheritFlags) {
    EXPECT_EQ(GetMemberIndex(GetClassIndex("PAANode"), "Object"), 20);
    EXPECT_EQ(GetMemberIndex(GetClassIndex("Camera"), "ViewAngle"), 27);
    EXPECT_EQ(GetMemberIndex(GetClassIndex("DeltaFloat"), "f"), 0);
    EXPECT_EQ(GetMemberIndex(GetClassIndex("LinVectValue"), "x"), NoClass);
    EXPECT_EQ(GetMemberIndex(GetClassIndex("BSFloatValue"), "f"), NoClass);
    EXPECT_EQ(GetMemberIndex(GetClassIndex("PAANode"), "Radius"), NoClass);
    EXPECT_EQ(GetMemberIndex(NoClass, "x"), NoClass);
    EXPECT_EQ(test::LogText(),
              "GetMemberIndex: class LinVectValue does not have a member called x\r\n"
              "GetMemberIndex: class BSFloatValue does not have a member called f\r\n"
              "GetMemberIndex: class TransformNode does not have a member called Radius\r\n"
              "GetMemberIndex x: invalid call: no parent class\r\n");
}

TEST_F(RegistryTest, DerivationFollowsRegisteredParents) {
    EXPECT_TRUE(IsDerived(GetClassIndex("Drawable"), GetClassIndex("RaySphere")));
    EXPECT_FALSE(IsDerived(GetClassIndex("Mesh"), GetClassIndex("RaySphere")));
    EXPECT_TRUE(IsDerived(GetClassIndex("Scene"), GetClassIndex("Scene")));
    EXPECT_FALSE(IsDerived(NoClass, 3));
    EXPECT_EQ(GetContainerName(kContainerTree), std::string("Tree"));
    EXPECT_EQ(GetContainerName(7), std::string("None"));
}

TEST_F(RegistryTest, TextFormReadsByTheMembersOwnType) {
    std::unique_ptr<NClass> camera(CreateObject(GetClassIndex("Camera")));
    auto* typed = dynamic_cast<NCamera*>(camera.get());
    ASSERT_NE(typed, nullptr);
    const int viewAngle = GetMemberIndex(camera.get(), "ViewAngle");
    EXPECT_EQ(SetMember(camera.get(), viewAngle, "2.5"), 0);
    EXPECT_FLOAT_EQ(typed->ViewAngle, 2.5f);
    EXPECT_EQ(SetMember(camera.get(), viewAngle, ""), -1);
    EXPECT_EQ(SetMember(camera.get(), viewAngle, static_cast<const char*>(nullptr)), -1);
    EXPECT_FLOAT_EQ(typed->ViewAngle, 2.5f);

    std::unique_ptr<NClass> string(CreateObject(GetClassIndex("String")));
    EXPECT_EQ(SetMember(string.get(), GetMemberIndex(string.get(), "s"), "hello"), 0);
    EXPECT_EQ(SetMember(string.get(), GetMemberIndex(string.get(), "s"), "again"), 0);
    EXPECT_STREQ(static_cast<NString*>(string.get())->Get(), "again");
}

TEST_F(RegistryTest, IntMembersTakeLeadingDigitsOnlyAndSaySo) {
    std::unique_ptr<NClass> mesh(CreateObject(GetClassIndex("QuadMesh")));
    const int lines = GetMemberIndex(mesh.get(), "Lines");
    EXPECT_EQ(SetMember(mesh.get(), lines, "12abc"), 0);
    EXPECT_EQ(SetMember(mesh.get(), lines, "abc"), -1);
    int32_t* field = static_cast<int32_t*>(GetMemberRecord(lines)->access.field(mesh.get()));
    EXPECT_EQ(*field, 12);
    // A note, which does not count: stored productions play as they did.
    EXPECT_EQ(test::LogText(),
              "number text [12abc] is read as 12; what follows the number is ignored\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(RegistryTest, UnknownNamesFindTheClosestRegisteredOneWhenItIsClose) {
    EXPECT_STREQ(ClosestClassName("Sceen"), "Scene");
    EXPECT_STREQ(ClosestClassName("camera"), "Camera");
    EXPECT_STREQ(ClosestClassName("flaot"), "float");  // the exact case wins a tie
    EXPECT_STREQ(ClosestClassName("RaySpheres"), "RaySphere");
    EXPECT_EQ(ClosestClassName("Banana"), nullptr);
    const int roundQuad = GetClassIndex("RoundQuad");
    EXPECT_STREQ(ClosestMemberName(roundQuad, "Lenght"), "Length");      // swapped letters
    EXPECT_STREQ(ClosestMemberName(roundQuad, "material"), "Material");  // from Drawable
    EXPECT_EQ(ClosestMemberName(roundQuad, "Radius"), nullptr);
    // Lookups stop at a class that does not inherit members, and so do suggestions.
    EXPECT_EQ(ClosestMemberName(GetClassIndex("BSFloatValue"), "f"), nullptr);
    EXPECT_EQ(ClosestMemberName(NoClass, "f"), nullptr);
}

TEST_F(RegistryTest, TextFormRefusesClassMembersAndContainers) {
    std::unique_ptr<NClass> demo(CreateObject(GetClassIndex("Demo")));
    EXPECT_EQ(SetMember(demo.get(), GetMemberIndex(demo.get(), "LoadingImage"), "x"), -1);
    EXPECT_EQ(SetMember(demo.get(), GetMemberIndex(demo.get(), "PartList"), "x"), -1);
    EXPECT_EQ(test::LogText(),
              "Error: SetMember: Demo.LoadingImage is not a type but class StillImage\r\n"
              "Error: SetMember: Demo.PartList is not a type but class Part\r\n");
}

TEST_F(RegistryTest, ObjectFormChecksTheClassChain) {
    std::unique_ptr<NClass> node(CreateObject(GetClassIndex("PAANode")));
    std::unique_ptr<NClass> vector(CreateObject(GetClassIndex("Vector")));
    std::unique_ptr<NClass> number(CreateObject(GetClassIndex("Float")));
    auto* typed = static_cast<NPAANode*>(node.get());
    const int position = GetMemberIndex(node.get(), "Position");
    EXPECT_EQ(SetMember(node.get(), position, vector.get()), 0);
    EXPECT_EQ(typed->Position, vector.get());
    EXPECT_EQ(SetMember(node.get(), position, number.get()), -1);
    EXPECT_EQ(typed->Position, vector.get());
    EXPECT_EQ(SetMember(node.get(), position, static_cast<NClass*>(nullptr)), 0);
    EXPECT_EQ(typed->Position, nullptr);
    EXPECT_EQ(test::LogText(), "Error: NClass: SetMember: classes do not match\r\n");

    std::unique_ptr<NClass> demo(CreateObject(GetClassIndex("Demo")));
    EXPECT_EQ(SetMember(demo.get(), GetMemberIndex(demo.get(), "PartList"), vector.get()), -4);
    // A member of another class is never written through an unrelated object.
    EXPECT_EQ(SetMember(vector.get(), position, vector.get()), -1);
}

TEST_F(RegistryTest, CheckMemberClassAnswersWithoutStoring) {
    std::unique_ptr<NClass> node(CreateObject(GetClassIndex("PAANode")));
    const int object = GetMemberIndex(node.get(), "Object");
    EXPECT_EQ(CheckMemberClass(node.get(), object, GetClassIndex("Camera")), 0);
    EXPECT_EQ(CheckMemberClass(node.get(), object, GetClassIndex("Float")), -3);
    EXPECT_EQ(CheckMemberClass(node.get(), object, kTypeFloat), -1);
}

TEST_F(RegistryTest, CreatedObjectsAreListedAndForgottenWhenDestroyed) {
    const int freeBefore = ObjectList.FreeCount();
    NClass* vector = CreateObject(GetClassIndex("Vector"));
    ASSERT_NE(vector, nullptr);
    EXPECT_EQ(ObjectList.FreeCount(), freeBefore == 0 ? 9 : freeBefore - 1);
    char line[128];
    snprintf(line, sizeof line, "NClass<Vector> Object %p destroyed\r\n",
             static_cast<void*>(vector));
    delete vector;
    EXPECT_EQ(test::LogText(), line);
    NVectValue local;  // never listed: destroying it logs nothing
    EXPECT_EQ(CreateObject(-1), nullptr);
    EXPECT_EQ(CreateObject(59), nullptr);
    EXPECT_NE(test::LogText().find("Error: NClass: 59 values, 59 is an invalid index"),
              std::string::npos);
}

TEST(ObjectList, FreeingTwiceIsRefused) {
    Con.EnableBuffer(true);
    // Static, as the process-wide list is: its record blocks are never returned.
    static NList list;
    list.Add(nullptr, 0);
    ObjectRecord* record = list.First();
    list.Free(record);
    list.Free(record);
    EXPECT_STREQ(Con.BufferText(), "Error: NList: Invalid Free\r\n");
    EXPECT_EQ(list.Allocated(), 10);
    EXPECT_EQ(list.FreeCount(), 10);
}
