// Quillet's main menu: one row per item, naming the lesson it runs. A lesson
// not built yet has a null entry and draws the menu again.
#include "lessons/quillet/quillet.h"
#include "shell/shell.h"

namespace {
constexpr MenuItem kQuilletMenu[] = {
    {"1　いろいろな作図", LessonEntry<Quillet, RunVariousConstructionsLesson>},
    {"2　P176 基本の問題", LessonEntry<Quillet, RunBasicProblemsP176>},
    {"3　角の作図", LessonEntry<Quillet, RunAngleConstructionLesson>},
    {"4　おうぎ形", LessonEntry<Quillet, RunSectorLesson>},
    {"5　P184章の問題A", LessonEntry<Quillet, RunChapterProblemsA>},
    {"6　P185章の問題B", LessonEntry<Quillet, RunChapterProblemsB>},
    {"7　", ReturnToMainMenu},
    {"8　終了", nullptr},  // ends the program
};
}  // namespace

const ProgramInfo quilletInfo{"quillet", "Quillet", "いろいろな作図とおうぎ形", 50, false,
                              ShowConstructionsAndSectorsMainMenu, kQuilletMenu, CreateProgramOf<Quillet>};
