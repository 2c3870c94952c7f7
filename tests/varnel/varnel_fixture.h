// The fixture of Varnel's lesson tests: a started Varnel on a key script.
#pragma once

#include <string>

#include "lessons/varnel/varnel.h"
#include "support/support.h"
#include "support/trace_query.h"

struct VarnelFixture : testing_support::ProgramFixture<Varnel> {
    explicit VarnelFixture(const std::string& keys = "", bool trace = true)
        : ProgramFixture<Varnel>(varnelInfo, keys, trace) {}
};
