// Clock readings, medians and the process's memory, for the benchmark's table.
#pragma once

#include <chrono>
#include <ctime>
#include <vector>

// Milliseconds a call took: on the wall clock, and of processor time.
struct TTiming {
    double Wall = 0;
    double Cpu = 0;

    TTiming& operator+=(const TTiming& other)
    {
        Wall += other.Wall;
        Cpu += other.Cpu;
        return *this;
    }
};

double ProcessCpuMs();

template <class F>
TTiming Time(F&& call)
{
    const auto start = std::chrono::steady_clock::now();
    const double cpu = ProcessCpuMs();
    call();
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count(),
            ProcessCpuMs() - cpu};
}

// The median of each column.
TTiming Median(const std::vector<TTiming>& timings);
// Resident memory of this process, from /proc, and what its heap holds in use, in MiB.
double ResidentMiB();
double HeapInUseMiB();
