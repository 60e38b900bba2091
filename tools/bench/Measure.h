// Clock readings, medians and the process's resident memory, for the benchmark's table.
#pragma once

#include <chrono>
#include <vector>

// Milliseconds the call took.
template <class F>
double TimeMs(F&& call)
{
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values);
// Resident memory of this process in MiB, from /proc.
double ResidentMiB();
