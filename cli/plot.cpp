#include "plot.h"

#include <algorithm>

#include <fmt/format.h>

#include "gnuplot.h"

namespace thornbrake::cli {
namespace {

// The event lanes of the middle panel, top to bottom.
struct Lane {
    const char* title;
    std::uint32_t colour;
    bool (*matches)(EventKind);
};

const Lane kLanes[] = {
    {"cactus hit", 0xc0392b, [](EventKind k) { return k == EventKind::CactusHit; }},
    {"softened cactus / mission cry", 0xe59866,
     [](EventKind k) { return k == EventKind::CactusSoftHit || k == EventKind::CactusMissionCry; }},
    {"cholla contact", 0x7d3c98,
     [](EventKind k) { return k == EventKind::ChollaHit || k == EventKind::ChollaWeakHit; }},
    {"cholla lingering tick", 0xaf7ac5,
     [](EventKind k) { return k == EventKind::ChollaTick || k == EventKind::ChollaTickCry; }},
    {"trip (bar: cool-down)", 0x1f618d, [](EventKind k) { return k == EventKind::Trip; }},
    {"trip roll failed", 0x85c1e9, [](EventKind k) { return k == EventKind::TripRollFailed; }},
    {"horse in a cactus", 0xa04000,
     [](EventKind k) {
         return k == EventKind::HorseCactusHit || k == EventKind::HorseCactusSoftHit ||
                k == EventKind::HorseAgitated;
     }},
    {"horse in a cholla", 0x6c3483, [](EventKind k) { return k == EventKind::HorseChollaHit; }},
};
constexpr int kLaneCount = static_cast<int>(std::size(kLanes));

// Spans of time where something holds: a mission, riding.
std::vector<std::pair<double, double>> Spans(const RunResult& run, EventKind on, EventKind off) {
    std::vector<std::pair<double, double>> spans;
    double start = -1.0;
    for (const TimelineEvent& e : run.timeline) {
        const double t = static_cast<double>(e.startMs) / 1000.0;
        if (e.kind == on && start < 0.0) start = t;
        if (e.kind == off && start >= 0.0) {
            spans.emplace_back(start, t);
            start = -1.0;
        }
    }
    if (start >= 0.0) spans.emplace_back(start, run.seconds);
    return spans;
}

std::vector<std::pair<double, double>> RidingSpans(const RunResult& run) {
    std::vector<std::pair<double, double>> spans;
    double start = -1.0;
    for (const Sample& s : run.samples) {
        if (s.mounted && start < 0.0) start = s.seconds;
        if (!s.mounted && start >= 0.0) {
            spans.emplace_back(start, s.seconds);
            start = -1.0;
        }
    }
    if (start >= 0.0) spans.emplace_back(start, run.seconds);
    return spans;
}

void AppendSamples(std::string& out, const std::string& name, const RunResult& run) {
    out += "$" + name + " << EOD\n";
    for (const Sample& s : run.samples) {
        out += fmt::format("{:.3f} {} {:.2f} {:.2f} {} {:.2f}\n", s.seconds, s.health, s.stamina, s.deadEye,
                           s.horseHealth, s.horseStamina);
    }
    out += "EOD\n";
}

// Every reaction as "start end lane colour"; its bar is the time it held
// the plugin's effects.
void AppendReactions(std::string& out, const std::string& name, const RunResult& run, double offset) {
    out += "$" + name + " << EOD\n";
    bool any = false;
    for (const TimelineEvent& e : run.reactions) {
        for (int lane = 0; lane < kLaneCount; ++lane) {
            if (!kLanes[lane].matches(e.kind)) continue;
            out += fmt::format("{:.3f} {:.3f} {:.2f} {}\n", static_cast<double>(e.startMs) / 1000.0,
                               static_cast<double>(e.endMs) / 1000.0, kLaneCount - lane + offset,
                               kLanes[lane].colour);
            any = true;
        }
    }
    if (!any) out += "-1 -1 -100 0\n";  // gnuplot refuses an empty data block
    out += "EOD\n";
}

void AppendSpans(std::string& out, const std::vector<std::pair<double, double>>& spans, const char* colour) {
    for (const auto& [from, to] : spans) {
        out += fmt::format(
            "set object rect from {:.3f}, graph 0 to {:.3f}, graph 1 fillcolor rgb '{}' fillstyle solid 1.0 "
            "noborder behind\n",
            from, to, colour);
    }
}

// Places a panel on the page; all panels share the left and right edges.
std::string Panel(double bottom, double top) {
    return fmt::format("set lmargin at screen 0.16\nset rmargin at screen 0.80\n"
                       "set bmargin at screen {:.3f}\nset tmargin at screen {:.3f}\n",
                       bottom, top);
}

std::string Quote(std::string_view text) { return GnuplotQuote(text); }

}  // namespace

std::string PlotScript(const std::filesystem::path& output, std::string_view title, std::span<const PlotRun> runs) {
    const RunResult& first = *runs.front().run;
    double seconds = 0.0;
    for (const PlotRun& r : runs) seconds = std::max(seconds, r.run->seconds);
    const bool compare = runs.size() > 1;
    const char* dashes[] = {"dt 1", "dt 2"};
    const auto missions = Spans(first, EventKind::MissionStarted, EventKind::MissionEnded);
    const auto riding = RidingSpans(first);
    auto suffix = [&](std::size_t i) { return runs[i].label.empty() ? std::string() : " (" + runs[i].label + ")"; };

    std::string s = GnuplotTerminal(output, 1500, 1000);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        AppendSamples(s, fmt::format("run{}", i), *runs[i].run);
        AppendReactions(s, fmt::format("events{}", i), *runs[i].run, compare ? (i == 0 ? 0.18 : -0.18) : 0.0);
    }
    s += "set multiplot title " + Quote(title) + " font ',15'\n";
    s += "set grid xtics ytics lc rgb '#e0e0e0'\n";
    s += fmt::format("set xrange [0:{:.3f}]\n", seconds);
    s += "set ytics nomirror\nset key at screen 0.855, screen 0.90 left top Left reverse samplen 2.5 spacing 1.15\n";

    // The character.
    s += Panel(0.62, 0.90);
    s += "set format x ''\nunset xlabel\nset y2tics\n";
    s += fmt::format("set yrange [0:{:.1f}]\nset y2range [0:{:.1f}]\n", first.maxHealth * 1.05,
                     std::max(first.maxStamina, first.maxDeadEye) * 1.05);
    s += "set ylabel 'character health'\nset y2label 'stamina, dead-eye'\n";
    AppendSpans(s, missions, "#fcf3cf");
    s += "plot ";
    for (std::size_t i = 0; i < runs.size(); ++i) {
        s += fmt::format(
            "$run{0} using 1:2 with lines lw 2.8 {1} lc rgb '#c0392b' title 'health{2}', "
            "$run{0} using 1:3 axes x1y2 with lines lw 1.8 {1} lc rgb '#27ae60' title 'stamina{2}', "
            "$run{0} using 1:4 axes x1y2 with lines lw 1.8 {1} lc rgb '#d4ac0d' title 'dead-eye{2}', ",
            i, dashes[i % 2], suffix(i));
    }
    // Below these the plugin withholds health damage unless set lethal.
    if (!first.settings.CactusLethal) {
        s += "136 with lines dt 3 lw 1.2 lc rgb '#7f8c8d' title 'no damage below 136', ";
    }
    s += "NaN with boxes fillstyle solid lc rgb '#fcf3cf' title 'mission', "
         "NaN with boxes fillstyle solid lc rgb '#f6ddcc' title 'riding'\n";
    s += "unset object\n";

    // What the plugin did, one lane per kind; a bar is how long it held.
    s += Panel(0.36, 0.595);
    s += "unset y2tics\nunset y2label\nunset ylabel\nunset key\n";
    s += fmt::format("set yrange [0.4:{:.1f}]\n", kLaneCount + 0.6);
    s += "set ytics (";
    for (int lane = 0; lane < kLaneCount; ++lane) {
        s += fmt::format("{}{} {}", lane == 0 ? "" : ", ", Quote(kLanes[lane].title), kLaneCount - lane);
    }
    s += ") font ',10'\n";
    s += "set grid noytics\n";
    if (compare) s += "set label 1 'in each lane: upper row A, lower row B' at graph 1.0, graph 1.04 right font ',10'\n";
    AppendSpans(s, missions, "#fcf3cf");
    AppendSpans(s, riding, "#f6ddcc");
    s += "plot ";
    for (std::size_t i = 0; i < runs.size(); ++i) {
        s += fmt::format(
            "$events{0} using 1:3:($2-$1):(0):4 with vectors nohead lw 6 lc rgb variable, "
            "$events{0} using 1:3:4 with points pt {1} ps 1.1 lc rgb variable, ",
            i, i == 0 ? 7 : 6);
    }
    s += "NaN notitle\n";
    s += "unset object\nunset label 1\nset grid ytics\n";

    // The horse.
    s += Panel(0.07, 0.335);
    s += "set format x '%g'\nset xlabel 'time (s)'\nset ytics autofreq nomirror font ',11'\nset y2tics\n";
    s += "set key at screen 0.855, screen 0.335 left top Left reverse samplen 2.5 spacing 1.15\n";
    s += fmt::format("set yrange [0:{:.1f}]\nset y2range [0:{:.1f}]\n", first.horseMaxHealth * 1.05,
                     first.horseMaxStamina * 1.05);
    s += "set ylabel 'horse health'\nset y2label 'horse stamina'\n";
    AppendSpans(s, missions, "#fcf3cf");
    AppendSpans(s, riding, "#f6ddcc");
    s += "plot ";
    for (std::size_t i = 0; i < runs.size(); ++i) {
        s += fmt::format(
            "$run{0} using 1:5 with lines lw 2.8 {1} lc rgb '#a04000' title 'horse health{2}', "
            "$run{0} using 1:6 axes x1y2 with lines lw 1.8 {1} lc rgb '#1e8449' title 'horse stamina{2}', ",
            i, dashes[i % 2], suffix(i));
    }
    if (!first.settings.CactusHorseLethal) {
        s += "65 with lines dt 3 lw 1.2 lc rgb '#7f8c8d' title 'no damage below 65', ";
    }
    s += "NaN notitle\n";
    s += "unset multiplot\n";
    return s;
}

void WritePlot(const std::filesystem::path& file, std::string_view title, std::span<const PlotRun> runs) {
    CheckPlotPath(file);
    RunGnuplot(PlotScript(file, title, runs), file);
}

}  // namespace thornbrake::cli
