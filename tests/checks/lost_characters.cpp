// Linked into every test program: a character that code page 932 cannot
// hold, met by a text conversion while a test runs, fails that test (the
// programs themselves only warn on stderr, and the whole-program runs fail
// on that warning; see RunProgramHeadless).
#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

class LostCharactersFail : public testing::Environment {
public:
    void SetUp() override { previous_ = SetLostCharacterHook(Fail); }
    void TearDown() override { SetLostCharacterHook(previous_); }

private:
    static void Fail(const LostCharacter& lost) { ADD_FAILURE() << DescribeLostCharacter(lost); }
    LostCharacterHook previous_ = nullptr;
};

[[maybe_unused]] testing::Environment* const kLostCharactersFail =
    testing::AddGlobalTestEnvironment(new LostCharactersFail);

}  // namespace
