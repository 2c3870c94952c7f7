// The fixture of Quillet's lesson tests: a started Quillet on a key script.
#pragma once

#include <string>

#include "lessons/quillet/quillet.h"
#include "support/support.h"
#include "support/trace_query.h"

struct QuilletFixture : testing_support::ProgramFixture<Quillet> {
    explicit QuilletFixture(const std::string& keys = "", bool trace = true)
        : ProgramFixture<Quillet>(quilletInfo, keys, trace) {}
};
