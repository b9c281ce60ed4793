#include "Pcbingos.h"

#include "Coverage.h"
#include "Patterns.h"

#include <array>
#include <initializer_list>

namespace daubery {

namespace {

int lastCountedCall(const GameState& state) {
    return state.CalledCount - 1;
}

void zeroCounts(GameState& state) {
    for (int player = 1; player <= opponentCount(state); ++player) state.PcHitCounts[player] = 0;
}

// The squares covered on every computer card, found once for a check.
struct Cards {
    std::array<std::uint32_t, 8> covered{};
    explicit Cards(const GameState& state) {
        for (int player = 1; player <= opponentCount(state); ++player)
            covered[std::size_t(player)] =
                coveredCells(state, state.PcCardNumbers[player], lastCountedCall(state));
    }
};

void addCount(GameState& state, const Cards& cards, int player, const CellSet& set) {
    const int covered =
        cellCount(cards.covered[std::size_t(player)] & cellMask(set)) + (set.hasFreeSpace() ? 1 : 0);
    state.PcHitCounts[player] = std::int16_t(state.PcHitCounts[player] + covered);
}

// Counts the set on every card and returns the lowest player whose count reaches the set's size, or 0.
int countAndCompare(GameState& state, const Cards& cards, const CellSet& set) {
    for (int player = 1; player <= opponentCount(state); ++player) addCount(state, cards, player, set);
    for (int player = 1; player <= opponentCount(state); ++player)
        if (state.PcHitCounts[player] == set.size()) return player;
    return 0;
}

bool recordWin(GameState& state, int player, std::initializer_list<const CellSet*> sets) {
    auto& slots = state.PcWinCells[player];
    int filled = 0;
    for (const CellSet* set : sets)
        for (int cell : set->numberedCells())
            if (slots.holds(filled + 1)) slots[++filled] = std::int16_t(cell);
    state.PcWinner = player;
    state.PcWinCellCount = std::int16_t(filled);
    return true;
}

bool checkSets(GameState& state, int type) {
    const Cards cards(state);
    const auto& sets = gameType(type).sets;
    for (const CellSet* set : sets) {
        if (sets.size() > 1) zeroCounts(state);
        if (const int winner = countAndCompare(state, cards, *set)) return recordWin(state, winner, {set});
    }
    return false;
}

using Check = bool (*)(GameState&);
constexpr std::array<Check, 11> kChecks{
    CheckPcRegular,     CheckPcFourCorners,  CheckPcCoverAll, CheckPcPostageStamp,
    CheckPcBigDiamond,  CheckPcSmallDiamond, CheckPcKite,     CheckPcBigFrame,
    CheckPcLittleFrame, CheckPcRailroad,     CheckPcAnyBingo,
};

bool checkType(GameState& state, int type) {
    if (type < 1 || type > int(kChecks.size())) return false;
    return kChecks[std::size_t(type - 1)](state);
}

} // namespace

bool CheckPcRegular(GameState& state) {
    return checkSets(state, game_type::Regular);
}
bool CheckPcFourCorners(GameState& state) {
    return checkSets(state, game_type::FourCorners);
}
bool CheckPcCoverAll(GameState& state) {
    return checkSets(state, game_type::CoverAll);
}
bool CheckPcPostageStamp(GameState& state) {
    return checkSets(state, game_type::PostageStamp);
}
bool CheckPcBigDiamond(GameState& state) {
    return checkSets(state, game_type::BigDiamond);
}
bool CheckPcSmallDiamond(GameState& state) {
    return checkSets(state, game_type::SmallDiamond);
}
bool CheckPcBigFrame(GameState& state) {
    return checkSets(state, game_type::BigFrame);
}
bool CheckPcLittleFrame(GameState& state) {
    return checkSets(state, game_type::LittleFrame);
}
bool CheckPcRailroad(GameState& state) {
    return checkSets(state, game_type::Railroad);
}

bool CheckPcKite(GameState& state) {
    const Cards cards(state);
    for (const KiteArm& arm : kiteArms()) {
        zeroCounts(state);
        const int candidate = countAndCompare(state, cards, *arm.diagonal);
        if (candidate == 0) continue;
        for (const CellSet* stamp : arm.stamps) {
            state.PcHitCounts[candidate] = 0;
            addCount(state, cards, candidate, *stamp);
            if (state.PcHitCounts[candidate] == stamp->size())
                return recordWin(state, candidate, {arm.diagonal, stamp});
        }
        return false;
    }
    return false;
}

bool CheckPcAnyBingo(GameState& state) {
    for (int type = game_type::Regular; type <= game_type::Railroad; ++type) {
        zeroCounts(state);
        state.PcWinCellCount = 0;
        if (checkType(state, type)) return true;
    }
    return false;
}

bool runComputerCheck(GameState& state) {
    zeroCounts(state);
    return checkType(state, state.GameType);
}

} // namespace daubery
