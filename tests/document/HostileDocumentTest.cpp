// Documents made to hurt the player: each ends with a counted message, nothing is
// lost to a leak, and a flood of broken references stops early instead of logging
// millions of lines. Every object compiled here is released by DestroyAll, so the
// sanitizer build's leak check sees anything the document left unowned.
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "app/ClassTable.h"
#include "app/Part.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "image/Bitmap.h"
#include "io/Data.h"
#include "reflect/ObjectList.h"
#include "render/Texture.h"

namespace {

class HostileDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        NClassRegistration();
        store.Mount(kDirectoryMode, dir.Path().c_str());
        store.SetAsDefault(false);
        Con.SetBufferSize(1 << 20);
        Con.EnableBuffer(true);
    }
    void TearDown() override { ObjectList.DestroyAll(); }

    void Compile(const std::string& text) {
        test::WriteFile(dir / "doc.xml", text);
        document.Load("doc.xml");
        ASSERT_EQ(Con.ErrorCount(), 0) << Log();
        document.Compile();
    }

    NClass* Object(const char* name) {
        for (DocNode* node = document.Root().firstChild; node; node = node->next) {
            if (node->name && std::string(node->name) == name) {
                return node->object;
            }
        }
        return nullptr;
    }

    std::string Log() const { return Con.BufferText() ? Con.BufferText() : ""; }
    int Count(const std::string& text) const {
        int count = 0;
        const std::string log = Log();
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
            ++count;
        }
        return count;
    }

    test::TempDir dir;
    NData store;
    NimbusDocument document;
};

std::string Repeat(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

}  // namespace

TEST_F(HostileDocumentTest, ASecondBitmapBesideTheTextIsRefusedAndNothingLeaks) {
    Compile(test::ReadFile(test::CorpusPath("document/regression-texture-text-and-bitmap.xml")));
    auto* texture = dynamic_cast<NTexture*>(Object("T"));
    ASSERT_NE(texture, nullptr);
    ASSERT_NE(texture->Bitmap, nullptr);
    EXPECT_STREQ(texture->Bitmap->Name, "a.tga");
    EXPECT_EQ(Count("Error: doc.xml:1: member Bitmap of T is already given by the text [a.tga]"), 1)
        << Log();
    EXPECT_EQ(Con.ErrorCount(), 2) << Log();  // and "Compile: Unexpected nodes found"
    // The bitmap made from the text is listed with the texture, so it is owned.
    int listed = 0;
    for (ObjectRecord* record = ObjectList.First(); record; record = ObjectList.Next(record)) {
        listed += record->object == texture->Bitmap;
    }
    EXPECT_EQ(listed, 1);
}

TEST_F(HostileDocumentTest, NumbersThatAreNotFiniteAreRefused) {
    Compile(test::ReadFile(test::CorpusPath("document/regression-infinite-end.xml")));
    auto* part = dynamic_cast<NPart*>(Object("P"));
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(Count("Error: doc.xml:1: failed to set member type float value [1e999]"), 1) << Log();
    EXPECT_EQ(Count("Error: doc.xml:1: failed to set member type float value [nan]"), 1) << Log();
    EXPECT_EQ(part->EndTime, NPart().EndTime);
    EXPECT_EQ(part->Fadeup, NPart().Fadeup);
}

TEST_F(HostileDocumentTest, AFloodOfBrokenReferencesStopsAfterAThousandMessages) {
    // The elements named X stay unconverted below an element of an unknown class, so
    // every reference meets all 3000 of them.
    const std::string elements =
        "<Y Name=\"Y\">\n" + Repeat("<Part Role=\"R\" Name=\"X\"/>\n", 3000) + "</Y>\n";
    const std::string references = Repeat("<Scene Role=\"Scene\" Name=\"X\"/>\n", 3000);
    Compile("<Nimbus>" + elements + "<Part Name=\"P\">" + references + "</Part></Nimbus>");
    EXPECT_EQ(Count("Error: Compile: too many errors, compilation stopped"), 1);
    EXPECT_EQ(Con.ErrorCount(), 1002);  // the thousand, the stop and "Unexpected nodes"
    EXPECT_LT(Log().size(), 200000u);
}

TEST_F(HostileDocumentTest, TheFloatRTraceLogsItsFirstThousandLinesOnly) {
    // Each lookup walks the 3000 names before the one it finds.
    const std::string values =
        Repeat("<Float Name=\"A\">1</Float>\n", 3000) + "<Float Name=\"FloatR\">2</Float>";
    const std::string references =
        Repeat("<Float Role=\"RotationAngle\" Name=\"FloatR\"/>\n", 3000);
    Compile("<Nimbus>" + values + "<PAANode Name=\"N\">" + references + "</PAANode></Nimbus>");
    EXPECT_EQ(Count("Lookup "), 1000);
    EXPECT_EQ(Con.ErrorCount(), 0) << Log().substr(0, 2000);
}

TEST_F(HostileDocumentTest, DestroyAllReleasesEveryCompiledObjectOnce) {
    Compile(test::ReadFile(test::CorpusPath("document/tree-and-list.xml")));
    ASSERT_NE(ObjectList.First(), nullptr);
    ObjectList.DestroyAll();
    EXPECT_EQ(ObjectList.First(), nullptr);
    EXPECT_EQ(ObjectList.FreeCount(), ObjectList.Allocated());
}

TEST_F(HostileDocumentTest, AFloodOfReaderWarningsStopsAfterAThousandMessages) {
    // Every element below the root without a name is worth a warning.
    test::WriteFile(dir / "doc.xml",
                    "<Nimbus>" + Repeat("<float>1</float>\n", 100000) + "</Nimbus>");
    document.Load("doc.xml");
    EXPECT_EQ(Count("Error: doc.xml:1000: Load: too many errors, reading stopped"), 1) << Log();
    // The thousand, the stop, the failed child and where reading stopped.
    EXPECT_EQ(Con.ErrorCount(), 1003) << Log().substr(Log().size() - 500);
    EXPECT_LT(Log().size(), 100000u);
}
