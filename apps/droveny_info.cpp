// What sets Droveny apart from the other programs.
#include "shell/program.h"
#include "shell/shell.h"

namespace {
// The lesson entries are wired in here as each lesson is built; until then an
// item draws the menu again.
constexpr MenuItem kDrovenyMenu[] = {
    {"1　垂線", nullptr},
    {"2　垂直二等分線", nullptr},
    {"3　角の二等分線", nullptr},
    {"4　", ReturnToMainMenu},
    {"5　終了", nullptr},  // ends the program
};
}  // namespace

extern const ProgramInfo drovenyInfo;
const ProgramInfo drovenyInfo{"droveny", "Droveny", "基本の作図", 50, false, ShowBasicConstructionsMainMenu,
                              kDrovenyMenu};
