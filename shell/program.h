// One run of a lesson program: its shared variables, its runtime and what
// sets the four programs apart.
#pragma once

#include <string>

#include "platform/runtime.h"
#include "shell/state.h"

struct Program;

// What differs between Varnel, Droveny, Pemmick and Quillet.
struct ProgramInfo {
    const char* binary;          // "varnel"
    const char* title;           // "Varnel": the main-menu heading
    const char* japaneseName;    // the window title
    int pointBound;              // last index of PointX and PointY: 60 or 50
    bool wrapAngleFractions;     // the angle mark wraps its arc fractions into 0..1
    // The main menu, entered after start-up. It returns only to end the
    // program (its last item). Null: the program just waits for keys.
    void (*mainMenu)(Program&);
    // One numbered item of the main menu: its text ("3　平行移動", UTF-8) and
    // the lesson entry it runs (null: the menu is drawn again). The last item
    // ("終了") ends the program.
    struct MenuItem {
        const char* text;
        void (*entry)(Program&);
    };
    std::span<const MenuItem> menuItems{};
};

struct Program : State {
    Program(Runtime& runtime, const ProgramInfo& programInfo) : rt(runtime), info(programInfo) {}
    Runtime& rt;
    const ProgramInfo& info;
};

// Start-up: error trap, window, font, pen, random seed, first values, arrays.
// Goes on to the main menu when it returns.
void StartUp(Program& p);
// Seeds the random numbers again from the clock; the seed is left in WorkA.
void ReseedRandom(Program& p);
// The error screen for `error`; never returns (the program ends when the
// window is closed).
[[noreturn]] void HandleRuntimeError(Program& p, const RuntimeError& error);

// The whole program: command line, runtime, start-up, main menu, error screen.
// Returns the process exit status.
int RunProgram(int argc, char** argv, const ProgramInfo& info);
