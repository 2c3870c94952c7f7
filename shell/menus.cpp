// The main menu of every program, the sub-menu convention of the lessons and
// the erases of the work area.
#include "platform/numbers.h"
#include "shell/shell.h"
#include "text/wide_text.h"
#include "text/text.h"

namespace {

void DrawMenuPanel(Program& p, std::span<const MenuItem> items) {
    p.rt.RtLine(22, 10, 1342, 610, 15, BoxShape::Filled, 10);
    p.PenColor = 15;
    p.PenX = 264;
    p.PenY = 30;
    p.TextCell = Text("＜") + p.ProgramTitle + Text("　メニュー＞");
    // The program's name is a name, not a formula: its a, c and l are the
    // Gothic letters of the rest of the heading, not the formula's italic a, c
    // and script l (the old menu read "Varneℓ" and "Pemmi𝑐k").
    p.PlainLetterFlag = 1;
    DrawMarkupText(p);
    p.PlainLetterFlag = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        p.PenColor = (k % 2 == 1) ? 13 : 15;
        p.PenX = 44;
        p.PenY = static_cast<float>(120 + 60 * (k - 1));
        p.TextCell = items[i].text;
        DrawMarkupText(p);
    }
}

// True when `value` lies in 1..count (false for a value that is not a number).
bool InItemRange(float value, int count) { return value >= 1 && value <= static_cast<float>(count); }

}  // namespace

int MenuSelector(float value) { return RtCInt(value); }

void ShowMainMenu(Program& p) {
    const std::span<const MenuItem> items = p.info.menuItems;
    const int n = static_cast<int>(items.size());
    // Each pass draws the whole menu again: after a refused number, a blank
    // item or a lesson's last item.
    while (true) {
        ClearDrawingArea(p);
        EraseScreen(p);
        DrawMenuPanel(p, items);
        p.PenColor = 0;
        p.PenX = p.PromptX - 240;
        p.PenY = p.PromptY;
        p.TextCell = "番号を入力して下さい。";
        DrawWideText(p);
        AskNumberBesideField(p);
        ClearPromptLine(p);
        if (p.EntryValue == static_cast<float>(n)) return;
        if (!InItemRange(p.EntryValue, n)) continue;
        // The end and range tests look at the value, but the item is the
        // number the typed text starts with, made whole: a typed fraction
        // opens its numerator's item ("7/2" opens item 7). A selector that
        // names no lesson draws the menu again: a numerator outside the items
        // ("9/2" is worth 4.5), or a number just below the last item that is
        // made whole to it (7.6 in an eight-item menu).
        const int selector = MenuSelector(static_cast<float>(RtVal(p.EntryText)));
        if (selector < 1 || selector > n - 1) continue;
        EraseScreen(p);
        const auto entry = items[static_cast<std::size_t>(selector - 1)].entry;
        if (entry != nullptr) entry(p);
    }
}

void ShowBasicConstructionsMainMenu(Program& p) { ShowMainMenu(p); }
void ShowRulerCompassMainMenu(Program& p) { ShowMainMenu(p); }
void ShowConstructionsAndSectorsMainMenu(Program& p) { ShowMainMenu(p); }

void ReturnToMainMenu(Program&) {}

void ClearDrawingArea(Program& p) { EraseBox(p, 0, 54, 1440, 900); }

void ClearRightOfEntryField(Program& p) {
    p.PenX = p.PromptX + 80;
    p.PenY = p.PromptY - 72;
    EraseBox(p, p.PenX, p.PenY, p.PenX + 1440, p.PenY + 90);
}

int AskSubMenuChoice(Program& p, const Text& caption, int itemCount) {
    while (true) {
        p.TextCell = caption;
        AskNumberInMessageBar(p);
        p.MenuChoice = p.EntryValue;
        p.EntryValue = 10;
        ClearMessageBar(p);
        if (!InItemRange(p.MenuChoice, itemCount)) continue;
        const int choice = MenuSelector(p.MenuChoice);
        p.MenuChoice = static_cast<float>(choice);
        return choice;
    }
}
