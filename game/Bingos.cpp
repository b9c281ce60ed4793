#include "Bingos.h"

#include "Coverage.h"
#include "Patterns.h"

#include <array>
#include <charconv>

namespace daubery {

namespace {

bool completeOn(const GameState& state, const Card& card, const CellSet& set) {
    return coveredSquares(state, card, set, state.CalledCount) == set.size();
}

bool completeInPlay(const GameState& state, const CellSet& set) {
    return completeOn(state, state.Card1Numbers, set) ||
           (state.BoardCount == 2 && completeOn(state, state.Card2Numbers, set));
}

// Types won by any one of their sets, tried in the catalogue's order.
int checkSets(const GameState& state, int type) {
    for (const CellSet* set : gameType(type).sets)
        if (completeInPlay(state, *set)) return Bingo;
    return NoBingo;
}

int checkType(const GameState& state, int type) {
    switch (type) {
    case game_type::Regular:
    case game_type::FourCorners:
    case game_type::CoverAll:
    case game_type::PostageStamp:
        return checkSets(state, type);
    case game_type::BigDiamond:
        return CheckBigDiamond(state);
    case game_type::SmallDiamond:
        return CheckSmallDiamond(state);
    case game_type::Kite:
        return CheckKite(state);
    case game_type::BigFrame:
        return CheckBigFrame(state);
    case game_type::LittleFrame:
        return CheckLittleFrame(state);
    case game_type::Railroad:
        return CheckRailroad(state);
    case game_type::AnyBingo:
        return CheckAnyBingo(state);
    default:
        return NoBingo;
    }
}

constexpr std::array<std::string_view, 6> kPlayerNames{"Bingo Ben",    "Dots Dot",       "Money Marcy",
                                                       "Jackpot John", "Numbers Nathan", "Winning Wanda"};

} // namespace

int CheckPlayerBingo(const GameState& state) {
    return checkType(state, state.GameType);
}

int CheckBigDiamond(const GameState& state) {
    return checkSets(state, game_type::BigDiamond);
}
int CheckSmallDiamond(const GameState& state) {
    return checkSets(state, game_type::SmallDiamond);
}
int CheckBigFrame(const GameState& state) {
    return checkSets(state, game_type::BigFrame);
}
int CheckLittleFrame(const GameState& state) {
    return checkSets(state, game_type::LittleFrame);
}
int CheckRailroad(const GameState& state) {
    return checkSets(state, game_type::Railroad);
}

int CheckKite(const GameState& state) {
    // The first complete diagonal decides which stamps count; the other diagonal is never tried after it.
    for (const KiteArm& arm : kiteArms()) {
        if (!completeInPlay(state, *arm.diagonal)) continue;
        for (const CellSet* stamp : arm.stamps)
            if (completeInPlay(state, *stamp)) return Bingo;
        return NoBingo;
    }
    return NoBingo;
}

int CheckAnyBingo(const GameState& state) {
    for (int type = game_type::Regular; type <= game_type::Railroad; ++type)
        if (checkType(state, type) == Bingo) return Bingo;
    return NoBingo;
}

std::string PcPlayerName(int player) {
    if (player < 1 || player > int(kPlayerNames.size())) return {};
    return std::string(kPlayerNames[std::size_t(player - 1)]);
}

std::string PcPlayerName(std::string_view player) {
    int number = 0;
    const char* end = player.data() + player.size();
    const auto [stop, error] = std::from_chars(player.data(), end, number);
    if (player.empty() || error != std::errc() || stop != end) return {};
    return PcPlayerName(number);
}

std::string PcPlayerName(char player) {
    return PcPlayerName(std::string_view(&player, 1));
}

std::string renamedComputerWinStatus(std::string_view status) {
    constexpr std::size_t digitAt = 21; // character 22: after "The Computer Player #"
    constexpr std::size_t keptFrom = 4; // the text from character 5 ...
    constexpr std::size_t commaAt = 18; // ... whose character 19 follows the player's number
    const std::string name = status.size() > digitAt ? PcPlayerName(status[digitAt]) : std::string();
    std::string rest = status.size() > keptFrom + 1 ? std::string(status.substr(keptFrom, status.size() - 5))
                                                    : std::string();
    if (rest.size() > commaAt) rest[commaAt] = ',';
    return name + ", " + rest;
}

} // namespace daubery
