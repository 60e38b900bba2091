// The invariants a harness checks: a broken one stops the run like a crash, so
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                               \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, what);      \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
