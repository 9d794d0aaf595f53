// Every test starts from the state of a new process, whatever the tests before it left.
#include <gtest/gtest.h>

#include "tests/harness.h"

namespace {

class FreshStateForEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { resetProgramState(); }
};

const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshStateForEachTest);
    return true;
}();

} // namespace
