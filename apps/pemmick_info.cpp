// What sets Pemmick apart from the other programs.
#include "shell/program.h"
#include "shell/shell.h"

namespace {
// The lesson entries are wired in here as each lesson is built; until then an
// item draws the menu again.
constexpr MenuItem kPemmickMenu[] = {
    {"1　作図のしかた", nullptr},
    {"2　交わる2円の性質", nullptr},
    {"3　", ReturnToMainMenu},
    {"4　", ReturnToMainMenu},
    {"5　終了", nullptr},  // ends the program
};
}  // namespace

extern const ProgramInfo pemmickInfo;
const ProgramInfo pemmickInfo{"pemmick", "Pemmick", "作図の方法", 50, false, ShowRulerCompassMainMenu, kPemmickMenu};
