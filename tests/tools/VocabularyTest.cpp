#include "check/Vocabulary.h"

#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "reflect/Registry.h"

namespace {

std::string SourceFile(const std::string& relative) {
    return test::ReadFile(test::TestDataPath("../../" + relative));
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

}  // namespace

TEST(Vocabulary, TheClassesPageIsTheRegistryDescribedAndTheReadmeLinksIt) {
    for (int cls = 0; cls < ClassCount(); ++cls) {
        EXPECT_NE(GetClassRecord(cls)->meaning, nullptr) << GetClassRecord(cls)->name;
    }
    for (int member = 0; member < MemberCount(); ++member) {
        EXPECT_NE(GetMemberRecord(member)->meaning, nullptr) << GetMemberRecord(member)->name;
    }
    const std::string page = DescribeVocabulary();
    // Regenerate with: build/nimbus-check --classes > docs/classes.md
    EXPECT_EQ(page, SourceFile("docs/classes.md"));
    EXPECT_EQ(Occurrences(page, "\n## "), 59);
    EXPECT_NE(page.find("59 classes and 89 members"), std::string::npos);
    EXPECT_NE(page.find("| `Length` (QuadMesh) | float | 200 | the sheet's extent along y |"),
              std::string::npos);
    EXPECT_NE(page.find("| `PartList` | List of [Part](#part) | empty |"), std::string::npos);
    EXPECT_NE(SourceFile("README.md").find("docs/classes.md"), std::string::npos);
}
