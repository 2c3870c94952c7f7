// The lesson shell: main menus and the sub-menu convention, the message bar,
// prompts and key waits, number entry and number tables.
//
// Every routine reads and writes the shared cells of Program; the comment on
// each says which. Coordinates are pixels (origin top-left, y down), colours
// palette codes (15 is the background, so drawing in 15 erases).
//
// ---------------------------------------------------------------------------
// How a lesson runs its sub-menu
// ---------------------------------------------------------------------------
// A lesson entry is a function `void RunXxxLesson(P& p)` on its program's
// own type P (Varnel, ...), named in its program's main-menu table through
// LessonEntry. The main menu erases the whole screen and calls it; when the
// lesson returns, the main menu draws itself again (that return is the
// sub-menu's last item, "終了"). Topics are functions `void Topic(P& p)` that
// return to the sub-menu when they are done; the sub-menu then asks again
// without drawing the goal screen again. Nothing calls back into a menu, so no
// visit grows the stack.
//
// The sub-menu is RunSubMenu: the caption and the table of topics side by
// side, item k runs topic k, the item after the last topic returns to the
// main menu:
//
//     void RunTranslationLesson(Varnel& p) {
//         ShowTranslationLessonGoal(p);   // the goal screen, once
//         RunSubMenu(p, "①P156Q　②平行移動　③問1,2　④平行線　⑤問3　⑥終了",
//                    {ShowTranslationQuestionP156, ShowTranslationDefinition, ShowTranslationAnswers1And2,
//                     ShowParallelLineConstruction, ShowTranslationAnswer3});
//     }
//
// A nested sub-menu (a topic with its own menu, whose last item is "メニュー")
// is a RunSubMenu inside the topic: when it returns, the enclosing sub-menu
// asks again. A topic starts with EntryValue = 10 (set by the sub-menu) unless
// it sets its own; MenuChoice holds the chosen item as a whole number.
// ---------------------------------------------------------------------------
#pragma once

#include <initializer_list>
#include <span>
#include <type_traits>

#include "core/program.h"
#include "shell/startup.h"

// A row of a program's main-menu table (ProgramInfo::menuItems).
using MenuItem = ProgramInfo::MenuItem;

// ---- Main menu --------------------------------------------------------------

// The main menu of the running program (its table is p.info.menuItems, its
// heading "＜" + ProgramTitle + "　メニュー＞"). Draws the panel, the heading
// and the numbered items, writes "番号を入力して下さい。" left of the prompt
// anchor and reads a number beside it. An entry worth the last item's number
// ends the program: the menu returns. An entry worth less than 1 or more than
// the last item draws the menu again. Otherwise the item is the number the
// typed text starts with, made whole (MenuSelector), so "7/2" is worth 3.5
// and opens item 7; when that number names no lesson (outside 1 to the last
// item - 1) the menu is drawn again, else the screen is erased and the item's
// lesson entry runs, after which the menu is drawn again (a blank item, whose
// entry does nothing, just draws it again). Leaves EntryText and EntryValue
// as typed.
void ShowMainMenu(Program& p);
// The same menu under the names the other programs give it (each uses its
// own table through p.info).
void ShowBasicConstructionsMainMenu(Program& p);       // Droveny
void ShowRulerCompassMainMenu(Program& p);             // Pemmick
void ShowConstructionsAndSectorsMainMenu(Program& p);  // Quillet
// Target of the blank main-menu items: does nothing, so the menu is drawn
// again when it returns.
void ReturnToMainMenu(Program& p);

// The whole number a typed menu choice stands for: the value rounded to the
// nearest whole number, a half to the even one (3.5 gives 4, 2.5 gives 2), as
// the runtime makes a selector whole. Every sub-menu dispatches on this number
// of the value it checked; the main menu on this number of the number its
// typed text starts with (the numerator of a typed fraction).
int MenuSelector(float value);

// The one erase of every screen and lesson: the box with corners (x1, y1) and
// (x2, y2), both included, in the background colour (border and fill 15).
void EraseBox(Program& p, float x1, float y1, float x2, float y2);
// The whole screen in the background colour.
void EraseScreen(Program& p);
// Erases the work area (0,54) to (1440,900); changes nothing else.
void ClearDrawingArea(Program& p);
// PenX := PromptX + 80, PenY := PromptY - 72, then erases the box from there,
// 1440 wide and 90 high; the pen stays at its top-left corner.
void ClearRightOfEntryField(Program& p);

// ---- Sub-menus --------------------------------------------------------------

// One topic of a sub-menu of a program whose type is P (Program, Varnel, ...).
template <class P>
using TopicOf = void (*)(P&);
using SubMenuTopic = TopicOf<Program>;

// The head of a sub-menu: writes `caption` on the bottom band at (16,666) in
// colour 0 and reads a number (AskNumberInMessageBar); MenuChoice :=
// EntryValue, EntryValue := 10, ClearMessageBar; a number outside 1 to
// `itemCount` asks again (whatever the screen shows stays). Returns the chosen
// item, 1 to itemCount, and leaves it in MenuChoice as that whole number
// (MenuSelector of the value).
int AskSubMenuChoice(Program& p, const Text& caption, int itemCount);

// The sub-menu loop of every lesson: asks with AskSubMenuChoice (itemCount =
// number of topics + 1), runs topic k for item k and asks again; returns on
// the last item. A null topic just asks again. The topics are a table (an
// array) or a braced list beside the caption:
//
//     RunSubMenu(p, " ①P154　②P155　③終了", {ShowPatchworkTilingP154, ShowHexagonPatternP155});
template <class P>
void RunSubMenu(P& p, const Text& caption, std::span<const std::type_identity_t<TopicOf<P>>> topics) {
    const int itemCount = static_cast<int>(topics.size()) + 1;
    while (true) {
        const int choice = AskSubMenuChoice(p, caption, itemCount);
        if (choice == itemCount) return;
        if (choice < 1 || choice > itemCount) continue;   // AskSubMenuChoice never gives one
        const TopicOf<P> topic = topics[static_cast<std::size_t>(choice - 1)];
        if (topic != nullptr) topic(p);
    }
}
template <class P>
void RunSubMenu(P& p, const Text& caption, std::initializer_list<std::type_identity_t<TopicOf<P>>> topics) {
    RunSubMenu(p, caption, std::span<const TopicOf<P>>(topics.begin(), topics.size()));
}

// ---- Message bar, prompts and key waits -------------------------------------

// Writes the caption TextCell (may be empty) in colour 5 so that it ends 80 px
// left of PromptX, then reads a number (EnterNumber, ParseEntryValue). The
// caption stays for ClearPromptLine.
void AskNumberBesideField(Program& p);
// Erases the prompt line: the box from (PromptX - 640, PromptY - 8), 1056
// wide and 50 high.
void ClearPromptLine(Program& p);
// Writes the sub-menu caption TextCell at (16,666) in colour 0 and reads a
// number; the caption stays on the band for ClearMessageBar.
void AskNumberInMessageBar(Program& p);
// Erases the bottom band (0,657) to (992,720).
void ClearMessageBar(Program& p);
// Shows the message TextCell in the box from (16,657), 480 by 36 (border 13,
// fill 4, text 9, pen width 3), waits for a key (LastKey), erases the band and
// sets PenColor and the pen width back.
void ShowMessageAndWaitKey(Program& p);
// Erases the bottom band, PenColor := SavedPenColor, pen width :=
// SavedDrawWidth.
void ClearMessageBarAndRestore(Program& p);
// "次のステップは１を入力。" in the box (96,639) to (400,675) (border 13, fill
// 12, text 9, pen width 2) and reads a number; EntryValue 1 means go on. Erases
// its boxes and sets the pen width back; PenColor is left as the entry left it.
void AskNextStep(Program& p);
// "何かキーを押して下さい。" in the box (96,657) to (400,693) (border 13, fill
// 4, text 9, pen width 3); waits for any key (LastKey), erases x 0 to 400 of
// those rows and sets PenColor and the pen width back. TextCell is empty.
void WaitForAnyKey(Program& p);
// LastKey := the next key, waiting (without using the processor) until one
// comes; a key already waiting is taken at once. Draws nothing.
void ReadNextKey(Program& p);
// Reads keys without waiting until none is left; LastKey ends empty.
void FlushPendingKeys(Program& p);

// ---- Number entry -----------------------------------------------------------

// Reads a typed number at the prompt anchor: "入力" in colour 0 at
// (PromptX - 48, PromptY), a blinking dot cursor and the echo of "-", ".", "/"
// and "0" to "9" in full-width glyphs in colour 5 from (PromptX, PromptY);
// Backspace or the key of code 12 clears the field, and so does any key once
// ten characters are shown. Returns on Enter with the typed characters (at
// most 9) in EntryText and Enter in LastKey, everything erased again. PenX,
// PenY and PenColor are left as the drawing left them.
void EnterNumber(Program& p);
// The key loop of EnterNumber.
void RunEntryKeyLoop(Program& p);
// EntryValue := the number EntryText stands for: the number it starts with,
// or with a slash the number before it divided by the number after it. A zero
// (or missing) denominator gives 0. Overwrites TextLength and ToPoint, and
// TextArg and CurChar when there is a slash.
void ParseEntryValue(Program& p);

// ---- Number tables ----------------------------------------------------------

// The texts of the number tables, without blanks: TableTextB(1..80) from
// TableValueB, TableTextA(1..40) from TableValueA, TableTextX2 and TableTextY2
// (0..20) from PointX2 and PointY2. Leaves CharIndex at 21 and TextArg holding
// the text of PointY2(20). Draws nothing.
void FormatNumberTables(Program& p);
