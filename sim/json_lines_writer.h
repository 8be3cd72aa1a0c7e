// Streams trace records as JSON Lines to a file, through a buffer. The lines
// go to "<path>.partial" first; Commit() moves the finished file into place,
// so a run that fails half-way leaves no half-written trace behind.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "sim/trace_sink.h"

namespace thornbrake::sim {

class JsonLinesWriter final : public TraceSink {
public:
    // Throws std::runtime_error naming the file when it cannot be created.
    explicit JsonLinesWriter(std::filesystem::path path);
    ~JsonLinesWriter();
    JsonLinesWriter(const JsonLinesWriter&) = delete;
    JsonLinesWriter& operator=(const JsonLinesWriter&) = delete;

    void Write(const CallRecord& record) override;

    // Flushes, closes and renames into place. Throws std::runtime_error
    // naming the file on any write error (the partial file is then removed).
    void Commit();

    const std::filesystem::path& Path() const { return path_; }

private:
    void FlushBuffer();
    void Discard();

    std::filesystem::path path_;
    std::filesystem::path partialPath_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    bool failed_ = false;
};

}  // namespace thornbrake::sim
