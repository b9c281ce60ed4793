// How fast whole rounds play with no display: Regular Bingo against six computer players, measured
// three ways in turn, several times over, each run against the others of the same turn:
//   rules  - dealing, the draws and the computer players' checks alone, the baseline;
//   game   - the same kind of rounds through the game's windows on the virtual clock, from C++;
//   driver - the program daubery-headless playing those very rounds from a recorded script,
//            reading it from a file and writing its answers into a pipe.
#include "Measure.h"
#include "game/Caller.h"
#include "game/Dealing.h"
#include "game/Pcbingos.h"
#include "headless/HeadlessPlatform.h"
#include "ui/BngOptions.h"
#include "ui/Daubery.h"
#include "ui/Form1.h"
#include "ui/frmGamestatus.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>

using namespace daubery;

namespace {

constexpr int Rounds = 1000;
constexpr int Turns = 21;
constexpr std::int64_t RoundLength = 200000; // longer than any round: 77 calls of 2.525 s

struct Run {
    long long calls = 0;
    double seconds = 0;
};

Run rulesAlone() {
    const auto started = bench::Clock::now();
    GameState state;
    Random random([] { return std::uint64_t(0); });
    random.seed(1);
    state.PcPlayerCount = 6;
    state.GameType = 1;
    Run run;
    for (int round = 0; round < Rounds; ++round) {
        dealPlayerCards(state, random);
        DealPcCards(state, random);
        state.CalledCount = 0;
        while (DrawNextNumber(state, random) != NoNumberLeft) {
            ++run.calls;
            if (runComputerCheck(state)) break;
        }
    }
    run.seconds = bench::secondsSince(started);
    return run;
}

// Play, six computer players and Start, then each round: let it run to its end and press Try Again.
Run throughTheGame() {
    const auto started = bench::Clock::now();
    HeadlessPlatform platform;
    Daubery game(platform);
    Windows& windows = game.windows;
    platform.answerModal = [&](Form& options) {
        windows.userPick(options.control("cmbPlayers"), 5);
        windows.userClick(options.control("Command1"));
    };
    game.rnd.seed(1);
    game.start();
    windows.userClick(game.mainWindow().control("bngPlay"));
    Run run;
    for (int round = 0; round < Rounds; ++round) {
        const std::int64_t until = platform.clock + RoundLength;
        windows.runTimersUntil(until);
        platform.clock = until;
        run.calls += game.state.CalledCount;
        if (Form* outcome = windows.loaded(frmGamestatus::Name))
            windows.userClick(outcome->control("cmdTryagain"));
    }
    run.seconds = bench::secondsSince(started);
    return run;
}

std::string recordedScript() {
    std::string script = "start 1\nrespond pick cmbPlayers 5; click Command1\nclick Form1.bngPlay\n";
    for (int round = 0; round < Rounds; ++round)
        script += "advance " + std::to_string(RoundLength) +
                  "\nget state.CalledCount\nclick frmGamestatus.cmdTryagain\n";
    return script;
}

Run throughTheDriver(const std::string& scriptFile) {
    const auto started = bench::Clock::now();
    int answers[2];
    if (pipe(answers) != 0) return {};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, scriptFile.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&files, answers[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&files, answers[0]);
    char program[] = DAUBERY_HEADLESS;
    char* argv[] = {program, nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program, &files, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    close(answers[1]);
    Run run;
    if (spawned != 0) {
        close(answers[0]);
        return run;
    }
    // Every third answer after the first three is a round's call count.
    std::string text;
    char buffer[1 << 16];
    for (ssize_t n; (n = read(answers[0], buffer, sizeof buffer)) > 0;) text.append(buffer, std::size_t(n));
    close(answers[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.seconds = bench::secondsSince(started);
    int line = 0;
    for (std::size_t at = 0; at < text.size(); ++line) {
        const std::size_t end = text.find('\n', at);
        if (line >= 3 && (line - 3) % 3 == 1 && text.compare(at, 3, "ok ") == 0)
            run.calls += std::atoll(text.c_str() + at + 3);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return run;
}

// The instructions one way executes per call, counted by valgrind's callgrind inside that way's own
// function only: a count that, unlike time, does not move with the machine. -1 without valgrind.
double instructionsPerCall(const std::string& way) {
    const std::string function = way == "rules" ? "*rulesAlone*" : "*throughTheGame*";
    const std::string command =
        "valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect='" + function +
        "' /proc/" + std::to_string(getpid()) + "/exe " + way + " 2>&1";
    FILE* output = popen(command.c_str(), "r");
    if (!output) return -1;
    long long instructions = -1, calls = -1;
    char line[512];
    while (std::fgets(line, sizeof line, output)) {
        const std::string text = line;
        if (const auto at = text.find("Collected : "); at != std::string::npos)
            instructions = std::atoll(text.c_str() + at + 12);
        if (text.rfind(way + ": ", 0) == 0) calls = std::atoll(text.c_str() + way.size() + 2);
    }
    if (pclose(output) != 0 || instructions <= 0 || calls <= 0) return -1;
    return double(instructions) / double(calls);
}

} // namespace

int main(int argc, char** argv) {
    bench::limitTime(300);
    bench::stayOnOneProcessor();
    const std::string scriptFile = "/tmp/daubery-bench-script-" + std::to_string(getpid()) + ".txt";
    std::ofstream(scriptFile) << recordedScript();

    // One way alone, once, to look at it with a profiler: rules, game or driver.
    if (argc == 2) {
        const std::string way = argv[1];
        const Run run = way == "rules"  ? rulesAlone()
                        : way == "game" ? throughTheGame()
                                        : throughTheDriver(scriptFile);
        std::remove(scriptFile.c_str());
        std::printf("%s: %lld calls in %.5f s\n", way.c_str(), run.calls, run.seconds);
        return 0;
    }

    std::vector<double> gameRoundsPerSecond, rulesRoundsPerSecond, perCall, driverOverGame;
    const auto started = bench::Clock::now();
    for (int turn = 0; turn < Turns && bench::secondsSince(started) < 120; ++turn) {
        // Each turn in a different order, so that no way always runs first or last.
        Run rules, game, driver;
        for (int k = 0; k < 3; ++k) {
            switch ((turn + k) % 3) {
            case 0:
                rules = rulesAlone();
                break;
            case 1:
                game = throughTheGame();
                break;
            case 2:
                driver = throughTheDriver(scriptFile);
                break;
            }
        }
        if (driver.calls != game.calls) {
            std::printf("the driver played %lld calls, the game %lld: not the same rounds\n", driver.calls,
                        game.calls);
            std::remove(scriptFile.c_str());
            return 1;
        }
        rulesRoundsPerSecond.push_back(Rounds / rules.seconds);
        gameRoundsPerSecond.push_back(Rounds / game.seconds);
        perCall.push_back((game.seconds / double(game.calls)) / (rules.seconds / double(rules.calls)));
        driverOverGame.push_back(driver.seconds / game.seconds);
    }
    std::remove(scriptFile.c_str());
    std::printf("%d rounds of Regular Bingo against six computer players, each way, each run\n", Rounds);
    bench::print("rules alone, rounds per second:", rulesRoundsPerSecond, "%.0f");
    bench::print("through the windows, rounds per second:", gameRoundsPerSecond, "%.0f");
    bench::print("windows / rules, time per call:", perCall);
    bench::print("driver over the script / C++, same rounds:", driverOverGame);
    // The same per-call comparison in instructions, when valgrind is at hand.
    const double rulesInstructions = instructionsPerCall("rules");
    const double gameInstructions = instructionsPerCall("game");
    if (rulesInstructions > 0 && gameInstructions > 0)
        std::printf("%-44s %.2f  (%.0f against %.0f a call)\n",
                    "windows / rules, instructions per call:", gameInstructions / rulesInstructions,
                    gameInstructions, rulesInstructions);
    else
        std::printf("windows / rules, instructions per call:     not counted (no valgrind)\n");
    return 0;
}
