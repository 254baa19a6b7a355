#include "base/NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, SaysWhenTextReadsOtherThanWritten) {
    struct Case {
        const char* text;
        NumberKind kind;
        int most;
        const char* problem;
    };
    const Case cases[] = {
        {"12", NumberKind::kInt, 1, ""},
        {"2.5", NumberKind::kFloat, 1, ""},
        {"0 1 0", NumberKind::kFloat, 3, ""},
        // No number at all: the reader refuses that itself.
        {"abc", NumberKind::kInt, 1, ""},
        {"3OO", NumberKind::kFloat, 1,
         "number text [3OO] is read as 3; what follows the number is ignored"},
        {"1,2,3", NumberKind::kFloat, 3,
         "number text [1,2,3] is read as 1; what follows the number is ignored"},
        {"0 1 0 2", NumberKind::kFloat, 3,
         "number text [0 1 0 2] is read as 0 1 0; what follows the number is ignored"},
        {"2.5", NumberKind::kInt, 1, "number text [2.5] is read as the int 2"},
        {"0x10", NumberKind::kInt, 1, "number text [0x10] is read as the int 0"},
        {"99999999999", NumberKind::kInt, 1,
         "number text [99999999999] is out of range for an int"},
        {"1e99", NumberKind::kFloat, 1, "number text [1e99] is out of range for a float"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberTextProblem(c.text, c.kind, c.most), c.problem) << c.text;
    }
    EXPECT_EQ(NumberTextProblem(nullptr, NumberKind::kInt), "");
}
