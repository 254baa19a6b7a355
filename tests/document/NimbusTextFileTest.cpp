#include "document/NimbusTextFile.h"

#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "base/Con.h"
#include "document/DocNode.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "pack/Pack.h"

namespace {

class NimbusTextFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        store.Mount(kDirectoryMode, dir.Path().c_str());
        store.SetAsDefault(false);
    }
    void TearDown() override { DeleteChildren(&root); }

    // Loads `content` as doc.xml into `root`, which is emptied first.
    int Load(const std::string& content) {
        DeleteChildren(&root);
        root.ResetContent();
        Con.EnableBuffer(true);  // each load's messages on their own
        test::WriteFile(dir / "doc.xml", content);
        NimbusTextFile file;
        return file.Load("doc.xml", &root);
    }

    // Loads `content` and expects a failure whose messages end with the position line.
    void ExpectFailure(const std::string& content, const std::string& messages, int line,
                       int column) {
        SCOPED_TRACE(content);
        EXPECT_EQ(Load(content), 1);
        EXPECT_EQ(test::LogText(),
                  messages + "Error: Failed to read document in doc.xml: error before line " +
                      std::to_string(line) + ", column " + std::to_string(column) + "\r\n");
    }

    test::TempDir dir;
    NData store;
    DocNode root;
};

const DocNode* Child(const DocNode& node, int index) {
    const DocNode* child = node.firstChild;
    for (int i = 0; child && i < index; ++i) {
        child = child->next;
    }
    return child;
}

const char kFullDocument[] =
    "<?xml version=\"1.0\" encoding=\"anything at all\"?>\r\n"
    "<!DOCTYPE nimbus>\r\n"
    "<Nimbus>\r\n"
    "  <!-- the scene -->\r\n"
    "  <Scene Name=\"s\" Time=\"3\"> // a line comment\r\n"
    "    <Nodes Role=\"Nodes\" Container=\"Tree\">\r\n"
    "      <TransformNode Name='t1'/>\r\n"
    "      <TransformNode Name=\"t2\" Unknown=\"ignored\"/>\r\n"
    "    </Nodes>\r\n"
    "  </Scene>\r\n"
    "  /* between */ <float Name = \"f\">  1.5\r\n"
    "     2 </float>\r\n"
    "</Nimbus>\r\n";

}  // namespace

TEST_F(NimbusTextFileTest, ReadsADocumentIntoATreeInDocumentOrder) {
    EXPECT_EQ(Load(kFullDocument), 0);
    EXPECT_EQ(test::LogText(), "");
    EXPECT_STREQ(root.className, "Nimbus");
    const DocNode* scene = Child(root, 0);
    EXPECT_STREQ(scene->name, "s");
    EXPECT_STREQ(scene->time, "3");
    const DocNode* nodes = Child(*scene, 0);
    EXPECT_STREQ(nodes->role, "Nodes");
    EXPECT_EQ(nodes->container, kContainerTree);
    EXPECT_STREQ(Child(*nodes, 0)->name, "t1");
    EXPECT_STREQ(Child(*nodes, 1)->name, "t2");
    EXPECT_STREQ(Child(*nodes, 1)->value, "<blank>");
    EXPECT_EQ(Child(*nodes, 1)->valueType, NoClass);
    EXPECT_EQ(Child(*nodes, 1)->parent, nodes);
    const DocNode* number = Child(root, 1);
    EXPECT_STREQ(number->className, "float");
    EXPECT_STREQ(number->value, "1.5 2");
    EXPECT_EQ(number->valueType, kTypeString);
    EXPECT_EQ(Child(root, 2), nullptr);
}

TEST_F(NimbusTextFileTest, DeclarationsAreRefusedTwiceOrInsideTheRoot) {
    ExpectFailure("<?xml version=\"1.0\"?>\n<?xml?>\n<Nimbus/>",
                  "Error: doc.xml:2: multiple <?...?> tags found in file\r\n", 2, 2);
    ExpectFailure(
        "<Nimbus>\n<?xml?>\n</Nimbus>",
        "Error: doc.xml:2: xml informational tag <?...?> is preceded by other information\r\n"
        "Error: doc.xml:2: Loading a child node of (null) failed\r\n",
        2, 2);
    ExpectFailure("<?xml version='1' encoding='x' version='2'?>\n<Nimbus/>",
                  "Error: doc.xml:1: There can be only one version tag in the xml header\r\n", 1,
                  45);
    ExpectFailure("<?XML?><Nimbus/>", "Error: doc.xml:1: an <?xml?> tag is expected\r\n", 1, 5);
    EXPECT_EQ(Load("<?xml?><Nimbus/>"), 0);
}

TEST_F(NimbusTextFileTest, SyntaxFailuresLogTheirPosition) {
    ExpectFailure("\n<Demo Name=\"d\"/>", "Error: doc.xml:2: root node must be \"Nimbus\"\r\n", 2,
                  7);
    // No blank after "<", none between "/" and ">".
    ExpectFailure("<Nimbus>\n< Demo Name=\"d\"/>\n</Nimbus>",
                  "Error: doc.xml:2: Loading a child node of (null) failed\r\n", 2, 2);
    ExpectFailure("<Nimbus>\n<Demo Name=\"d\"/ >\n</Nimbus>",
                  "Error: doc.xml:2: Loading a child node of Demo failed\r\n", 2, 16);
    // An end tag naming another element, after a child that was read well.
    ExpectFailure("<Nimbus>\n<Scene Name=\"s\">\n<Key/>\n</Scenx>\n</Nimbus>",
                  "Error: doc.xml:2: Loading a child node of Scene failed\r\n", 4, 7);
    ExpectFailure("<Nimbus>\n<Demo Name=\"d\" Container=\"Array\"/>\n</Nimbus>",
                  "Error: doc.xml:2: unknown container type Array\r\n"
                  "Error: doc.xml:2: Loading a child node of Demo failed\r\n",
                  2, 33);
    ExpectFailure("   \n  ", "", 2, 3);
}

TEST_F(NimbusTextFileTest, MarkupItemMustBeFollowedByAnElement) {
    ExpectFailure(
        "<Nimbus>\n<Demo Name=\"d\">\n<!-- before a child -->\n<Float Role=\"a\"/>\n"
        "<!-- before the end -->\n</Demo>\n</Nimbus>",
        "Error: doc.xml:6: Loading a child node of (null) failed\r\n"
        "Error: doc.xml:2: Loading a child node of Demo failed\r\n",
        6, 2);
    // What was read stays, in the order it was linked: the failed child first.
    EXPECT_EQ(Child(*Child(root, 0), 0)->className, nullptr);
    EXPECT_STREQ(Child(*Child(root, 0), 1)->className, "Float");
}

TEST_F(NimbusTextFileTest, CharacterDataJoinsAcrossChildrenAndMayStartWithAComment) {
    EXPECT_EQ(Load("<Nimbus>\n<Float Name=\"f\">1 \t 2\n<float Role=\"x\">3</float>\n  4 "
                   "</Float><String Name=\"p\">//skipped\nc://kept /*too*/</String>\n</Nimbus>"),
              0);
    EXPECT_STREQ(Child(root, 0)->value, "1 2 4");
    EXPECT_STREQ(Child(*Child(root, 0), 0)->value, "3");
    EXPECT_STREQ(Child(root, 1)->value, "c://kept /*too*/");
    EXPECT_STREQ(root.value, "<blank>");
}

TEST_F(NimbusTextFileTest, MissingNamesAndRolesAreWarnedOutsideContainers) {
    EXPECT_EQ(Load("<Nimbus>\n"
                   "<Demo>\n"
                   "  <Float Name=\"f\"/>\n"
                   "  <float/>\n"
                   "  <Key/>\n"
                   "  <PartList Role=\"PartList\" Container=\"List\">\n"
                   "    <Part Name=\"p\"/>\n"
                   "  </PartList>\n"
                   "  <Nodes Container=\"Tree\"><TransformNode/></Nodes>\n"
                   "  <float/>\n"
                   "</Demo>\n"
                   "</Nimbus>"),
              0);
    EXPECT_EQ(test::LogText(),
              "Warning: doc.xml:2: name of node Demo is missing\r\n"
              "Warning: doc.xml:3: role of object f of class Float is missing\r\n"
              "Warning: doc.xml:4: role of an object of class float is missing\r\n"
              "Warning: doc.xml:10: role of an object of class float is missing\r\n");
    EXPECT_EQ(Con.ErrorCount(), 4);
    // A load that stops inside a container leaves nothing open for the next one.
    EXPECT_EQ(Load("<Nimbus><Demo Name=\"d\"><Part Role=\"PartList\" Container=\"List\"><Part"), 1);
    EXPECT_EQ(Load("<Nimbus><Demo Name=\"d\"><float/></Demo></Nimbus>"), 0);
    EXPECT_EQ(test::LogText(),
              "Warning: doc.xml:1: role of an object of class float is missing\r\n");
}

TEST_F(NimbusTextFileTest, AttributeChecksWarnOrComplainButReadingGoesOn) {
    EXPECT_EQ(Load("<Nimbus><Scene Name=\"a\" Name=\"b\" Role=\"r\" Role=\"s\" Time=\"1\" "
                   "Time=\"2\" Container=\"List\" Container=\"None\"/>"
                   "<Demo Name=\"d\" Time=\"2\"><Key Time=\"0\"/></Demo></Nimbus>"),
              0);
    EXPECT_EQ(test::LogText(),
              "Warning: doc.xml:1: Name of node Class Scene Role (null) is specified more than "
              "once\r\n"
              "Warning: doc.xml:1: Role of node Class Scene Name a is specified more than once\r\n"
              "Warning: doc.xml:1: The Time attribute of node Class Scene Name a is specified "
              "more than once\r\n"
              "Error: doc.xml:1: Only Key objects can have a Time attribute, object d of class "
              "Demo is not "
              "suitable\r\n");
    const DocNode* scene = Child(root, 0);
    EXPECT_STREQ(scene->name, "a");
    EXPECT_STREQ(scene->role, "r");
    EXPECT_STREQ(scene->time, "1");
    EXPECT_EQ(scene->container, kContainerNone);
    EXPECT_STREQ(Child(*Child(root, 1), 0)->time, "0");
}

TEST_F(NimbusTextFileTest, BrokenCharacterDataIsReportedOncePerProcess) {
    ExpectFailure("<Nimbus>\n<Demo Name=\"d\">abc",
                  "Error: NText: doc.xml (line 2, column 20): E0008 - Unexpected end of file\r\n"
                  "Error: doc.xml:2: Loading a child node of Demo failed\r\n",
                  2, 20);
    ExpectFailure("<Nimbus>\nabc", "", 2, 5);
}

TEST_F(NimbusTextFileTest, FilesThatCannotBeLoadedAreNamed) {
    EXPECT_EQ(Load(""), 1);
    EXPECT_EQ(test::LogText(), "Error: can't load file doc.xml\r\n");
    Con.EnableBuffer(true);
    NimbusTextFile file;
    EXPECT_EQ(file.Load("missing.xml", &root), 1);
    EXPECT_EQ(file.Load(nullptr, &root), 1);
    EXPECT_EQ(test::LogText(),
              "NStdIO::Load: file [missing.xml] not found\r\n"
              "Error: can't load file missing.xml\r\n"
              "Error: unspecified filename\r\n");
}

TEST_F(NimbusTextFileTest, DeepNestingIsRefusedBeforeTheStackRunsOut) {
    Con.SetBufferSize(100000);
    std::string deep = "<Nimbus>";
    for (int i = 0; i < 1000; ++i) {
        deep += "<a Role=\"r\">\n";
    }
    EXPECT_EQ(Load(deep), 1);
    EXPECT_NE(test::LogText().find(
                  "Error: doc.xml:256: elements may not be nested more than 256 levels deep\r\n"),
              std::string::npos);
    // The unnamed first element, the refusal, one line per enclosing level, the position.
    EXPECT_EQ(Con.ErrorCount(), 1 + 1 + 256 + 1);
}

// Every strict prefix of a document lacks the root's end tag and must fail; bytes
// changed anywhere must not crash, hang or overrun.
TEST_F(NimbusTextFileTest, TruncatedAndDamagedDocumentsFailCleanly) {
    const std::string full = kFullDocument;
    const std::string document = full.substr(0, full.rfind('>') + 1);
    for (size_t length = 0; length < document.size(); ++length) {
        EXPECT_EQ(Load(document.substr(0, length)), 1) << length;
    }
    for (size_t at = 0; at < document.size(); ++at) {
        for (char c : {'<', '>', '/', '"', '\r', '\0'}) {
            std::string damaged = document;
            damaged[at] = c;
            Load(damaged);
        }
    }
}

TEST_F(NimbusTextFileTest, ProcessDocumentLoadsThroughAnArchive) {
    test::WriteFile(dir / "show/show.xml", "<Nimbus><Demo Name=\"d\"/></Nimbus>");
    std::string error;
    const std::string archive = dir / "show.dat";
    ASSERT_EQ(PackDirectory(dir / "show", archive, &error), 0) << error;
    NData zip;
    ASSERT_EQ(zip.Mount(kArchiveMode, archive.c_str()), 0);
    zip.SetAsDefault(false);
    Document.Load("SHOW.XML");
    EXPECT_STREQ(Document.FileName(), "SHOW.XML");
    EXPECT_STREQ(Document.Root().firstChild->name, "d");
    EXPECT_EQ(Con.ErrorCount(), 0);
}
