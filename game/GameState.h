#pragma once
// The values every part of the game shares for the whole run: options, progress, cards, money, help.

#include "CallCoverage.h"
#include "Table.h"

#include <cstdint>
#include <string>

namespace daubery {

using Card = Table<std::int32_t, 1000>;

struct GameState {
    // Options of the round, stored by the options dialog's Start.
    std::int16_t GameType = 0;
    std::string GameName;
    bool RandomPick = false;
    std::int16_t BoardCount = 0;
    std::int16_t PcPlayerCount = 0;
    std::int32_t CallInterval = 0;

    // Progress of the round.
    bool GameActive = false;
    bool Paused = false;
    std::int32_t CallElapsed = 0;
    Table<std::int32_t, 1000> CalledNumbers;
    Table<std::int16_t, 1000> CalledColumns;
    std::int32_t CalledCount = 0;
    std::int16_t RollStep = 0;
    std::int16_t BallFrame = 0;

    // Cards: cells 1..24 by cell index; the computer cards add the player 1..7 in front.
    Card Card1Numbers;
    Card Card2Numbers;
    Table<Card, 7> PcCardNumbers;

    // Money and score.
    std::int32_t Balance = 0;
    std::int32_t Jackpot = 0;
    std::int32_t JackpotLevel = 1;
    std::int32_t WinCount = 0;

    // Computer players' working counts and the record of their last win.
    Table<std::int16_t, 7> PcHitCounts;
    std::int32_t PcWinner = 0;
    Table<Table<std::int16_t, 24>, 7> PcWinCells;
    std::int16_t PcWinCellCount = 0;

    // Which squares of the cards the called numbers cover, kept as the calls come in; a record that
    // checks itself against the cards and the calls, so it holds no value of its own.
    mutable CallCoverage coverage;

    // Help viewer settings.
    std::int16_t HelpPage = 0;
    std::int16_t HelpOrigin = 0;
    std::int16_t HelpFromOptions = 0;
    Table<std::string, 20, 0> HelpTexts;
};

} // namespace daubery
