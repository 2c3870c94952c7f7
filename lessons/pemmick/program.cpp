// Pemmick's main menu: one row per item, naming the lesson it runs. A blank
// item runs ReturnToMainMenu, which does nothing, so the menu is drawn
// again; the last item, 終了, ends the program and runs nothing: its entry
// is null.
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
