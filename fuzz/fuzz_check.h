#pragma once

#include <cstdio>
#include <cstdlib>

// An invariant every input must keep; a broken one stops the run with the input that broke it.
#define FUZZ_CHECK(c)                                                                              \
    ((c) ? void()                                                                                  \
         : (std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #c, __FILE__, __LINE__),        \
            std::abort()))
