#pragma once

#include <cstdio>

// A property of a fuzz target: when it does not hold, the input is a finding, kept by libFuzzer
// like a crash, with the property named on standard error.
#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      __builtin_trap();                                                                      \
    }                                                                                        \
  } while (false)
