#pragma once

// What the program does with a season file it is given, for the fuzzer of the season loader and
// for the test that loads the fuzzer's whole corpus: read it and, when it reads, compute what the
// commands compute from it. A loaded season must also save and read back as itself, byte for
// byte, and must be one that saving accepts; anything else aborts, as a crash would.

#include <cstddef>
#include <cstdint>

void exerciseSeasonFile(const uint8_t* data, size_t size);
