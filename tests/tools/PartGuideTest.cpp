// The parts as the preview names and finds them, from a compiled document.
#include "preview/PartGuide.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"

TEST(PartGuide, NamesThePartsShownAndStepsBetweenTheirStarts) {
    const test::TempDir dir;
    NClassRegistration();
    DefaultInput.Mount(kDirectoryMode, dir.Path().c_str());
    DefaultInput.SetAsDefault(false);
    // In play order: Intro to 10 s, Never (ending before Intro, so never shown),
    // Middle to 20 s, Outro to 30 s.
    test::WriteFile(dir / "show.xml", R"(<Nimbus>
<Part Name="Intro"><float Role="EndTime">10</float></Part>
<Part Name="Never"><float Role="EndTime">5</float></Part>
<Part Name="Middle"><float Role="EndTime">20</float></Part>
<Part Name="Outro"><float Role="EndTime">30</float></Part>
<Demo Name="D"><Part Role="PartList" Container="List">
  <Part Name="Outro"/><Part Name="Middle"/>
  <Part Name="Never"/><Part Name="Intro"/>
</Part></Demo>
</Nimbus>
)");
    NimbusDocument document;
    document.Load("show.xml");
    const auto* demo = static_cast<const NDemo*>(document.CompileAndFind("Demo"));
    ASSERT_NE(demo, nullptr) << test::LogText();
    PartGuide guide;
    guide.Build(*demo, document.Root());

    EXPECT_EQ(guide.ShowEnd(), 30000);
    const PartSpan* outro = guide.Find("OUTRO");
    ASSERT_NE(outro, nullptr);
    EXPECT_EQ(outro->from, 20000);
    EXPECT_EQ(outro->to, 30000);
    EXPECT_EQ(guide.Of(outro->part), outro);
    EXPECT_EQ(guide.Find("Never"), nullptr);
    const PartSpan* middle = guide.Find("Middle");
    ASSERT_NE(middle, nullptr);
    EXPECT_EQ(middle->from, 10000);

    EXPECT_EQ(guide.PreviousStart(5000), 0);
    EXPECT_EQ(guide.PreviousStart(25000), 10000);
    EXPECT_EQ(guide.PreviousStart(30000), 20000);
    EXPECT_EQ(guide.NextStart(0), 10000);
    EXPECT_EQ(guide.NextStart(25000), 30000);
    document.Destroy();
}
