// What several of Varnel's topic pages share: the text columns of the opening
// questions and of the answer pages, the figure area an opening question
// draws its steps in, and the names of the image of △ABC.
#pragma once

#include "core/program.h"
#include "lessons/common/kit.h"

// The opening questions on the hexagon figures (topic 1 of the translation,
// rotation and reflection lessons): the question and the step numbers at x
// 30, the sentences at 84, from line 20; pen width 5.
inline constexpr kit::TextColumn kQuestionColumn{.itemLeft = 30, .textLeft = 84, .firstLineY = 20};

// The answer pages (and the basic-terms topics): numbers at x 40, texts at
// 78, from line 30; pen width 5.
inline constexpr kit::TextColumn kAnswerColumn{.itemLeft = 40, .textLeft = 78, .firstLineY = 30};

// The figure area of an opening question: right of the frame's left edge,
// from 20 px under its top (the question's first line stays) down past the
// screen's bottom.
inline kit::Area QuestionFigureArea(const Program& p) {
    return {p.GridLeft, p.GridTop + 20, p.GridLeft + 1600, p.GridTop + 20 + 2400};
}

// PointLabel 1 to 3 := A', B', C': the names a polygon labelled "1" writes at
// the image of △ABC.
inline void NameImageVertices(Program& p) {
    p.PointLabel(1) = "A'";
    p.PointLabel(2) = "B'";
    p.PointLabel(3) = "C'";
}
