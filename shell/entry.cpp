// Number entry: the "入力" field at the prompt anchor, its blinking cursor and
// full-width echo, and the value of the typed text.
#include <cmath>

#include "platform/numbers.h"
#include "platform/strings.h"
#include "shell/shell.h"
#include "text/wide_text.h"

namespace {

// Half the cursor's blink period: it shows for this long, then hides for as
// long, while no key comes.
constexpr int kCursorBlinkMs = 250;

// The cursor: a disc of radius 4 in the middle of the next cell.
void DrawEntryCursor(Program& p, float color) {
    p.rt.RtCircle(p.EntryCursorX + 8, p.EntryCursorY + 8, 4, color, 1, 0, 0, true);
}

bool IsKey(const Text& key, int code) { return key == RtChr(code); }

}  // namespace

void EnterNumber(Program& p) {
    p.EntryCursorX = p.PromptX;
    p.EntryCursorY = p.PromptY;
    p.EntryText = "";
    p.PenColor = 0;
    p.PenX = p.EntryCursorX - 48;
    p.PenY = p.EntryCursorY;
    p.TextCell = "入力";
    DrawWideText(p);
    RunEntryKeyLoop(p);
    // The label and the field.
    EraseBox(p, p.PromptX - 48, p.PromptY - 8, p.PromptX - 48 + 240, p.PromptY - 8 + 30);
}

void RunEntryKeyLoop(Program& p) {
    while (true) {
        DrawEntryCursor(p, 5);
        // The cursor blinks while the wait lasts: shown for one half period,
        // hidden for the next; a key ends the wait at once.
        if (!p.rt.WaitForKey(kCursorBlinkMs)) {
            DrawEntryCursor(p, 15);
            if (!p.rt.WaitForKey(kCursorBlinkMs)) continue;
        }
        p.LastKey = p.rt.RtInkey();
        if (p.LastKey.empty()) {
            DrawEntryCursor(p, 15);
            continue;
        }
        // Clear: Backspace, the key of code 12, or any key once ten
        // characters are shown (so a confirmed entry has at most nine).
        if (IsKey(p.LastKey, kKeyBackspace) || IsKey(p.LastKey, kKeyClear) || RtCharLen(p.EntryText) > 9) {
            EraseBox(p, p.PromptX, p.PromptY - 8, p.PromptX + 192, p.PromptY - 8 + 30);
            p.EntryText = "";
            p.EntryCursorX = p.PromptX;
            p.EntryCursorY = p.PromptY;
            p.LastKey = "";
            continue;
        }
        if (IsKey(p.LastKey, kKeyEnter)) {
            DrawEntryCursor(p, 15);
            return;
        }
        // "-", ".", "/" and "0" to "9" are the characters from "-" to "9".
        if (p.LastKey >= Text("-") && p.LastKey <= Text("9")) {
            DrawEntryCursor(p, 15);
            p.PenColor = 5;
            p.TextArg = p.LastKey;
            p.PenX = p.EntryCursorX;
            p.PenY = p.EntryCursorY;
            DrawWideString(p);
            p.EntryCursorX = p.GlyphX;
            p.EntryText += p.LastKey;
        }
        // Any other key is ignored.
    }
}

void ParseEntryValue(Program& p) {
    p.TextLength = static_cast<float>(RtCharLen(p.EntryText));
    p.ToPoint = static_cast<float>(RtCharInstr(p.EntryText, "/"));
    if (p.ToPoint == 0) {
        p.EntryValue = static_cast<float>(RtVal(p.EntryText));
        return;
    }
    const auto slash = static_cast<int32_t>(p.ToPoint);
    p.TextArg = RtCharLeft(p.EntryText, slash - 1);
    p.CurChar = RtCharRight(p.EntryText, static_cast<int32_t>(p.TextLength) - slash);
    const auto numerator = static_cast<float>(RtVal(p.TextArg));
    const auto denominator = static_cast<float>(RtVal(p.CurChar));
    // A zero or missing denominator gives 0, which every menu refuses (the old
    // entry divided anyway and ended on the error screen).
    if (denominator == 0) {
        p.EntryValue = 0;
        return;
    }
    const float value = numerator / denominator;
    p.EntryValue = std::isfinite(value) ? value : 0;
}
