// Varnel's main menu: one row per item, naming the lesson it runs. The last
// item, 終了, ends the program and runs nothing: its entry is null.
#include "lessons/varnel/varnel.h"
#include "shell/shell.h"

namespace {
constexpr MenuItem kVarnelMenu[] = {
    {"1　導入", LessonEntry<Varnel, RunIntroductionLesson>},
    {"2　基本事項", LessonEntry<Varnel, RunBasicTermsLesson>},
    {"3　平行移動", LessonEntry<Varnel, RunTranslationLesson>},
    {"4　回転移動", LessonEntry<Varnel, RunRotationLesson>},
    {"5　対称移動", LessonEntry<Varnel, RunReflectionLesson>},
    {"6　移動の組み合せ", LessonEntry<Varnel, RunCombinedMovesLesson>},
    {"7　P164 基本の問題", LessonEntry<Varnel, RunBasicProblemsP164>},
    {"8　終了", nullptr},              // ends the program
};
}  // namespace

const ProgramInfo varnelInfo{"varnel", "Varnel", "移動の学習", 60, true, ShowMainMenu, kVarnelMenu,
                             CreateProgramOf<Varnel>};
