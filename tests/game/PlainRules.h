#pragma once
// The winning patterns stated plainly from the card's geometry, without the game's catalogue, so
// that the tests compare the checks against an independent statement of the rules.

#include "game/GameState.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace plain {

// A square by column (1 = B .. 5 = O) and row (1 = top .. 5); N3 is the free space.
struct Square {
    int column;
    int row;
};
using Pattern = std::vector<Square>;

inline bool isFree(Square s) {
    return s.column == 3 && s.row == 3;
}

// Squares are numbered column by column, top row first, the free space left out.
inline int cellOf(Square s) {
    if (isFree(s)) return 0;
    const int afterFree = s.column > 3 || (s.column == 3 && s.row > 3) ? 1 : 0;
    return (s.column - 1) * 5 + s.row - afterFree;
}

inline Square squareOf(int cell) {
    for (int column = 1; column <= 5; ++column)
        for (int row = 1; row <= 5; ++row)
            if (cellOf({column, row}) == cell && !isFree({column, row})) return {column, row};
    std::abort();
}

// The squares of the card that satisfy a rule, column by column, top row first.
inline Pattern where(const std::function<bool(int column, int row)>& rule) {
    Pattern squares;
    for (int column = 1; column <= 5; ++column)
        for (int row = 1; row <= 5; ++row)
            if (rule(column, row)) squares.push_back({column, row});
    return squares;
}

inline int distance(int a) {
    return std::abs(a - 3);
}

inline Pattern mainDiagonal() {
    return where([](int c, int r) { return c == r; });
}
inline Pattern antiDiagonal() {
    return where([](int c, int r) { return c + r == 6; });
}
// The two-by-two stamp in a corner of the card.
enum Corner { TopLeft, BottomLeft, TopRight, BottomRight };
inline Pattern stamp(Corner corner) {
    const bool right = corner == TopRight || corner == BottomRight,
               bottom = corner == BottomLeft || corner == BottomRight;
    return where([=](int c, int r) { return (right ? c >= 4 : c <= 2) && (bottom ? r >= 4 : r <= 2); });
}

// Every column, then every row, then the two diagonals.
inline std::vector<Pattern> lines() {
    std::vector<Pattern> all;
    for (int k = 1; k <= 5; ++k) all.push_back(where([k](int c, int) { return c == k; }));
    for (int k = 1; k <= 5; ++k) all.push_back(where([k](int, int r) { return r == k; }));
    all.push_back(mainDiagonal());
    all.push_back(antiDiagonal());
    return all;
}

// The ways to win game types 1..10 except the kite (7), each in the order they are tried.
inline std::vector<Pattern> alternatives(int type) {
    if (type == 1) return lines();
    if (type == 2) return {where([](int c, int r) { return (c == 1 || c == 5) && (r == 1 || r == 5); })};
    if (type == 3) return {where([](int c, int r) { return !isFree({c, r}); })};
    if (type == 4) return {stamp(TopLeft), stamp(BottomLeft), stamp(TopRight), stamp(BottomRight)};
    if (type == 5) {
        // The diamond's four points, then the four squares between them.
        Pattern diamond =
            where([](int c, int r) { return distance(c) + distance(r) == 2 && (c == 3 || r == 3); });
        for (Square s : where([](int c, int r) { return distance(c) == 1 && distance(r) == 1; }))
            diamond.push_back(s);
        return {diamond};
    }
    if (type == 6) return {where([](int c, int r) { return distance(c) + distance(r) == 1; })};
    if (type == 8) return {where([](int c, int r) { return c == 1 || c == 5 || r == 1 || r == 5; })};
    if (type == 9) return {where([](int c, int r) { return std::max(distance(c), distance(r)) == 1; })};
    if (type == 10) return {where([](int c, int) { return c == 1 || c == 5; })};
    return {};
}

struct KiteArm {
    Pattern diagonal;
    std::vector<Pattern> stamps;
};
inline std::vector<KiteArm> kiteArms() {
    return {{mainDiagonal(), {stamp(TopLeft), stamp(BottomRight)}},
            {antiDiagonal(), {stamp(BottomLeft), stamp(TopRight)}}};
}

inline std::vector<int> numberedCells(const Pattern& pattern) {
    std::vector<int> cells;
    for (Square s : pattern)
        if (!isFree(s)) cells.push_back(cellOf(s));
    return cells;
}

inline bool called(const daubery::GameState& state, int number, int lastCall) {
    for (int k = 1; k <= lastCall; ++k)
        if (state.CalledNumbers[k] == number) return true;
    return false;
}

// Every square covered: the free space, or a number among calls 1..lastCall.
inline bool complete(const daubery::GameState& state, const daubery::Card& card, const Pattern& pattern,
                     int lastCall) {
    for (Square s : pattern)
        if (!isFree(s) && !called(state, card[cellOf(s)], lastCall)) return false;
    return true;
}

// The player: every called number counts, on card 1 and, with two boards, on card 2. A kite needs
// the first diagonal complete on a card in play and a stamp at one of its ends complete on a card
// in play. Any Bingo is any of the ten patterns.
inline bool playerWins(const daubery::GameState& state, int type) {
    const auto inPlay = [&](const Pattern& p) {
        return complete(state, state.Card1Numbers, p, state.CalledCount) ||
               (state.BoardCount == 2 && complete(state, state.Card2Numbers, p, state.CalledCount));
    };
    if (type == 11) {
        for (int t = 1; t <= 10; ++t)
            if (playerWins(state, t)) return true;
        return false;
    }
    if (type == 7) {
        for (const KiteArm& arm : kiteArms())
            if (inPlay(arm.diagonal)) return inPlay(arm.stamps[0]) || inPlay(arm.stamps[1]);
        return false;
    }
    for (const Pattern& p : alternatives(type))
        if (inPlay(p)) return true;
    return false;
}

struct Win {
    int player = 0; // 0: nobody
    std::vector<int> cells;
};

// The computer players see every call but the newest. The first way to win (in trial order) that
// some player has complete decides, and the lowest such player wins it. The kite's only candidate
// is the lowest player with the main diagonal complete, else with the anti-diagonal; it needs a
// stamp at that diagonal's end on its own card. Any Bingo: the first of types 1..10 with a winner.
inline Win computerWinner(const daubery::GameState& state, int type) {
    const int lastCall = state.CalledCount - 1;
    const auto lowestComplete = [&](const Pattern& p) {
        for (int player = 1; player <= state.PcPlayerCount; ++player)
            if (complete(state, state.PcCardNumbers[player], p, lastCall)) return player;
        return 0;
    };
    if (type == 11) {
        for (int t = 1; t <= 10; ++t)
            if (Win win = computerWinner(state, t); win.player != 0) return win;
        return {};
    }
    if (type == 7) {
        for (const KiteArm& arm : kiteArms()) {
            const int candidate = lowestComplete(arm.diagonal);
            if (candidate == 0) continue;
            for (const Pattern& stamp : arm.stamps) {
                if (!complete(state, state.PcCardNumbers[candidate], stamp, lastCall)) continue;
                std::vector<int> cells = numberedCells(arm.diagonal);
                for (int cell : numberedCells(stamp)) cells.push_back(cell);
                return {candidate, cells};
            }
            return {};
        }
        return {};
    }
    for (const Pattern& p : alternatives(type))
        if (const int player = lowestComplete(p); player != 0) return {player, numberedCells(p)};
    return {};
}

} // namespace plain
