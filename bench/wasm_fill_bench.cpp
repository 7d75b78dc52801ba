// The fills of bench_fill.cpp timed without Google Benchmark, so that the same program runs
// natively and as WebAssembly under node; tools/bench-wasm.sh builds both and compares them.
//
//   wasm_fill_bench [--rounds N] [--batch-ms M] [board...]
//     Times every board (or the boards named) in N rounds (default 15); a round repeats the
//     board's presses for at least M milliseconds (default 10). One line per board:
//       name best_ns median_ns pixels presses hash
//     with the time of one repetition, the best round's and the median round's.
//   wasm_fill_bench --serve
//     First one line per board, "name pixels presses hash", then "ready". Then reads requests
//     "name repetitions", one a line, and answers each with the nanoseconds the repetitions
//     took. So a driver can take turns between builds batch by batch, and a machine that is busy
//     in bursts slows the builds it compares alike.
//
// A repetition presses once at each of the board's points, the colour changing every repetition
// so that each press paints its whole region again. The hash is of the board after the first
// repetition: equal hashes tell that the builds painted the same pixels.

#include "FillBoards.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options
{
    bool serve = false;
    int rounds = 15;
    double batchMs = 10;
    std::vector<std::string> boards;
};

[[noreturn]] void usage(const char *program)
{
    std::fprintf(stderr, "usage: %s [--rounds N] [--batch-ms M] [board...] | --serve\n", program);
    std::exit(2);
}

Options parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--serve") == 0)
            options.serve = true;
        else if (std::strcmp(argv[i], "--rounds") == 0 && hasValue)
            options.rounds = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--batch-ms") == 0 && hasValue)
            options.batchMs = std::max(0.1, std::atof(argv[++i]));
        else if (argv[i][0] == '-')
            usage(argv[0]);
        else
            options.boards.emplace_back(argv[i]);
    }
    return options;
}

// FNV-1a over the pixels.
std::uint64_t hashOf(const Raster &board)
{
    std::uint64_t hash = 14695981039346656037u;
    for (int y = 0; y < board.height(); ++y) {
        for (int x = 0; x < board.width(); ++x)
            hash = (hash ^ board.pixel(x, y)) * 1099511628211u;
    }
    return hash;
}

// A board being painted again and again.
class Painting
{
public:
    explicit Painting(const FillBoards::FillCase &fillCase)
        : m_case(fillCase)
        , m_board(fillCase.board)
    {
        m_painted = FillBoards::fillAll(m_board, m_case.seeds, FillBoards::fillColor(m_turn++));
        m_hash = hashOf(m_board);
    }

    const std::string &name() const { return m_case.name; }
    int painted() const { return m_painted; }
    std::size_t presses() const { return m_case.seeds.size(); }
    std::uint64_t hash() const { return m_hash; }

    // Nanoseconds for `repetitions` repetitions.
    double time(long repetitions)
    {
        const Clock::time_point start = Clock::now();
        int painted = 0;
        for (long i = 0; i < repetitions; ++i)
            painted += FillBoards::fillAll(m_board, m_case.seeds, FillBoards::fillColor(m_turn++));
        const double nanoseconds =
            std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        m_sink = m_sink + painted;
        return nanoseconds;
    }

private:
    const FillBoards::FillCase &m_case;
    Raster m_board;
    int m_turn = 0;
    int m_painted = 0;
    std::uint64_t m_hash = 0;
    // What the timed fills return ends here, so that no build can leave them out.
    volatile int m_sink = 0;
};

void timeBoard(Painting &painting, const Options &options)
{
    // Repetitions per round: doubled until a quarter of a round's time has passed (which also
    // warms up a just-in-time compiler), then four times that.
    long repetitions = 1;
    while (painting.time(repetitions) < options.batchMs * 1e6 / 4 && repetitions < (1L << 24))
        repetitions *= 2;
    repetitions *= 4;

    std::vector<double> perRepetition;
    for (int round = 0; round < options.rounds; ++round)
        perRepetition.push_back(painting.time(repetitions) / static_cast<double>(repetitions));
    std::sort(perRepetition.begin(), perRepetition.end());
    std::printf("%-16s %12.0f %12.0f %8d %4zu %016llx\n", painting.name().c_str(),
                perRepetition.front(), perRepetition[perRepetition.size() / 2], painting.painted(),
                painting.presses(), static_cast<unsigned long long>(painting.hash()));
    std::fflush(stdout);
}

int serve(std::vector<Painting> &paintings)
{
    for (const Painting &painting : paintings) {
        std::printf("%s %d %zu %016llx\n", painting.name().c_str(), painting.painted(),
                    painting.presses(), static_cast<unsigned long long>(painting.hash()));
    }
    std::printf("ready\n");
    std::fflush(stdout);
    char line[256];
    while (std::fgets(line, sizeof line, stdin)) {
        char name[128];
        long repetitions = 0;
        if (std::sscanf(line, "%127s %ld", name, &repetitions) != 2 || repetitions < 1) {
            std::fprintf(stderr, "bad request: %s", line);
            return 2;
        }
        const auto painting =
            std::find_if(paintings.begin(), paintings.end(),
                         [&name](const Painting &candidate) { return candidate.name() == name; });
        if (painting == paintings.end()) {
            std::fprintf(stderr, "no board %s\n", name);
            return 2;
        }
        std::printf("%.0f\n", painting->time(repetitions));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    const std::vector<FillBoards::FillCase> cases = FillBoards::fillCases();
    std::vector<Painting> paintings;
    for (const FillBoards::FillCase &fillCase : cases) {
        if (options.boards.empty() || std::find(options.boards.begin(), options.boards.end(),
                                                fillCase.name) != options.boards.end())
            paintings.emplace_back(fillCase);
    }
    if (options.serve)
        return serve(paintings);
    for (Painting &painting : paintings)
        timeBoard(painting, options);
    return 0;
}
