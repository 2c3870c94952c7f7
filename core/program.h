// One run of a lesson program: its shared variables, its runtime and what
// sets the four programs apart.
//
// Each program has its own type built from Program and the cells only its
// lessons use (struct Varnel : Program, VarnelVars), defined in its lessons
// folder. ProgramInfo::create makes that type, so a lesson entry can take the
// program's own type: LessonEntry<Varnel, RunTranslationLesson> is the
// main-menu entry that hands the running program to the lesson as a Varnel.
#pragma once

#include <memory>
#include <span>

#include "core/state.h"
#include "platform/runtime.h"

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
    // Makes the program's own type on the runtime (null: a plain Program).
    std::unique_ptr<Program> (*create)(Runtime&, const ProgramInfo&) = nullptr;
};

struct Program : State {
    Program(Runtime& runtime, const ProgramInfo& programInfo) : rt(runtime), info(programInfo) {}
    virtual ~Program() = default;
    // One run has one set of cells: a copy would silently take writes meant
    // for the program.
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Runtime& rt;
    const ProgramInfo& info;
};

// The program `info` describes, on `runtime`.
std::unique_ptr<Program> CreateProgram(Runtime& runtime, const ProgramInfo& info);

// Makes a program of type P (for ProgramInfo::create).
template <class P>
std::unique_ptr<Program> CreateProgramOf(Runtime& runtime, const ProgramInfo& info) {
    return std::make_unique<P>(runtime, info);
}

// A lesson entry taking the program's own type P, as a main-menu entry. The
// program is a P because its ProgramInfo::create made it.
template <class P, void (*Entry)(P&)>
void LessonEntry(Program& p) {
    Entry(static_cast<P&>(p));
}
