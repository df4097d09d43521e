#pragma once
// Stops the fuzzer, which keeps the input as a crash, when a property of the code under test
// does not hold.
#include <cstdio>
#include <cstdlib>

inline void Require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}
