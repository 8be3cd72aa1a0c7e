// Many runs of one scenario spread over worker processes. The plugin keeps
// process-wide state (its settings, the lingering cholla effect) and the
// simulated host binds itself to the process, so runs cannot share a process
// at the same time: each worker is a fork()ed child that runs its share one
// after another and sends each run's summary figures back through a pipe.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace thornbrake::cli {

// The figures of run `index`. Runs in a child; an exception ends the child
// and fails the whole batch with its message.
using RunFigures = std::function<std::vector<double>(int index)>;
// Called in the parent after each finished run: (finished, total).
using Progress = std::function<void(int done, int total)>;

// Runs 0 .. runs-1 over `jobs` workers (worker k takes k, k + jobs, ...).
// Returns the figures by run index. Throws std::runtime_error when a worker
// fails.
std::vector<std::vector<double>> RunInWorkers(int runs, int jobs, std::size_t figureCount,
                                              const RunFigures& run, const Progress& progress);

// The machine's cores, at least 1.
int CoreCount();

}  // namespace thornbrake::cli
