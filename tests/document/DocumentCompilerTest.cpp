#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "reflect/ClassRegistration.h"
#include "reflect/Registry.h"
#include "reflect/String.h"
#include "scene/Camera.h"
#include "scene/PAANode.h"
#include "scene/Scene.h"
#include "values/BSFloatValue.h"
#include "values/VectValue.h"

namespace {

class DocumentCompilerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        NClassRegistration();
        store.Mount(kDirectoryMode, dir.Path().c_str());
        store.SetAsDefault(false);
        Con.EnableBuffer(true);
        Con.SetBufferSize(100000);
        Con.EnableBuffer(true);
    }

    // Loads `body` inside a "Nimbus" root and compiles it; returns the first Demo.
    NClass* Compile(const std::string& body, const char* find = "Demo") {
        test::WriteFile(dir / "doc.xml", "<Nimbus>\n" + body + "\n</Nimbus>\n");
        document.Load("doc.xml");
        EXPECT_EQ(Con.ErrorCount(), 0) << "the document must load cleanly: " << test::LogText();
        return document.CompileAndFind(find);
    }

    NClass* Object(const char* name) {
        for (DocNode* node = document.Root().firstChild; node; node = node->next) {
            if (node->name && std::string(node->name) == name) {
                return node->object;
            }
        }
        return nullptr;
    }

    bool Logged(const std::string& text) const {
        return test::LogText().find(text) != std::string::npos;
    }

    test::TempDir dir;
    NData store;
    NimbusDocument document;
};

// A class of the test's own whose list holds scenes, whose entries carry a time.
class NSceneReel : public NClass {
  public:
    NClass* Create() override { return new NSceneReel; }
    static void Members(MemberTable<NSceneReel>& m) {
        m.List<&NSceneReel::scenes>("Scenes", "Scene");
    }
    NScene scenes;
};

const char kThreeParts[] =
    "<Part Name=\"P1\"/>\n<Part Name=\"P2\"/>\n<Part Name=\"P3\"/>\n"
    "<Demo Name=\"D\">\n"
    "  <Part Role=\"PartList\" Container=\"List\">\n"
    "    <Part Name=\"P1\"/>\n    <Part Name=\"P2\"/>\n    <Part Name=\"P3\"/>\n"
    "  </Part>\n"
    "</Demo>";

}  // namespace

TEST_F(DocumentCompilerTest, ListRunsInReverseDocumentOrder) {
    auto* demo = dynamic_cast<NDemo*>(Compile(kThreeParts));
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
    NListNodeClass* first = demo->PartList.next;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, Object("P3"));
    EXPECT_EQ(first->next, Object("P2"));
    EXPECT_EQ(first->next->next, Object("P1"));
    EXPECT_EQ(first->next->next->next, nullptr);
}

TEST_F(DocumentCompilerTest, ObjectNamedTwiceInContainersIsRefusedWithoutACycle) {
    auto* demo = dynamic_cast<NDemo*>(
        Compile("<Part Name=\"P1\"/>\n<Part Name=\"P2\"/>\n<Demo Name=\"D\">\n"
                "  <Part Role=\"PartList\" Container=\"List\">\n"
                "    <Part Name=\"P1\"/>\n    <Part Name=\"P2\"/>\n    <Part Name=\"P1\"/>\n"
                "  </Part>\n</Demo>"));
    ASSERT_NE(demo, nullptr);
    EXPECT_TRUE(Logged("Error: doc.xml:8: object P1 of class Part is already in a container"))
        << test::LogText();
    int length = 0;
    for (NListNodeClass* node = demo->PartList.next; node && length < 10; node = node->next) {
        ++length;
    }
    EXPECT_EQ(length, 2);
}

TEST_F(DocumentCompilerTest, TreeSiblingsRunReversedAndNestingGivesTheShape) {
    Compile(
        "<PAANode Name=\"A\"/>\n<PAANode Name=\"B\"/>\n<PAANode Name=\"A1\"/>\n"
        "<Scene Name=\"S\">\n"
        "  <TransformNode Role=\"Nodes\" Container=\"Tree\">\n"
        "    <PAANode Name=\"A\">\n      <PAANode Name=\"A1\"/>\n    </PAANode>\n"
        "    <PAANode Name=\"B\"/>\n"
        "  </TransformNode>\n</Scene>",
        "Scene");
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
    auto* scene = dynamic_cast<NScene*>(Object("S"));
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->root.firstChild, Object("B"));
    EXPECT_EQ(scene->root.firstChild->next, Object("A"));
    EXPECT_EQ(static_cast<NTreeNodeClass*>(dynamic_cast<NPAANode*>(Object("A")))->firstChild,
              Object("A1"));
}

TEST_F(DocumentCompilerTest, AContainerOfTheWrongKindIsReportedOnceAndItsEntriesStillLink) {
    Compile(
        "<PAANode Name=\"A\"/>\n<PAANode Name=\"B\"/>\n<PAANode Name=\"A1\"/>\n"
        "<Scene Name=\"S\">\n"
        "  <TransformNode Role=\"Nodes\" Container=\"List\">\n"
        "    <PAANode Name=\"A\">\n      <PAANode Name=\"A1\"/>\n    </PAANode>\n"
        "    <PAANode Name=\"B\"/>\n"
        "  </TransformNode>\n</Scene>\n"
        "<Part Name=\"P1\"/>\n<Part Name=\"P2\"/>\n"
        "<Demo Name=\"D\">\n"
        "  <Part Role=\"PartList\" Container=\"Tree\"><Part Name=\"P1\"/><Part "
        "Name=\"P2\"/></Part>\n"
        "</Demo>");
    EXPECT_EQ(Con.ErrorCount(), 2) << test::LogText();
    EXPECT_TRUE(
        Logged("Error: doc.xml:6: Invalid container of Nodes: expected Tree, found List\r\n"))
        << test::LogText();
    EXPECT_TRUE(
        Logged("Error: doc.xml:16: Invalid container of PartList: expected List, found Tree\r\n"))
        << test::LogText();
    EXPECT_FALSE(Logged("missing")) << test::LogText();
    EXPECT_FALSE(Logged("Unexpected nodes")) << test::LogText();
    // Tree nodes still form the tree, parts still form the list.
    auto* scene = dynamic_cast<NScene*>(Object("S"));
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->root.firstChild, Object("B"));
    EXPECT_EQ(scene->root.firstChild->next, Object("A"));
    EXPECT_EQ(static_cast<NTreeNodeClass*>(dynamic_cast<NPAANode*>(Object("A")))->firstChild,
              Object("A1"));
    auto* demo = dynamic_cast<NDemo*>(Object("D"));
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(demo->PartList.next, Object("P2"));
    EXPECT_EQ(demo->PartList.next->next, Object("P1"));
}

TEST_F(DocumentCompilerTest, MemberTypeDecidesHowTextIsRead) {
    Compile(
        "<Camera Name=\"C\"><int Role=\"ViewAngle\">2.5</int>"
        "<string Role=\"FarZ\">100</string></Camera>",
        "Camera");
    auto* camera = dynamic_cast<NCamera*>(Object("C"));
    ASSERT_NE(camera, nullptr);
    EXPECT_FLOAT_EQ(camera->ViewAngle, 2.5f);
    EXPECT_FLOAT_EQ(camera->FarZ, 100.0f);
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}

TEST_F(DocumentCompilerTest, ReferencesReachOnlyEarlierElements) {
    Compile(
        "<Demo Name=\"D\">\n  <Part Role=\"PartList\" Container=\"List\">\n"
        "    <Part Name=\"Later\"/>\n  </Part>\n</Demo>\n<Part Name=\"Later\"/>");
    const std::string notConverted =
        "Error: doc.xml:4: Reference: a node with name Later exists, but is not converted yet\r\n";
    EXPECT_TRUE(Logged(notConverted + notConverted +
                       "Error: doc.xml:4: invalid reference to object Later of class Part\r\n"))
        << test::LogText();
    EXPECT_TRUE(Logged("Warning: Compile: Unexpected nodes found"));
}

TEST_F(DocumentCompilerTest, IncompatibleReferenceDefinesANewObject) {
    Compile(
        "<Float Name=\"V\">1</Float>\n"
        "<PAANode Name=\"N\"><Vector Role=\"Position\" Name=\"V\">1 2 3</Vector></PAANode>",
        "PAANode");
    EXPECT_TRUE(
        Logged("Error: doc.xml:3: Reference: node V is of class Float which is incompatible with "
               "class Vector"))
        << test::LogText();
    auto* node = dynamic_cast<NPAANode*>(Object("N"));
    ASSERT_NE(node, nullptr);
    ASSERT_NE(node->Position, nullptr);
    EXPECT_FLOAT_EQ(node->Position->y, 2.0f);
}

TEST_F(DocumentCompilerTest, SharedValuesAreReferencesButMayNotBeExpanded) {
    Compile(
        "<Vector Name=\"V\">1 2 3</Vector>\n"
        "<PAANode Name=\"N\"><Vector Role=\"Position\" Name=\"V\"/>"
        "<Vector Role=\"RotationAxis\" Name=\"V\"><float Role=\"x\">1</float></Vector>"
        "</PAANode>",
        "PAANode");
    auto* node = dynamic_cast<NPAANode*>(Object("N"));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->Position, Object("V"));
    EXPECT_EQ(node->RotationAxis, nullptr);
    EXPECT_TRUE(Logged("Error: doc.xml:3: reference is expanded (node V of class Vector)"))
        << test::LogText();
}

TEST_F(DocumentCompilerTest, FindsTheFirstDemoOnly) {
    NClass* demo = Compile("<Float Name=\"F\">1</Float><Demo Name=\"A\"/><Demo Name=\"B\"/>");
    EXPECT_EQ(demo, Object("A"));
    EXPECT_EQ(document.CompileAndFind("NoSuchClass"), nullptr);
    EXPECT_TRUE(Logged("GetClassIndex: class NoSuchClass not found"));
}

TEST_F(DocumentCompilerTest, TextThatDoesNotReadGivesADefaultObject) {
    Compile(
        "<PAANode Name=\"N\"><Vector Role=\"Position\">not numbers</Vector></PAANode>"
        "<String Name=\"S\">ignored text</String>",
        "PAANode");
    auto* node = dynamic_cast<NPAANode*>(Object("N"));
    ASSERT_NE(node, nullptr);
    EXPECT_NE(node->Position, nullptr);
    auto* text = dynamic_cast<NString*>(Object("S"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Get(), nullptr);
}

TEST_F(DocumentCompilerTest, KeysFillKeyframedValuesOnly) {
    Compile(
        "<BSFloatValue Name=\"K\"><Key Time=\"0\">1</Key><Key Time=\"1\">2</Key>"
        "</BSFloatValue>\n<Float Name=\"F\"><Key Time=\"0\">1</Key></Float>\n"
        "<BSFloatValue Name=\"T\"><Key Time=\"soon\">1</Key></BSFloatValue>",
        "Float");
    EXPECT_NE(dynamic_cast<NBSFloatValue*>(Object("K")), nullptr);
    EXPECT_TRUE(Logged("Error: doc.xml:3: class Float can not be keyframed")) << test::LogText();
    EXPECT_TRUE(Logged("Error: doc.xml:4: key time [soon] is invalid")) << test::LogText();
    EXPECT_EQ(Con.ErrorCount(), 3);  // and the closing warning
}

TEST_F(DocumentCompilerTest, MisplacedElementsAreRefusedAndTheRestCompiles) {
    Compile(
        "<Nowhere Name=\"X\"/>\n"
        "<float Name=\"loose\">1</float>\n"
        "<Part Name=\"R\" Container=\"List\"/>\n"
        "<Camera Name=\"C\">\n"
        "  <float>1</float>\n"
        "  <float Role=\"Nothing\">1</float>\n"
        "  <float Role=\"FarZ\" Container=\"List\">1</float>\n"
        "  <float Role=\"FarZ\">far</float>\n"
        "</Camera>\n"
        "<Demo Name=\"D\">\n"
        "  <StillImage Role=\"LoadingImage\" Container=\"List\"/>\n"
        "  <Part Role=\"PartList\"/>\n"
        "  <Float Role=\"PartList\" Container=\"List\"/>\n"
        "  <Part Role=\"PartList\" Container=\"List\" Name=\"L\">\n"
        "    <float>1</float>\n"
        "    <Part Name=\"Q\" Container=\"List\"/>\n"
        "  </Part>\n"
        "</Demo>\n"
        "<Vector Name=\"Last\">1 2 3</Vector>");
    for (const char* message : {
             "GetClassIndex: class Nowhere not found\r\nWarning: doc.xml:2: unknown class "
             "[Nowhere]",
             "Warning: doc.xml:3: no owner class exists, basic type float value 1 is discarded",
             "Error: doc.xml:4: the root node may not be a container",
             "Error: doc.xml:6: missing Role of type \"float\"",
             "GetMemberIndex: class TransformNodeContent does not have a member called "
             "Nothing\r\n"
             "Warning: doc.xml:7: unknown member [Nothing] of [Camera]",
             "Error: doc.xml:8: basic types can not have containers",
             "Error: doc.xml:9: failed to set member type float value [far]",
             "Error: doc.xml:12: Invalid container of LoadingImage: expected None, found List",
             "Error: doc.xml:13: Invalid container of PartList: expected List, found None",
             "Error: doc.xml:13: failed to set member PartList of D",
             "Error: doc.xml:14: Failed to set member PartList of object D of class Demo. Object "
             "(null) is "
             "of class Float. Class Part or derived class is expected.",
             "Warning: doc.xml:15: Containers should be unnamed. A List Container has a name (L)",
             "Error: doc.xml:16: containers can not contain basic types",
             "Error: doc.xml:17: members of containers can not be containers themselves",
             "Warning: Compile: Unexpected nodes found",
         }) {
        EXPECT_TRUE(Logged(message)) << message << "\n---\n" << test::LogText();
    }
    EXPECT_NE(dynamic_cast<NVectValue*>(Object("Last")), nullptr);
}

TEST_F(DocumentCompilerTest, RootMustBeNimbus) {
    test::WriteFile(dir / "doc.xml", "<Other><Float Name=\"F\">1</Float></Other>");
    document.Load("doc.xml");
    EXPECT_EQ(document.CompileAndFind("Float"), nullptr);
    EXPECT_TRUE(Logged("Error: doc.xml:1: root node must be \"Nimbus\"")) << test::LogText();
    EXPECT_TRUE(Logged("Warning: Compile: Unexpected nodes found"));
}

TEST_F(DocumentCompilerTest, TheFloatRTraceListsNamedNodesVisited) {
    Compile(
        "<Float Name=\"A\">1</Float>\n<Float Name=\"FloatR\">2</Float>\n"
        "<PAANode Name=\"N\"><Float Role=\"RotationAngle\" Name=\"FloatR\"/></PAANode>",
        "PAANode");
    auto* node = dynamic_cast<NPAANode*>(Object("N"));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->RotationAngle, Object("FloatR"));
    EXPECT_TRUE(Logged("Lookup A (nil)\r\nLookup FloatR (nil)\r\n")) << test::LogText();
}

TEST_F(DocumentCompilerTest, DestroyDetachesObjectsAndSaysSo) {
    Compile(kThreeParts);
    document.Destroy();
    EXPECT_EQ(Object("P1"), nullptr);
    EXPECT_TRUE(Logged("Destroy: Remnant objects: DISABLED\r\nDestroy: Done.\r\n"));
}

TEST_F(DocumentCompilerTest, TimedListEntriesSetTheMemberTheirClassNames) {
    const ClassEntry reel = Entry<NSceneReel>("SceneReel", kInherits);
    ASSERT_TRUE(RegisterClasses(&reel, 1));
    Compile(
        "<Scene Name=\"A\"/>\n<Scene Name=\"B\"/>\n<Scene Name=\"C\"/>\n"
        "<SceneReel Name=\"R\">\n  <Scene Role=\"Scenes\" Container=\"List\">\n"
        "    <Scene Name=\"A\" Time=\"2.5\"/>\n    <Scene Name=\"B\"/>\n"
        "    <Scene Name=\"C\" Time=\"soon\"/>\n  </Scene>\n</SceneReel>",
        "SceneReel");
    EXPECT_EQ(test::LogText(),
              "Scene list node Time=[2.5]\r\nScene list node Time=[(null)]\r\n"
              "Scene list node Time=[soon]\r\nError: doc.xml:9: key time [soon] is invalid\r\n");
    auto* reelObject = dynamic_cast<NSceneReel*>(Object("R"));
    ASSERT_NE(reelObject, nullptr);
    // Every entry is linked, a bad time included.
    EXPECT_EQ(reelObject->scenes.next, Object("C"));
    EXPECT_EQ(reelObject->scenes.next->next, Object("B"));
    EXPECT_EQ(reelObject->scenes.next->next->next, Object("A"));
    EXPECT_FLOAT_EQ(static_cast<NScene*>(Object("A"))->EndTime, 2.5f);
    EXPECT_FLOAT_EQ(static_cast<NScene*>(Object("C"))->EndTime, 0.0f);
}
