// vellumora-bench [--locations N] [--runs R] [--moves M] [--markup-kb K] [--folder DIR]
// Generates an adventure of N locations and prints the medians of R runs: a new
// game against the SQLite library alone, entering a location (not pooled and
// pooled), a walk of M moves with the memory it took, a quick save and a quick
// load against a plain copy of the session database, and K KiB of styled markup
// shown in the output pane.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/DataManager.h"
#include "data/SQLite.h"
#include "data/SessionSchema.h"
#include "platform/CommandScript.h"
#include "platform/OutputPane.h"
#include "session/StyledText.h"
#include "tools/bench/BenchGame.h"
#include "tools/bench/Measure.h"
#include "tools/bench/PlainConversion.h"
#include "tools/bench/SessionCopy.h"
#include "tools/bench/SyntheticAdventure.h"
#include "world/LocationManager.h"

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
    TTiming Time;
    double HeapStartMiB = 0;
    double HeapEndMiB = 0;
    double HeapPeakMiB = 0;
    double ResidentPeakMiB = 0;
};

TWalkFigures Walk(const std::string& appDir, int moves)
{
    TBenchGame game(appDir);
    TSweep sweep;
    TWalkFigures figures;
    figures.HeapStartMiB = figures.HeapPeakMiB = HeapInUseMiB();
    for (int move = 0; move < moves; ++move) {
        figures.Time += Time([&] { sweep.Step(game); });
        figures.HeapPeakMiB = std::max(figures.HeapPeakMiB, HeapInUseMiB());
        figures.ResidentPeakMiB = std::max(figures.ResidentPeakMiB, ResidentMiB());
    }
    figures.HeapEndMiB = HeapInUseMiB();
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

void Row(const std::string& what, const TTiming& timing, const std::string& note = {})
{
    std::printf("  %-44s %11.3f %11.3f  %s\n", what.c_str(), timing.Wall, timing.Cpu, note.c_str());
}

std::string Ratio(const TTiming& engine, const TTiming& plain, const char* of)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.2fx (cpu %.2fx) %s", plain.Wall > 0 ? engine.Wall / plain.Wall : 0,
                  plain.Cpu > 0 ? engine.Cpu / plain.Cpu : 0, of);
    return text;
}

void Run(const TBenchOptions& options, const fs::path& app)
{
    const fs::path game = app / "Game";
    const std::string folder = game.string();
    fs::create_directories(game / "Images");
    const TSyntheticAdventure adventure{options.Locations};
    const TTiming generated = Time([&] { adventure.Write((game / "data.db").string()); });
    std::printf("vellumora-bench: %lld locations in %s (made in %.0f ms), medians of %d runs\n",
                static_cast<long long>(options.Locations), app.c_str(), generated.Wall, options.Runs);
    std::printf("  %-44s %11s %11s\n", "", "wall ms", "cpu ms");

    // The rules' conversion alone, and everything the engine runs for a new session copy.
    const std::vector<std::string> rules = RecordStatements([&] {
        TSQLite3 db;
        fs::copy_file(game / "data.db", game / "rules.db", fs::copy_options::overwrite_existing);
        db.Open((game / "rules.db").string());
        ConvertToSessionDatabase(db);
    });
    const std::vector<std::string> engine = RecordStatements([&] { NewSessionCopy(folder); });
    std::vector<TTiming> opening, plainRules, plainEngine, copies, cold, pooled, markup;
    // Every copy goes to a new file, as at a new game after the last one closed.
    auto removeCopies = [&] {
        for (const char* scratch : {"rules.db", "plain.db", "temp.db"})
            fs::remove(game / scratch);
    };
    for (int run = 0; run < options.Runs; ++run) {
        removeCopies();
        opening.push_back(Time([&] { TDataManager opened(folder); }));
        plainRules.push_back(Time([&] { RunPlainConversion(folder, (game / "rules.db").string(), rules); }));
        plainEngine.push_back(Time([&] { RunPlainConversion(folder, (game / "plain.db").string(), engine); }));
        copies.push_back(Time([&] { NewSessionCopy(folder); }));
    }
    removeCopies();

    for (int run = 0; run < options.Runs; ++run) {
        TBenchGame play(app.string());
        TSweep sweep;
        std::vector<TTiming> coldMoves, pooledMoves;
        int last = 0;
        for (int move = 0; move < options.Entries; ++move)
            coldMoves.push_back(Time([&] { last = sweep.Step(play); }));
        // Back and forth between the last two locations, both in the pool now.
        for (int move = 0; move < options.Entries; ++move) {
            last = Opposite(last);
            pooledMoves.push_back(Time([&] { play.Move(last); }));
        }
        cold.push_back(Median(coldMoves));
        pooled.push_back(Median(pooledMoves));
    }
    std::vector<TTiming> walks;
    TWalkFigures walk;
    for (int run = 0; run < options.Runs; ++run) {
        walk = Walk(app.string(), options.Moves);
        walks.push_back(walk.Time);
    }
    // In one game, once per run: a walk that fills the location pool, a quick save,
    // the session database copied the plain way, and the quick save loaded again.
    std::vector<TTiming> saves, plainCopies, loads;
    uintmax_t sessionBytes = 0;
    {
        TBenchGame play(app.string());
        TSweep sweep;
        const fs::path session = game / "temp.db";
        const fs::path copied = game / "copy.db";
        for (int run = 0; run < options.Runs; ++run) {
            for (int move = 0; move < TLocationManager::PoolSize; ++move)
                sweep.Step(play);
            saves.push_back(Time([&] { play.QuickSave(); }));
            sessionBytes = fs::file_size(session);
            fs::remove(copied);
            plainCopies.push_back(Time([&] { CopyAndSync(session.string(), copied.string()); }));
            fs::remove(copied);
            loads.push_back(Time([&] { play.QuickLoad(); }));
        }
    }
    const std::string text = Markup(options.MarkupKiB * 1024);
    for (int run = 0; run < options.Runs && !text.empty(); ++run) {
        TOutputPane pane;
        markup.push_back(Time([&] { AppendText(pane, text); }));
    }

    const TTiming copy = Median(copies);
    Row("opening the adventure", Median(opening));
    Row("new game, SQLite alone, the rules' statements", Median(plainRules));
    Row("new game, SQLite alone, the engine's statements", Median(plainEngine));
    Row("new game, engine", copy, Ratio(copy, Median(plainEngine), "SQLite alone"));
    Row("location entry, not pooled", Median(cold));
    Row("location entry, pooled", Median(pooled));
    char memory[160];
    std::snprintf(memory, sizeof memory, "heap in use %.1f MiB at the start, %.1f at the end, %.1f at the peak; "
                  "resident peak %.1f MiB", walk.HeapStartMiB, walk.HeapEndMiB, walk.HeapPeakMiB, walk.ResidentPeakMiB);
    Row("walk of " + std::to_string(options.Moves) + " moves", Median(walks), memory);
    char size[64];
    std::snprintf(size, sizeof size, "temp.db plain copy, %.1f MiB, fsync", sessionBytes / (1024.0 * 1024.0));
    const TTiming plainCopy = Median(plainCopies);
    Row(size, plainCopy);
    const TTiming save = Median(saves);
    Row("quick save, " + std::to_string(TLocationManager::PoolSize) + " locations pooled", save,
        Ratio(save, plainCopy, "the plain copy"));
    const TTiming load = Median(loads);
    Row("quick load", load, Ratio(load, plainCopy, "the plain copy"));
    if (!markup.empty())
        Row(std::to_string(options.MarkupKiB) + " KiB of styled markup shown", Median(markup));
}

// A folder the benchmark made for itself, removed however the run ends.
struct TScratchFolder {
    fs::path Path;
    ~TScratchFolder()
    {
        std::error_code error;
        if (!Path.empty())
            fs::remove_all(Path, error);
    }
};

} // namespace

int main(int argc, char** argv)
{
    try {
        const TBenchOptions options = ParseOptions(argc, argv);
        TScratchFolder scratch;
        fs::path app = options.Folder;
        if (app.empty()) {
            std::string pattern = (fs::temp_directory_path() / "vellumora-bench-XXXXXX").string();
            if (!mkdtemp(pattern.data()))
                throw std::runtime_error("no temporary folder can be made");
            app = scratch.Path = pattern;
        } else if (fs::exists(app / "Game" / "data.db")) {
            throw std::runtime_error((app / "Game" / "data.db").string() + " exists already");
        }
        Run(options, app);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "vellumora-bench: " << error.what() << '\n';
        return 1;
    } catch (const EScriptStop&) {
        // A box the benchmark has no answer for; the host has written its text to
        // standard error.
        return 1;
    }
}
