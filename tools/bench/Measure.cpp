#include "tools/bench/Measure.h"

#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace {

double MedianOf(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

double ProcessCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

TTiming Median(const std::vector<TTiming>& timings)
{
    std::vector<double> wall, cpu;
    for (const TTiming& timing : timings) {
        wall.push_back(timing.Wall);
        cpu.push_back(timing.Cpu);
    }
    return {MedianOf(wall), MedianOf(cpu)};
}

double ResidentMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024;
    return 0;
}

double HeapInUseMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024 * 1024);
}
