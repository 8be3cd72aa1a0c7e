#include "sim/json_lines_writer.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "sim/call_json.h"

namespace thornbrake::sim {
namespace {
constexpr std::size_t kBufferBytes = 1 << 16;
}  // namespace

JsonLinesWriter::JsonLinesWriter(std::filesystem::path path)
    : path_(std::move(path)), partialPath_(path_.string() + ".partial") {
    file_ = std::fopen(partialPath_.string().c_str(), "wb");
    if (file_ == nullptr) {
        throw std::runtime_error(partialPath_.string() + ": cannot create trace file: " +
                                 std::strerror(errno));
    }
    buffer_.reserve(kBufferBytes + 512);
}

JsonLinesWriter::~JsonLinesWriter() { Discard(); }

void JsonLinesWriter::Write(const CallRecord& record) {
    AppendJsonLine(buffer_, record);
    if (buffer_.size() >= kBufferBytes) FlushBuffer();
}

void JsonLinesWriter::FlushBuffer() {
    if (file_ != nullptr && !buffer_.empty() &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
        failed_ = true;
    }
    buffer_.clear();
}

void JsonLinesWriter::Discard() {
    if (file_ == nullptr) return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ignored;
    std::filesystem::remove(partialPath_, ignored);
}

void JsonLinesWriter::Commit() {
    if (file_ == nullptr) throw std::runtime_error(path_.string() + ": trace already committed");
    FlushBuffer();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code error;
    if (failed_ || !closed) {
        std::filesystem::remove(partialPath_, error);
        throw std::runtime_error(partialPath_.string() + ": writing the trace failed");
    }
    std::filesystem::rename(partialPath_, path_, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(partialPath_, ignored);
        throw std::runtime_error(path_.string() + ": cannot move the finished trace into place: " +
                                 error.message());
    }
}

}  // namespace thornbrake::sim
