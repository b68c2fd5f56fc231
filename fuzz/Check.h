#pragma once
// A broken property ends the run as a crash, so that the fuzzer keeps the input that broke it.

inline void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}
