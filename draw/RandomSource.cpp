#include "RandomSource.h"

// pcg32's default constructor is the fixed starting state; nothing else may touch it.
static_assert(sizeof(pcg32) <= 16, "the generator's state should stay small");
