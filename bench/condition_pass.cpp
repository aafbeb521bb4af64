// Times one pass over the conditions' three measures (idle, processor,
// network) as the program takes it once a second: 1,000 passes in a loop,
// timed from the program's side, so that what Wine's own processes do for
// a call counts too.
#include <windows.h>

#include <cstdio>

#include "power/condition_samplers_win.h"

int main() {
    ConditionSamplers samplers;
    samplers.sample();  // the first reading only starts the counts
    constexpr int kPasses = 1000;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int pass = 0; pass < kPasses; ++pass) samplers.sample();
    QueryPerformanceCounter(&end);
    const double microseconds = static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                                static_cast<double>(frequency.QuadPart) / kPasses;
    std::printf("condition_pass_us=%.1f processor=%d network=%d\n", microseconds,
                samplers.processorMeasured() ? 1 : 0, samplers.networkMeasured() ? 1 : 0);
    return 0;
}
