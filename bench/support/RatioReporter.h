// A console reporter that, after the usual table, prints one benchmark's CPU time as a multiple
// of another's for each argument they share ("Measured/80/27" against "Floor/80/27").
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // describe turns the shared argument part of the names ("/80/27") into the printed label.
    RatioReporter(std::string measured, std::string floor,
        std::function<std::string(const std::string&)> describe)
        : m_measuredName(std::move(measured))
        , m_floorName(std::move(floor))
        , m_describe(std::move(describe))
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            const std::string name = run.benchmark_name();
            // CPU time: the machine is shared, so wall time carries other processes.
            const double perIteration = run.cpu_accumulated_time / double(run.iterations);
            const auto slash = name.find('/');
            const std::string kind = name.substr(0, slash);
            const std::string args = slash == std::string::npos ? "" : name.substr(slash);
            // Over repetitions the fastest counts: other processes only ever add time.
            auto keepFastest = [&](std::map<std::string, double>& times) {
                const auto [at, added] = times.emplace(args, perIteration);
                if (!added && perIteration < at->second)
                    at->second = perIteration;
            };
            if (kind == m_measuredName)
                keepFastest(m_measured);
            else if (kind == m_floorName)
                keepFastest(m_floor);
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [args, measured] : m_measured) {
            const auto floor = m_floor.find(args);
            if (floor != m_floor.end() && floor->second > 0)
                std::printf("%s: %.2fx\n", m_describe(args).c_str(), measured / floor->second);
        }
    }

private:
    std::string m_measuredName;
    std::string m_floorName;
    std::function<std::string(const std::string&)> m_describe;
    std::map<std::string, double> m_measured;
    std::map<std::string, double> m_floor;
};
