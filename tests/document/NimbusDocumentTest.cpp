#include "document/NimbusDocument.h"

#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "base/Con.h"
#include "base/OwnedText.h"
#include "document/NimbusTextFile.h"
#include "io/Data.h"
#include "pack/Pack.h"

namespace {

class NimbusDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        store.Mount(kDirectoryMode, dir.Path().c_str());
        store.SetAsDefault(false);
    }

    int Save(const char* name, DocNode* root) {
        NimbusTextFile file;
        return file.Save(name, root);
    }

    test::TempDir dir;
    NData store;
};

// The tree as text: every field that a save keeps, one node a line.
void Describe(const DocNode& node, int depth, std::string* out) {
    *out += std::string(depth, ' ') + Printable(node.className) + " name=" + Printable(node.name) +
            " role=" + Printable(node.role) + " container=" + GetContainerName(node.container) +
            " type=" + std::to_string(node.valueType) + " value=" + Printable(node.value) + "\n";
    for (const DocNode* child = node.firstChild; child; child = child->next) {
        EXPECT_EQ(child->parent, &node);
        Describe(*child, depth + 1, out);
    }
}

std::string Describe(const DocNode& root) {
    std::string out;
    Describe(root, 0, &out);
    return out;
}

}  // namespace

TEST_F(NimbusDocumentTest, SaveWritesTheDeclarationAndOneTabPerLevel) {
    test::WriteFile(dir / "in.xml",
                    "<Nimbus><Demo Role=\"r\" Name=\"d\"><Float Role=\"f\">1  2</Float>"
                    "<PartList Role=\"PartList\" Container=\"List\"/></Demo></Nimbus>");
    NimbusDocument document;
    document.Load("in.xml");
    EXPECT_EQ(Save("out.xml", &document.Root()), 0);
    EXPECT_EQ(test::ReadFile(dir / "out.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
              "<Nimbus>\r\n"
              "\t<Demo Role=\"r\" Name=\"d\">\r\n"
              "\t\t<Float Role=\"f\">\r\n"
              "\t\t\t1 2\r\n"
              "\t\t</Float>\r\n"
              "\t\t<PartList Container=\"List\" Role=\"PartList\"/>\r\n"
              "\t</Demo>\r\n"
              "</Nimbus>");
    EXPECT_EQ(test::LogText(), "");
}

TEST_F(NimbusDocumentTest, SavedDocumentReadsBackAsTheSameTreeWithoutTimes) {
    test::WriteFile(dir / "in.xml",
                    "<?xml version=\"1.0\"?>\n"
                    "<Nimbus>\n"
                    "  <Scene Name=\"s\" Time=\"4\">\n"
                    "    <Nodes Role=\"Nodes\" Container=\"Tree\">\n"
                    "      <TransformNode Name=\"a\"><TransformNode Name=\"b\"/></TransformNode>\n"
                    "      <TransformNode Name='say \"c\"'/>\n"
                    "    </Nodes>\n"
                    "    <Float Role=\"Alpha\">0.5\n"
                    "      <Key Time=\"1\">2</Key> 7 </Float>\n"
                    "  </Scene>\n"
                    "  <string Name=\"t\">several   words here</string>\n"
                    "</Nimbus>\n");
    NimbusDocument original;
    original.Load("in.xml");
    ASSERT_EQ(Con.ErrorCount(), 0) << test::LogText();
    ASSERT_EQ(Save("out.xml", &original.Root()), 0);
    NimbusDocument reread;
    reread.Load("out.xml");
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
    EXPECT_EQ(Describe(reread.Root()), Describe(original.Root()));
    EXPECT_STREQ(original.Root().firstChild->time, "4");
    EXPECT_EQ(reread.Root().firstChild->time, nullptr);
    // A second round gives the same bytes.
    ASSERT_EQ(Save("again.xml", &reread.Root()), 0);
    EXPECT_EQ(test::ReadFile(dir / "again.xml"), test::ReadFile(dir / "out.xml"));
}

TEST_F(NimbusDocumentTest, SaveNeedsATreeAFileNameAndAWritableStore) {
    DocNode root;
    root.className = CopyText("Nimbus");
    EXPECT_EQ(Save("out.xml", nullptr), 1);
    EXPECT_EQ(test::LogText(), "");
    EXPECT_EQ(Save(nullptr, &root), 1);
    EXPECT_EQ(test::LogText(), "Error: unspecified filename\r\n");

    Con.EnableBuffer(true);
    test::WriteFile(dir / "show/show.xml", "<Nimbus/>");
    std::string error;
    const std::string archive = dir / "show.dat";
    ASSERT_EQ(PackDirectory(dir / "show", archive, &error), 0) << error;
    NData zip;
    ASSERT_EQ(zip.Mount(kArchiveMode, archive.c_str()), 0);
    zip.SetAsDefault(false);
    EXPECT_EQ(Save("out.xml", &root), 1);
    EXPECT_EQ(test::LogText(), "Error: can't open file out.xml for saving\r\n");
    EXPECT_FALSE(test::FileExists(dir / "out.xml"));
}

TEST_F(NimbusDocumentTest, NodeThatCannotBeWrittenStopsTheSaveButKeepsWhatWasProduced) {
    DocNode root;
    root.className = CopyText("Nimbus");
    DocNode* scene = new DocNode;
    scene->className = CopyText("Scene");
    scene->name = CopyText("s");
    LinkFirstChild(scene, &root);
    LinkFirstChild(new DocNode, scene);  // no element name
    EXPECT_EQ(Save("out.xml", &root), 1);
    EXPECT_EQ(test::LogText(),
              "Error: failed to store node <(null) Class=(null) Role=(null)>\r\n"
              "Error: failed to store node <s Class=Scene Role=(null)>\r\n"
              "Error: Failed to create document out.xml\r\n");
    EXPECT_EQ(
        test::ReadFile(dir / "out.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Nimbus>\r\n\t<Scene Name=\"s\">\r\n\t\t<");
    DeleteChildren(&root);
}

TEST_F(NimbusDocumentTest, LoadingAgainReplacesTheWholeTreeAndTheRootsContent) {
    test::WriteFile(dir / "a.xml",
                    "<Nimbus>root text<Demo Name=\"d\"><Part Role=\"p\"/></Demo></Nimbus>");
    test::WriteFile(dir / "b.xml", "<Nimbus><Scene Name=\"s\"/></Nimbus>");
    NimbusDocument document;
    document.Load("a.xml");
    EXPECT_STREQ(document.Root().value, "root text");
    document.Load("b.xml");
    EXPECT_STREQ(document.FileName(), "b.xml");
    EXPECT_EQ(Describe(document.Root()),
              "Nimbus name=(null) role=(null) container=None type=-16 value=<blank>\n"
              " Scene name=s role=(null) container=None type=-16 value=<blank>\n");
    document.Load("missing.xml");
    EXPECT_EQ(document.Root().firstChild, nullptr);
    EXPECT_EQ(document.Root().className, nullptr);
}
