#include "Bingos.h"

#include "Coverage.h"
#include "Patterns.h"

#include <array>
#include <charconv>

namespace daubery {

namespace {

// The squares the called numbers cover on the player's cards, found once for a claim.
struct Claim {
    const GameState& state;
    std::uint32_t card1, card2;
    explicit Claim(const GameState& s)
        : state(s), card1(coveredCells(s, s.Card1Numbers, s.CalledCount)),
          card2(s.BoardCount == 2 ? coveredCells(s, s.Card2Numbers, s.CalledCount) : 0) {}

    // Complete on card 1, or on card 2 when two cards are in play; the free space is always covered.
    bool completeInPlay(const CellSet& set) const {
        const std::uint32_t cells = cellMask(set);
        return (card1 & cells) == cells || (state.BoardCount == 2 && (card2 & cells) == cells);
    }
};

// Types won by any one of their sets, tried in the catalogue's order.
int checkSets(const Claim& claim, int type) {
    for (const CellSet* set : gameType(type).sets)
        if (claim.completeInPlay(*set)) return Bingo;
    return NoBingo;
}

int checkKite(const Claim& claim) {
    // The first complete diagonal decides which stamps count; the other diagonal is never tried after it.
    for (const KiteArm& arm : kiteArms()) {
        if (!claim.completeInPlay(*arm.diagonal)) continue;
        for (const CellSet* stamp : arm.stamps)
            if (claim.completeInPlay(*stamp)) return Bingo;
        return NoBingo;
    }
    return NoBingo;
}

int checkType(const Claim& claim, int type) {
    switch (type) {
    case game_type::Regular:
    case game_type::FourCorners:
    case game_type::CoverAll:
    case game_type::PostageStamp:
    case game_type::BigDiamond:
    case game_type::SmallDiamond:
    case game_type::BigFrame:
    case game_type::LittleFrame:
    case game_type::Railroad:
        return checkSets(claim, type);
    case game_type::Kite:
        return checkKite(claim);
    case game_type::AnyBingo:
        for (int t = game_type::Regular; t <= game_type::Railroad; ++t)
            if (checkType(claim, t) == Bingo) return Bingo;
        return NoBingo;
    default:
        return NoBingo;
    }
}

constexpr std::array<std::string_view, 6> kPlayerNames{"Bingo Ben",    "Dots Dot",       "Money Marcy",
                                                       "Jackpot John", "Numbers Nathan", "Winning Wanda"};

} // namespace

int CheckPlayerBingo(const GameState& state) {
    return checkType(Claim(state), state.GameType);
}

int CheckBigDiamond(const GameState& state) {
    return checkType(Claim(state), game_type::BigDiamond);
}
int CheckSmallDiamond(const GameState& state) {
    return checkType(Claim(state), game_type::SmallDiamond);
}
int CheckBigFrame(const GameState& state) {
    return checkType(Claim(state), game_type::BigFrame);
}
int CheckLittleFrame(const GameState& state) {
    return checkType(Claim(state), game_type::LittleFrame);
}
int CheckRailroad(const GameState& state) {
    return checkType(Claim(state), game_type::Railroad);
}
int CheckKite(const GameState& state) {
    return checkType(Claim(state), game_type::Kite);
}
int CheckAnyBingo(const GameState& state) {
    return checkType(Claim(state), game_type::AnyBingo);
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
