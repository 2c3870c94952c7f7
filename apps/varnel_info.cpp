// What sets Varnel apart from the other programs.
#include "shell/program.h"
#include "lessons/varnel/varnel.h"
#include "shell/shell.h"

namespace {
// The lesson entries are wired in here as each lesson is built; until then an
// item draws the menu again.
constexpr MenuItem kVarnelMenu[] = {
    {"1　導入", nullptr},              // RunIntroductionLesson
    {"2　基本事項", nullptr},          // RunBasicTermsLesson
    {"3　平行移動", RunTranslationLesson},
    {"4　回転移動", nullptr},          // RunRotationLesson
    {"5　対称移動", nullptr},          // RunReflectionLesson
    {"6　移動の組み合せ", nullptr},    // RunCombinedMovesLesson
    {"7　P164 基本の問題", nullptr},   // RunBasicProblemsP164
    {"8　終了", nullptr},              // ends the program
};
}  // namespace

extern const ProgramInfo varnelInfo;
const ProgramInfo varnelInfo{"varnel", "Varnel", "移動の学習", 60, true, ShowMainMenu, kVarnelMenu};
