// Pemmick's main menu: one row per item, naming the lesson it runs. A lesson
// not built yet has a null entry and draws the menu again.
#include "lessons/pemmick/pemmick.h"
#include "shell/shell.h"

namespace {
constexpr MenuItem kPemmickMenu[] = {
    {"1　作図のしかた", LessonEntry<Pemmick, RunRulerCompassLesson>},
    {"2　交わる2円の性質", LessonEntry<Pemmick, RunTwoCirclesLesson>},
    {"3　", ReturnToMainMenu},
    {"4　", ReturnToMainMenu},
    {"5　終了", nullptr},  // ends the program
};
}  // namespace

const ProgramInfo pemmickInfo{"pemmick", "Pemmick", "作図の方法", 50, false, ShowRulerCompassMainMenu, kPemmickMenu, CreateProgramOf<Pemmick>};
