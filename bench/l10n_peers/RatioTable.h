#pragma once
// Collects the medians of the benchmark runs and prints, after them, the
// table of ratios: each peer over Tankora, Tankora over the floor.
//
// Runs are named <Measure>/<System>/<language>, e.g. "Hit/Qt/de";
// the floor is "Floor/<System>/<language>" (reading that system's catalogue).

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tankora::peers {

class RatioTable : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Median of a run in nanoseconds (or KiB for "Resident"); absent: not measured.
    const std::map<std::string, double>& Medians() const { return m_medians; }

    // peers: the peer system names; tankoraImages: the Tankora system names
    // measured, one per image form.
    void Print(std::ostream& out, const std::vector<std::string>& peers,
        const std::vector<std::string>& tankoraImages,
        const std::vector<std::string>& languages) const;

private:
    std::map<std::string, double> m_medians;
    std::map<std::string, double> m_faults; // the "faults" counter's median, by run name
};

} // namespace tankora::peers
