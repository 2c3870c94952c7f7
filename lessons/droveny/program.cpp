// Droveny's main menu: one row per item, naming the lesson it runs. A blank
// item runs ReturnToMainMenu, which does nothing, so the menu is drawn
// again; the last item, 終了, ends the program and runs nothing: its entry
// is null.
#include "lessons/droveny/droveny.h"
#include "shell/shell.h"

namespace {
constexpr MenuItem kDrovenyMenu[] = {
    {"1　垂線", LessonEntry<Droveny, RunPerpendicularLesson>},
    {"2　垂直二等分線", LessonEntry<Droveny, RunPerpendicularBisectorLesson>},
    {"3　角の二等分線", LessonEntry<Droveny, RunAngleBisectorLesson>},
    {"4　", ReturnToMainMenu},
    {"5　終了", nullptr},  // ends the program
};
}  // namespace

const ProgramInfo drovenyInfo{"droveny", "Droveny", "基本の作図", 50, false, ShowBasicConstructionsMainMenu,
                              kDrovenyMenu, CreateProgramOf<Droveny>};
