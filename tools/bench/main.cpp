// vellumora-bench [--locations N] [--runs R] [--moves M] [--markup-kb K] [--folder DIR]
// Generates an adventure of N locations and prints the medians of R runs: a new
// game against the SQLite library alone, entering a location (not pooled and
// pooled), a walk of M moves with the memory it took, and K KiB of styled markup
// shown in the output pane.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/SQLite.h"
#include "platform/OutputPane.h"
#include "session/StyledText.h"
#include "tools/bench/BenchGame.h"
#include "tools/bench/Measure.h"
#include "tools/bench/PlainConversion.h"
#include "tools/bench/SessionCopy.h"
#include "tools/bench/SyntheticAdventure.h"

namespace fs = std::filesystem;

namespace {

struct TBenchOptions {
    int64_t Locations = 20000;
    int Runs = 5;
    int Moves = 1000;
    // Moves into locations that are not pooled, and back and forth between two that are, per run.
    int Entries = 100;
    int64_t MarkupKiB = 10240;
    std::string Folder;
};

TBenchOptions ParseOptions(int argc, char** argv)
{
    TBenchOptions options;
    for (int index = 1; index < argc; ++index) {
        const std::string name = argv[index];
        if (index + 1 >= argc)
            throw std::invalid_argument(name + " needs a value");
        const std::string value = argv[++index];
        if (name == "--folder") {
            options.Folder = value;
            continue;
        }
        const long long number = std::stoll(value);
        if (name == "--locations" && number >= 2)
            options.Locations = number;
        else if (name == "--runs" && number >= 1)
            options.Runs = static_cast<int>(number);
        else if (name == "--moves" && number >= 1)
            options.Moves = static_cast<int>(number);
        else if (name == "--markup-kb" && number >= 0)
            options.MarkupKiB = number;
        else
            throw std::invalid_argument("unknown option or value out of range: " + name + " " + value);
    }
    return options;
}

// A walk that sweeps the grid row by row, turning at its edges, so that every move
// enters a location it has not seen for a long time.
class TSweep {
public:
    // The orientation of the exit taken.
    int Step(TBenchGame& game)
    {
        if (game.Move(Across))
            return Across;
        Across = 6 - Across;  // east and west swap
        if (game.Move(Down))
            return Down;
        Down = 4 - Down;  // south and north swap
        if (!game.Move(Down))
            throw std::runtime_error("the walk is stuck in location " + std::to_string(game.Here()));
        return Down;
    }

private:
    int Across = 2;
    int Down = 3;
};

// North and south, east and west.
int Opposite(int orientation)
{
    return (orientation + 1) % 4 + 1;
}

struct TWalkFigures {
    double Ms = 0;
    double StartMiB = 0;
    double PeakMiB = 0;
};

TWalkFigures Walk(const std::string& appDir, int moves)
{
    TBenchGame game(appDir);
    TSweep sweep;
    TWalkFigures figures;
    figures.StartMiB = figures.PeakMiB = ResidentMiB();
    for (int move = 0; move < moves; ++move) {
        figures.Ms += TimeMs([&] { sweep.Step(game); });
        figures.PeakMiB = std::max(figures.PeakMiB, ResidentMiB());
    }
    return figures;
}

std::string Markup(int64_t bytes)
{
    const std::string piece = "~<c:#FFEDAD;b;>Embers ~<c:#6AD6F4;i;>under ~<>Cindervale, ";
    std::string text;
    text.reserve(bytes + piece.size());
    while (static_cast<int64_t>(text.size()) < bytes)
        text += piece;
    return text;
}

void Row(const std::string& what, double ms, const std::string& note = {})
{
    std::printf("  %-34s %10.3f ms  %s\n", what.c_str(), ms, note.c_str());
}

void Run(const TBenchOptions& options, const fs::path& app)
{
    const fs::path game = app / "Game";
    fs::create_directories(game / "Images");
    const TSyntheticAdventure adventure{options.Locations};
    const double generated = TimeMs([&] { adventure.Write((game / "data.db").string()); });
    std::printf("vellumora-bench: %lld locations in %s (made in %.0f ms), medians of %d runs\n",
                static_cast<long long>(options.Locations), app.c_str(), generated, options.Runs);

    const std::vector<std::string> statements = RecordConversion(game.string());
    std::vector<double> plain, engine, cold, pooled, walks, markup;
    TWalkFigures walk;
    for (int run = 0; run < options.Runs; ++run) {
        plain.push_back(TimeMs([&] { RunPlainConversion(game.string(), (game / "plain.db").string(), statements); }));
        engine.push_back(TimeMs([&] { NewSessionCopy(game.string()); }));
    }
    fs::remove(game / "plain.db");
    fs::remove(game / "temp.db");

    for (int run = 0; run < options.Runs; ++run) {
        TBenchGame play(app.string());
        TSweep sweep;
        std::vector<double> coldMoves, pooledMoves;
        int last = 0;
        for (int move = 0; move < options.Entries; ++move)
            coldMoves.push_back(TimeMs([&] { last = sweep.Step(play); }));
        // Back and forth between the last two locations, both in the pool now.
        for (int move = 0; move < options.Entries; ++move) {
            last = Opposite(last);
            pooledMoves.push_back(TimeMs([&] { play.Move(last); }));
        }
        cold.push_back(Median(coldMoves));
        pooled.push_back(Median(pooledMoves));
    }
    for (int run = 0; run < options.Runs; ++run) {
        const TWalkFigures figures = Walk(app.string(), options.Moves);
        walks.push_back(figures.Ms);
        walk.StartMiB = std::max(walk.StartMiB, figures.StartMiB);
        walk.PeakMiB = std::max(walk.PeakMiB, figures.PeakMiB);
    }
    const std::string text = Markup(options.MarkupKiB * 1024);
    for (int run = 0; run < options.Runs && !text.empty(); ++run) {
        TOutputPane pane;
        markup.push_back(TimeMs([&] { AppendText(pane, text); }));
    }

    const double plainMs = Median(plain);
    const double engineMs = Median(engine);
    char ratio[64];
    std::snprintf(ratio, sizeof ratio, "%.2fx the SQLite library alone", plainMs > 0 ? engineMs / plainMs : 0);
    char memory[96];
    std::snprintf(memory, sizeof memory, "resident %.1f MiB at the start, %.1f MiB at the peak", walk.StartMiB,
                  walk.PeakMiB);
    Row("new game, SQLite library alone", plainMs);
    Row("new game, engine", engineMs, ratio);
    Row("location entry, not pooled", Median(cold));
    Row("location entry, pooled", Median(pooled));
    Row("walk of " + std::to_string(options.Moves) + " moves", Median(walks), memory);
    if (!markup.empty())
        Row(std::to_string(options.MarkupKiB) + " KiB of styled markup shown", Median(markup));
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const TBenchOptions options = ParseOptions(argc, argv);
        fs::path app = options.Folder;
        bool made = false;
        if (app.empty()) {
            std::string pattern = (fs::temp_directory_path() / "vellumora-bench-XXXXXX").string();
            if (!mkdtemp(pattern.data()))
                throw std::runtime_error("no temporary folder can be made");
            app = pattern;
            made = true;
        } else if (fs::exists(app / "Game" / "data.db")) {
            throw std::runtime_error((app / "Game" / "data.db").string() + " exists already");
        }
        Run(options, app);
        if (made)
            fs::remove_all(app);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "vellumora-bench: " << error.what() << '\n';
        return 1;
    }
}
