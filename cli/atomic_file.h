// Output files appear complete or not at all: everything is written to
// "FILE.tmp" in the same folder and renamed over FILE at the end, and the
// temporary file is removed if anything fails before that.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace thornbrake::cli {

class AtomicFile {
public:
    // Throws InputError naming the file when it cannot be created.
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();  // removes the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view text);
    // Where a helper program may write the content instead of Write().
    const std::filesystem::path& TempPath() const { return temp_; }
    // Closes and renames into place; throws InputError on any write error.
    void Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    bool committed_ = false;
};

// The whole content at once.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Throws InputError naming the file when it could not be written, by
// creating and removing its temporary file; used to check every output
// before any work starts.
void CheckWritable(const std::filesystem::path& target);

// The temporary name used for `target`.
std::filesystem::path TempPathFor(const std::filesystem::path& target);

}  // namespace thornbrake::cli
