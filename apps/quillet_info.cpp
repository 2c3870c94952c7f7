// What sets Quillet apart from the other programs.
#include "shell/program.h"
#include "shell/shell.h"

namespace {
// The lesson entries are wired in here as each lesson is built; until then an
// item draws the menu again.
constexpr MenuItem kQuilletMenu[] = {
    {"1　いろいろな作図", nullptr},
    {"2　P176 基本の問題", nullptr},
    {"3　角の作図", nullptr},
    {"4　おうぎ形", nullptr},
    {"5　P184章の問題A", nullptr},
    {"6　P185章の問題B", nullptr},
    {"7　", ReturnToMainMenu},
    {"8　終了", nullptr},  // ends the program
};
}  // namespace

extern const ProgramInfo quilletInfo;
const ProgramInfo quilletInfo{"quillet", "Quillet", "いろいろな作図とおうぎ形", 50, false,
                              ShowConstructionsAndSectorsMainMenu, kQuilletMenu};
