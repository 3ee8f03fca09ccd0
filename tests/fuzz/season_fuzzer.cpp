// libFuzzer target of the season loader (make fuzz).
#include "SeasonExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    exerciseSeasonFile(data, size);
    return 0;
}
