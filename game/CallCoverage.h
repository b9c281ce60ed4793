#pragma once
// Which squares of each card the called numbers cover, as masks over the 24 cells (bit c - 1 for
// cell c), kept call by call: every new call adds its square, once, to each card's record. The
// record checks itself against the cards and the called list before it answers, so a card dealt
// anew or a called list rewritten is simply counted again from the first difference.

#include <array>
#include <cstdint>

namespace daubery {

class CallCoverage {
public:
    // The cards the record keeps: the player's two, then the computer players' 1..7.
    static constexpr int Cards = 9;
    // Calls whose masks are kept; later positions, which play never fills, are counted when asked.
    static constexpr int KeptCalls = 76;

    // The cells of a card (numbers by cell 1..24) covered by the calls at positions 1..lastCall of
    // the called list (read from position 1). Numbers outside 1..75 cover nothing.
    template <typename Card, typename Calls>
    std::uint32_t covered(int card, const Card& numbers, const Calls& calls, int lastCall);

private:
    struct Record {
        std::array<std::int32_t, 24> numbers{};           // the card as last counted
        std::array<std::uint32_t, 76> cellsOf{};          // by number 1..75, the card's cells holding it
        std::array<std::uint32_t, KeptCalls + 1> after{}; // covered after calls 0..KeptCalls
        int counted = 0;                                  // calls counted into after
        bool dealt = false;
    };
    static std::uint32_t cellsOfNumber(const Record& record, std::int32_t number) {
        return number >= 1 && number <= 75 ? record.cellsOf[std::size_t(number)] : 0;
    }

    std::array<std::int32_t, KeptCalls + 1> calls_{}; // the called list as last counted, from position 1
    int knownCalls_ = 0;                              // how many of its positions hold it
    std::array<Record, Cards> records_{};
};

template <typename Card, typename Calls>
std::uint32_t CallCoverage::covered(int card, const Card& numbers, const Calls& calls, int lastCall) {
    if (lastCall < 0) lastCall = 0;
    const int kept = lastCall < KeptCalls ? lastCall : KeptCalls;

    // The called list: from the first call that differs from the one counted, every card counts again.
    const int known = knownCalls_ < kept ? knownCalls_ : kept;
    int same = 0;
    while (same < known && calls_[std::size_t(same + 1)] == calls[same + 1]) ++same;
    if (same < known) {
        for (Record& record : records_)
            if (record.counted > same) record.counted = same;
        knownCalls_ = same;
    }
    for (int k = knownCalls_ + 1; k <= kept; ++k) calls_[std::size_t(k)] = calls[k];
    if (knownCalls_ < kept) knownCalls_ = kept;

    Record& record = records_[std::size_t(card)];
    bool sameCard = record.dealt;
    for (int cell = 1; cell <= 24 && sameCard; ++cell)
        sameCard = record.numbers[std::size_t(cell - 1)] == numbers[cell];
    if (!sameCard) {
        record.cellsOf.fill(0);
        record.counted = 0;
        record.dealt = true;
        for (int cell = 1; cell <= 24; ++cell) {
            const std::int32_t number = numbers[cell];
            record.numbers[std::size_t(cell - 1)] = number;
            if (number >= 1 && number <= 75) record.cellsOf[std::size_t(number)] |= 1u << (cell - 1);
        }
    }
    for (int k = record.counted + 1; k <= kept; ++k)
        record.after[std::size_t(k)] =
            record.after[std::size_t(k - 1)] | cellsOfNumber(record, calls_[std::size_t(k)]);
    if (record.counted < kept) record.counted = kept;

    std::uint32_t cells = record.after[std::size_t(kept)];
    for (int k = KeptCalls + 1; k <= lastCall; ++k) cells |= cellsOfNumber(record, calls[k]);
    return cells;
}

} // namespace daubery
