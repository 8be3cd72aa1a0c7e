#include "parallel_runs.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace thornbrake::cli {
namespace {

// One message per run: its index, then its figures. A failure is an index of
// -1 followed by the message's length and text.
bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

[[noreturn]] void WorkerMain(int fd, int first, int step, int runs, std::size_t figureCount,
                             const RunFigures& run) {
    int status = 0;
    try {
        for (int index = first; index < runs; index += step) {
            std::vector<double> figures = run(index);
            figures.resize(figureCount);
            std::int32_t tag = index;
            if (!WriteAll(fd, &tag, sizeof tag) ||
                !WriteAll(fd, figures.data(), figures.size() * sizeof(double))) {
                status = 3;
                break;
            }
        }
    } catch (const std::exception& error) {
        const std::string message = error.what();
        const std::int32_t tag = -1;
        const auto length = static_cast<std::int32_t>(message.size());
        WriteAll(fd, &tag, sizeof tag);
        WriteAll(fd, &length, sizeof length);
        WriteAll(fd, message.data(), message.size());
        status = 2;
    }
    ::close(fd);
    // Leave without the parent's atexit handlers and stdio buffers.
    ::_exit(status);
}

struct Worker {
    pid_t pid = -1;
    int fd = -1;
    std::string buffer;
    bool open = true;
};

}  // namespace

int CoreCount() {
    const long cores = ::sysconf(_SC_NPROCESSORS_ONLN);
    return cores > 0 ? static_cast<int>(cores) : 1;
}

std::vector<std::vector<double>> RunInWorkers(int runs, int jobs, std::size_t figureCount,
                                              const RunFigures& run, const Progress& progress) {
    std::vector<std::vector<double>> results(static_cast<std::size_t>(runs));
    if (runs <= 0) return results;
    jobs = std::max(1, std::min(jobs, runs));
    std::fflush(nullptr);

    std::vector<Worker> workers(static_cast<std::size_t>(jobs));
    for (int k = 0; k < jobs; ++k) {
        int fds[2];
        if (::pipe(fds) != 0) throw std::runtime_error(std::string("cannot create a pipe: ") + std::strerror(errno));
        const pid_t pid = ::fork();
        if (pid < 0) throw std::runtime_error(std::string("cannot start a worker: ") + std::strerror(errno));
        if (pid == 0) {
            ::close(fds[0]);
            for (int j = 0; j < k; ++j) ::close(workers[static_cast<std::size_t>(j)].fd);
            WorkerMain(fds[1], k, jobs, runs, figureCount, run);
        }
        ::close(fds[1]);
        workers[static_cast<std::size_t>(k)].pid = pid;
        workers[static_cast<std::size_t>(k)].fd = fds[0];
    }

    const std::size_t recordSize = sizeof(std::int32_t) + figureCount * sizeof(double);
    int done = 0;
    std::string failure;
    std::vector<pollfd> polls;
    for (;;) {
        polls.clear();
        for (const Worker& w : workers) {
            if (w.open) polls.push_back({w.fd, POLLIN, 0});
        }
        if (polls.empty()) break;
        if (::poll(polls.data(), polls.size(), -1) < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error(std::string("waiting for the workers failed: ") + std::strerror(errno));
        }
        for (const pollfd& p : polls) {
            if ((p.revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
            Worker* w = nullptr;
            for (Worker& candidate : workers) {
                if (candidate.fd == p.fd) w = &candidate;
            }
            char chunk[4096];
            const ssize_t got = ::read(w->fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) {
                w->open = false;
                ::close(w->fd);
                continue;
            }
            w->buffer.append(chunk, static_cast<std::size_t>(got));
            // Take every complete message.
            for (;;) {
                if (w->buffer.size() < sizeof(std::int32_t)) break;
                std::int32_t tag = 0;
                std::memcpy(&tag, w->buffer.data(), sizeof tag);
                if (tag < 0) {
                    if (w->buffer.size() < 2 * sizeof(std::int32_t)) break;
                    std::int32_t length = 0;
                    std::memcpy(&length, w->buffer.data() + sizeof tag, sizeof length);
                    const std::size_t total = 2 * sizeof(std::int32_t) + static_cast<std::size_t>(length);
                    if (w->buffer.size() < total) break;
                    if (failure.empty()) failure = w->buffer.substr(2 * sizeof(std::int32_t), static_cast<std::size_t>(length));
                    w->buffer.erase(0, total);
                    continue;
                }
                if (w->buffer.size() < recordSize) break;
                std::vector<double>& figures = results.at(static_cast<std::size_t>(tag));
                figures.resize(figureCount);
                std::memcpy(figures.data(), w->buffer.data() + sizeof tag, figureCount * sizeof(double));
                w->buffer.erase(0, recordSize);
                ++done;
                if (progress) progress(done, runs);
            }
        }
    }
    bool crashed = false;
    for (const Worker& w : workers) {
        int status = 0;
        while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
        }
        crashed = crashed || !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    }
    if (!failure.empty()) throw std::runtime_error(failure);
    if (crashed || done != runs) {
        throw std::runtime_error("a worker process stopped before finishing its runs");
    }
    return results;
}

}  // namespace thornbrake::cli
