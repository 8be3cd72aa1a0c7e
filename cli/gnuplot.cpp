#include "gnuplot.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include <fmt/format.h>

#include "atomic_file.h"
#include "cli_errors.h"

namespace thornbrake::cli {
namespace {

enum class Format { Png, Svg };

Format FormatOf(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".png") return Format::Png;
    if (ext == ".svg") return Format::Svg;
    throw InputError(file.string() + ": a plot must be a .png or .svg file");
}

std::string QuoteText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

bool GnuplotOnPath() {
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        const std::string folder(folders.substr(0, colon));
        if (!folder.empty() && ::access((folder + "/gnuplot").c_str(), X_OK) == 0) return true;
        if (colon == std::string_view::npos) break;
        folders.remove_prefix(colon + 1);
    }
    return false;
}

}  // namespace

std::string GnuplotTerminal(const std::filesystem::path& output, int width, int height) {
    if (FormatOf(output) == Format::Png) {
        return fmt::format("set terminal pngcairo size {},{} enhanced font 'DejaVu Sans,11' linewidth 1.3\n",
                           width, height);
    }
    return fmt::format("set terminal svg size {},{} dynamic enhanced font 'DejaVu Sans,11' linewidth 1.3\n",
                       width, height);
}

std::string GnuplotQuote(std::string_view text) { return QuoteText(text); }

void CheckPlotPath(const std::filesystem::path& file) {
    FormatOf(file);
    if (!GnuplotOnPath()) throw InputError(file.string() + ": plots need gnuplot (Debian package gnuplot-nox)");
}

void RunGnuplot(const std::string& script, const std::filesystem::path& file) {
    AtomicFile output(file);
    std::string text = script;
    // The picture goes to the temporary file first; the terminal comes first.
    text.insert(text.find('\n') + 1, "set output " + QuoteText(output.TempPath().string()) + "\n");
    // A gnuplot that dies early must not take us down with SIGPIPE.
    struct sigaction ignore = {};
    struct sigaction previous = {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);
    std::FILE* gnuplot = ::popen("gnuplot", "w");
    int status = -1;
    if (gnuplot != nullptr) {
        std::fwrite(text.data(), 1, text.size(), gnuplot);
        std::fputs("unset output\n", gnuplot);
        status = ::pclose(gnuplot);
    }
    ::sigaction(SIGPIPE, &previous, nullptr);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw InputError(file.string() + ": gnuplot failed" +
                         (WIFEXITED(status) && WEXITSTATUS(status) == 127 ? " (is gnuplot-nox installed?)" : ""));
    }
    output.Commit();
}

}  // namespace thornbrake::cli
