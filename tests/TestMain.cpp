// The entry of the test programs: every test starts from the process-wide state of
// a fresh process, so that the tests of a program share one process in any order.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

class FreshProcessState : public ::testing::EmptyTestEventListener {
    // Runs before the test's fixture is constructed.
    void OnTestStart(const ::testing::TestInfo&) override { test::ResetProcessState(); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProcessState);
    return RUN_ALL_TESTS();
}
