// The bottom band and the prompt line: number prompts with a caption, the
// message box, the any-key pause, the next-step box and their erases.
#include "platform/numbers.h"
#include "platform/strings.h"
#include "shell/shell.h"
#include "text/wide_text.h"

void EraseBox(Program& p, float x1, float y1, float x2, float y2) {
    p.rt.RtLine(x1, y1, x2, y2, kBackgroundColor, BoxShape::Filled, kBackgroundColor);
}

// The full-screen erase: a box from (0,0), 1760 wide and 1800 high, larger
// than any window.
void EraseScreen(Program& p) { EraseBox(p, 0, 0, 1760, 1800); }

namespace {

void SaveColorAndWidth(Program& p, int32_t width) {
    p.SavedPenColor = p.PenColor;
    p.SavedDrawWidth = static_cast<float>(p.rt.RtGetDrawWidth());
    p.rt.RtSetDrawWidth(width);
}

void RestoreDrawWidth(Program& p) { p.rt.RtSetDrawWidth(RtCInt(p.SavedDrawWidth)); }

}  // namespace

void ReadNextKey(Program& p) {
    p.LastKey = p.rt.RtInkey();
    while (p.LastKey.empty()) {
        p.rt.WaitForKey();
        p.LastKey = p.rt.RtInkey();
    }
}

void AskNumberBesideField(Program& p) {
    p.PenColor = 5;
    p.PenX = p.PromptX - 16 * static_cast<float>(RtCharLen(p.TextCell) + 5);
    p.PenY = p.PromptY;
    DrawWideText(p);
    EnterNumber(p);
    ParseEntryValue(p);
}

void ClearPromptLine(Program& p) {
    EraseBox(p, p.PromptX - 640, p.PromptY - 8, p.PromptX - 640 + 1056, p.PromptY - 8 + 50);
}

void AskNumberInMessageBar(Program& p) {
    p.PenColor = 0;
    p.PenX = 16;
    p.PenY = 666;
    DrawWideText(p);
    EnterNumber(p);
    ParseEntryValue(p);
}

void ClearMessageBar(Program& p) { EraseBox(p, 0, 657, 992, 720); }

void ShowMessageAndWaitKey(Program& p) {
    SaveColorAndWidth(p, 3);
    p.rt.RtLine(16, 657, 480, 36, 13, BoxShape::Filled, 4, true);
    p.PenColor = 9;
    p.PenX = 48;
    p.PenY = 666;
    DrawWideText(p);
    ReadNextKey(p);
    ClearMessageBarAndRestore(p);
}

void ClearMessageBarAndRestore(Program& p) {
    EraseBox(p, 0, 657, 992, 720);
    p.PenColor = p.SavedPenColor;
    RestoreDrawWidth(p);
}

void AskNextStep(Program& p) {
    p.SavedDrawWidth = static_cast<float>(p.rt.RtGetDrawWidth());
    p.rt.RtSetDrawWidth(2);
    p.rt.RtLine(96, 639, 400, 675, 13, BoxShape::Filled, 12);
    p.PenColor = 9;
    p.PenX = 128;
    p.PenY = 648;
    p.TextCell = "次のステップは１を入力。";
    DrawWideText(p);
    EnterNumber(p);
    ParseEntryValue(p);
    EraseBox(p, p.PromptX - 48, p.PromptY - 9, p.PromptX - 48 + 160, p.PromptY - 9 + 27);
    EraseBox(p, 96, 639, 400, 675);
    RestoreDrawWidth(p);
}

void WaitForAnyKey(Program& p) {
    SaveColorAndWidth(p, 3);
    p.rt.RtLine(96, 657, 400, 693, 13, BoxShape::Filled, 4);
    p.PenColor = 9;
    p.PenX = 128;
    p.PenY = 666;
    p.TextCell = "何かキーを押して下さい。";
    DrawWideText(p);
    ReadNextKey(p);
    EraseBox(p, 0, 657, 400, 693);
    p.PenColor = p.SavedPenColor;
    RestoreDrawWidth(p);
}

void FlushPendingKeys(Program& p) {
    do {
        p.LastKey = p.rt.RtInkey();
    } while (!p.LastKey.empty());
}
