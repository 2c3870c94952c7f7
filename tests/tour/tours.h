// The key tours: for each program, scripted runs that go through its menus
// and every built lesson the way a pupil would. The snapshot test keeps their
// traces, so a change that alters any screen is seen and accepted on purpose;
// other tests walk the same tours to check every drawn text.
//
// Add a lesson's tour here when the lesson is built (and run the snapshot
// test with GEO_UPDATE_SNAPSHOTS=1 once, then look at what it wrote).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "support/support.h"

namespace tours {

struct Tour {
    std::string name;     // also the snapshot's file name
    std::string program;  // varnel, droveny, pemmick, quillet
    std::string keys;     // --keys script
};

// Test output names a tour by its name (not by a dump of its bytes).
inline void PrintTo(const Tour& tour, std::ostream* os) { *os << tour.name; }

// A tour's name as a test name (which takes no '-').
inline std::string TestName(const Tour& tour) {
    std::string name;
    for (char c : tour.name) name += (c == '-') ? '_' : c;
    return name;
}

using testing_support::Repeat;

inline const std::vector<Tour>& All() {
    static const std::vector<Tour> tours = [] {
        const std::string E = "{Enter}";
        // Entries every menu refuses, then one it takes.
        const std::string refused = "0" + E + "-1" + E + E + "1/0" + E + "99" + E + "1.5{BS}12345678901{Del}";
        std::vector<Tour> t;
        t.push_back({"varnel-menu", "varnel", refused + "8" + E});
        t.push_back({"droveny-menu", "droveny", refused + "5" + E});
        t.push_back({"pemmick-menu", "pemmick", refused + "4/1" + E});
        t.push_back({"quillet-menu", "quillet", refused + "8" + E});
        // Quillet, sectors (item 4): every topic on the keys its screens ask
        // for (the sector turned more than a full turn, random examples
        // repeated on answers other than 1), refused topic numbers, and back
        // to the main menu.
        t.push_back({"quillet-sector", "quillet",
                     "4" + E + "1" + E + Repeat("x", 17) + "2" + E + "x" + Repeat("x", 14) + "1" + Repeat("x", 19) +
                         "3" + E + "xxxx2" + E + "xxxx1" + E + "xxx" + "xxxx" + E + "xxxx2/2" + E + "xxx" + "4" + E +
                         Repeat("x", 12) + "5" + E + Repeat("x", 7) + "6" + E + "xxxxx1/0" + E + "xxxxx1" + E + "x" +
                         "7" + E + "xxxxx1" + E + "x" + "0" + E + "9" + E + "1/0" + E + "0/0" + E + "8" + E + "8" +
                         E});

        // Varnel, translation (item 3): every topic with the keys its screens
        // ask for, refused topic numbers, and back to the main menu.
        const std::string topic1 = "1" + E + "abcdefgh" + Repeat("{Right}", 10) + "1" + "ab";
        const std::string topic2 = "2" + E + E + Repeat("{Right}", 12) + E + "xn" + "a";
        const std::string topic3 = "3" + E + "abcd";
        const std::string topic4 = "4" + E + "abcdefghij";
        const std::string topic5 = "5" + E + "abc";
        t.push_back({"varnel-translation", "varnel",
                     "3" + E + topic1 + topic2 + topic3 + topic4 + topic5 + "0" + E + "7" + E + "1/0" + E + "6" + E +
                         "8" + E});
        // The target point D driven to the corners of its range, slid there,
        // moved again ("1" at the repeat question) and summarised.
        const std::string corners = "3" + E + "2" + E + Repeat("{Left}", 14) + Repeat("{Up}", 14) + E +
                                    Repeat("{Right}", 13) + E + "x1" + Repeat("{Right}", 30) +
                                    Repeat("{Down}", 30) + E + Repeat("{Right}", 14) + Repeat("{Left}", 3) + E +
                                    "x1" + Repeat("{Left}", 30) + Repeat("{Down}", 30) + E + Repeat("{Right}", 12) +
                                    Repeat("{Left}", 5) + Repeat("{Right}", 20) + E + "xn" + "a" + "6" + E + "8" + E;
        t.push_back({"varnel-translation-corners", "varnel", corners});
        // D below A (same column) and D on A.
        t.push_back({"varnel-translation-column", "varnel",
                     "3" + E + "2" + E + Repeat("{Left}", 4) + E + Repeat("{Right}", 30) + Repeat("{Left}", 40) + E +
                         "xn" + "a" + "2" + E + Repeat("{Left}", 4) + Repeat("{Up}", 3) + E + Repeat("{Right}", 3) +
                         E + "xn" + "a" + "6" + E + "8" + E});
        // Varnel, tessellation (item 1) and basic terms (item 2): every topic
        // on the keys its screens wait for, refused topic numbers, and back to
        // the main menu.
        const std::string introRefused = "0" + E + "4" + E + "-1" + E + E + "1/0" + E;
        t.push_back({"varnel-introduction", "varnel",
                     "1" + E + "1" + E + "abcdef" + "2" + E + Repeat("x", 13) + introRefused + "3" + E + "8" + E});
        const std::string basicRefused = "0" + E + "6" + E + "-1" + E + E + "1/0" + E;
        t.push_back({"varnel-basic-terms", "varnel",
                     "2" + E + "1" + E + Repeat("x", 16) + "2" + E + "abcd" + "3" + E + Repeat("x", 9) + "4" + E +
                         Repeat("x", 9) + basicRefused + "5" + E + "8" + E});
        // Varnel, rotation (item 4): every topic with the keys its screens ask
        // for (topic 2 turned both ways, past a whole turn, turned again after
        // "1" at the question, and onto the empty angle), refused topic
        // numbers, and back to the main menu.
        {
            const std::string hexagon = "1" + E + "abcd" + Repeat("x", 13) + "1" + "efg";
            const std::string turn = "2" + E + Repeat("{Left}", 3) + "a{Up}" + Repeat("{Right}", 39) + E + "x1" +
                                     Repeat("{Right}", 10) + E + "xn" + "abcdefgh";
            const std::string answer6 = "3" + E + "abcdefgh";
            const std::string answer7 = "4" + E + "ab";
            t.push_back({"varnel-rotation", "varnel",
                         "4" + E + hexagon + turn + answer6 + answer7 + "0" + E + "6" + E + "1/0" + E + "5" + E +
                             "8" + E});
        }
        // Varnel, reflection (item 5): refused topic numbers, the fold over l
        // past its wrap, the typed-axis fold (a fraction, the clamps, other
        // keys, fold again) twice, question 10, and back to the main menu.
        const std::string reflectionRefused = "0" + E + "5" + E + "-1" + E + E + "0/0" + E;
        const std::string foldOverL = "1" + E + "abcd" + Repeat("x", 20) + "1" + "abc";
        const std::string typedAxis = "2" + E + "45/2" + E + "x" + Repeat("{Right}", 10) + Repeat("{Left}", 3) + "a" +
                                      E + "1" + "{Left}" + E + "x" + Repeat("k", 11);
        const std::string halfTurn = "2" + E + "270" + E + E + Repeat("{Right}", 9) + E + "n" + Repeat("k", 11);
        const std::string answer10 = "3" + E + Repeat("k", 33);
        t.push_back({"varnel-reflection", "varnel",
                     "5" + E + reflectionRefused + foldOverL + typedAxis + halfTurn + answer10 + "4" + E + "8" + E});
        // Varnel, combined moves (item 6): refused topic numbers, the rhombus
        // problem with its five answers (each animation stepped, across its
        // wraps) and refusals in its menu, example 1, question 11, back.
        const std::string rhombus = "1" + E + "0" + E + "7" + E + "1" + E + Repeat("a", 5) + "1" + "k" + "2" + E +
                                    Repeat("{Up}", 9) + "1" + "k" + "3" + E + Repeat("b", 20) + "1" + "k" + "4" + E +
                                    Repeat("c", 11) + "1" + Repeat("d", 19) + "1" + "k" + "5" + E + Repeat(E, 3) + "1" +
                                    Repeat("{Left}", 19) + "1" + "k" + "6" + E;
        const std::string example1 = "2" + E + "a" + Repeat("{Right}", 12) + "1" + "a" + Repeat("x", 4) + "1" + "a" +
                                     Repeat("y", 20) + "1" + "a" + "aaaa";
        t.push_back({"varnel-combined", "varnel",
                     "6" + E + "0" + E + "5" + E + "1/0" + E + rhombus + example1 + "3" + E + "abcd" + "4" + E + "8" + E});
        // Varnel, basic problems of page 164 (item 7).
        t.push_back({"varnel-p164", "varnel",
                     "7" + E + "0" + E + "4" + E + "1" + E + "abc" + "2" + E + "abcdef" + "1" + E + "abc" + "3" + E +
                         "8" + E});
        // Pemmick, how to construct (item 1) and two intersecting circles
        // (item 2): every topic on the keys it waits for, refused topic
        // numbers, and back to the main menu.
        const std::string pemmickRefused = "0" + E + "9" + E + "1/0" + E + "0/0" + E;
        t.push_back({"pemmick-construction", "pemmick",
                     "1" + E + "1" + E + Repeat("x", 15) + "2" + E + Repeat("x", 19) + "3" + E + Repeat("x", 15) +
                         pemmickRefused + "4" + E + "5" + E});
        t.push_back({"pemmick-two-circles", "pemmick",
                     "2" + E + "1" + E + Repeat("x", 14) + "2" + E + Repeat("x", 9) + "3" + E + Repeat("x", 11) +
                         "4" + E + Repeat("x", 10) + "5" + E + Repeat("x", 4) + "6" + E + Repeat("x", 6) + "7" + E +
                         Repeat("x", 11) + pemmickRefused + "8" + E + "5" + E});

        // Droveny, perpendicular (item 1): every topic with the keys its
        // screens ask for (A stepped past the end of l and round again),
        // refused topic numbers, and back to the main menu.
        const std::string perpendicular = "1" + E + "1" + E + Repeat("a", 12) + "2" + E + Repeat("a", 6) + "3" + E +
                                          Repeat("a", 7) + "4" + E + Repeat("a", 16) + "5" + E + "a" +
                                          Repeat("{Right}", 13) + "x" + "1" + Repeat("a", 18) + "6" + E +
                                          Repeat("a", 16) + "0" + E + "8" + E + E + "1/0" + E + "7" + E + "5" + E;
        t.push_back({"droveny-perpendicular", "droveny", perpendicular});
        // Droveny, angle bisector (item 3): the fold past its wrap and again
        // ended at once, every other topic with the keys its screens ask for,
        // refused topic numbers, and back to the main menu.
        const std::string angleBisector = "3" + E + "1" + E + "a" + Repeat("x", 24) + "1" + Repeat("a", 9) + "1" + E +
                                          "a1" + Repeat("a", 9) + "2" + E + Repeat("a", 7) + "3" + E +
                                          Repeat("a", 22) + "4" + E + Repeat("a", 9) + "5" + E + Repeat("a", 12) +
                                          "0" + E + "7" + E + E + "1/0" + E + "6" + E + "5" + E;
        t.push_back({"droveny-angle-bisector", "droveny", angleBisector});

        // Droveny, perpendicular bisector (item 2): the reflection at 270
        // (folded, back one, an ignored key, Enter), the sheet fold past 360
        // and round again, the construction topics, refused topic numbers, and
        // back to the main menu.
        const std::string bisector = "2" + E + "1" + E + "270" + E + "x" + Repeat("{Right}", 10) + "{Left}" + "z" + E +
                                     Repeat("a", 5) + "2" + E + "a" + Repeat("b", 20) + "1" + Repeat("a", 8) + "3" +
                                     E + Repeat("a", 6) + "4" + E + Repeat("a", 3) + "5" + E + Repeat("a", 36) + "6" +
                                     E + Repeat("a", 7) + "0" + E + "8" + E + E + "1/0" + E + "7" + E + "5" + E;
        t.push_back({"droveny-perpendicular-bisector", "droveny", bisector});

        // Quillet's own lessons (items 1 to 3): every topic with the keys its
        // screens ask for, refused topic numbers, and back to the main menu.
        const std::string any = "abcdefghijklmnopqrstuvwxyz";
        auto keys = [&](int n) { return any.substr(0, static_cast<std::size_t>(n)); };
        t.push_back({"quillet-various-constructions", "quillet",
                     "1" + E + "0" + E + "6" + E + "1/0" + E + "1" + E + "x" + keys(12) + "1" + keys(5) + "2" + E +
                         keys(5) + "3" + E + keys(21) + "4" + E + keys(12) + "1" + E + "x" + "ab1" + keys(5) + "5" +
                         E + "8" + E});
        t.push_back({"quillet-p176", "quillet",
                     "2" + E + "0" + E + "4" + E + "1" + E + keys(11) + "2" + E + keys(4) + "3" + E + "8" + E});
        t.push_back({"quillet-angle75", "quillet",
                     "3" + E + "0" + E + "5" + E + "1" + E + keys(16) + "2" + E + keys(16) + "3" + E + keys(13) +
                         "4" + E + "8" + E});

        // Quillet, chapter problems A (item 5) and B (item 6): refused problem
        // numbers, every problem on the keys it waits for, and back to the
        // main menu.
        const std::string chapterRefused = "0" + E + "-1" + E + "1/0" + E + E;
        t.push_back({"quillet-chapter-a", "quillet",
                     "5" + E + chapterRefused + "6" + E + "1" + E + Repeat("a", 4) + "2" + E + Repeat("a", 8) + "3" +
                         E + Repeat("a", 21) + "4" + E + Repeat("a", 2) + "5" + E + "8" + E});
        t.push_back({"quillet-chapter-b", "quillet",
                     "6" + E + chapterRefused + "5" + E + "1" + E + Repeat("a", 2) + "2" + E + Repeat("a", 5) + "3" +
                         E + Repeat("a", 13) + "4" + E + "8" + E});
        return t;
    }();
    return tours;
}

}  // namespace tours
