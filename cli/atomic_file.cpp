#include "atomic_file.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "cli_errors.h"

namespace thornbrake::cli {

std::filesystem::path TempPathFor(const std::filesystem::path& target) {
    std::filesystem::path temp = target;
    temp += ".tmp";
    return temp;
}

AtomicFile::AtomicFile(std::filesystem::path target)
    : target_(std::move(target)), temp_(TempPathFor(target_)) {
    if (std::filesystem::is_directory(target_)) {
        throw InputError(target_.string() + ": is a folder, not a file");
    }
    file_ = std::fopen(temp_.string().c_str(), "wb");
    if (file_ == nullptr) {
        throw InputError(target_.string() + ": cannot write (" + std::strerror(errno) + ")");
    }
}

AtomicFile::~AtomicFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (!committed_) {
        std::error_code ignored;
        std::filesystem::remove(temp_, ignored);
    }
}

void AtomicFile::Write(std::string_view text) {
    if (file_ == nullptr || failed_ || text.empty()) return;
    failed_ = std::fwrite(text.data(), 1, text.size(), file_) != text.size();
}

void AtomicFile::Commit() {
    if (file_ != nullptr) {
        failed_ = (std::fclose(file_) != 0) || failed_;
        file_ = nullptr;
    }
    if (failed_) throw InputError(target_.string() + ": writing failed");
    std::error_code error;
    std::filesystem::rename(temp_, target_, error);
    if (error) throw InputError(target_.string() + ": cannot move into place (" + error.message() + ")");
    committed_ = true;
}

void CheckWritable(const std::filesystem::path& target) {
    AtomicFile probe(target);  // removes its temporary file when it goes
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
    AtomicFile file(target);
    file.Write(content);
    file.Commit();
}

}  // namespace thornbrake::cli
