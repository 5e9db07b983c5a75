#pragma once

// A summary of a board for one side to move: each side's threats, what the
// side to move is forced to answer, sure wins and the value of the position.
// The search builds one at every node, so it is read from the totals the
// board keeps rather than counted cell by cell.

#include "Pole.h"

#include <cstdint>

// What the side to move is forced to answer, decided from the threats on
// the board in the order of the values: a five of the other side comes
// first, then its open four, then a double four, then a four-three.
enum class ForcedMove : std::int32_t {
    Nothing = 0,          // free to choose
    AnswerOpenFour = 1,   // the other side has an open four
    BlockFive = 2,        // the other side has a five to complete
    AnswerDoubleFour = 3, // the other side has two fours at once
    AnswerFourThree = 4,  // the other side has a four and an open three at once
};

struct SideDescription {
    const MoveDescription *pcMove; // the winning cell once bWin is set; see MoveCell
    const MoveDescription *pcOpenFour;
    const MoveDescription *pcFour;
    const MoveDescription *pcFive;
    const MoveDescription *pcDoubleFour;
    const MoveDescription *pcFourThree;
    const MoveDescription *pcDoubleThree;
    std::int32_t iFreeValueSum = 0;
    std::int32_t iValue = 0;
    std::int32_t iStoneValueSum = 0;
    std::int32_t iStoneBlockSum = 0;
    ForcedMove iStatus = ForcedMove::Nothing;
    std::int32_t iOpenFours = 0;
    std::int32_t iFours = 0;
    std::int32_t iFives = 0;
    std::int32_t iDoubleFours = 0;
    std::int32_t iFourThrees = 0;
    std::int32_t iDoubleThrees = 0;
    std::int32_t iThreeCells = 0; // free cells where the side would have a three or better
    bool bWin = false;

    SideDescription();
};

class DoskaDescription
{
  public:
    DoskaDescription(Pole &pole, std::int32_t iZnak, eSearchMode mode);
    // The summary of a position the board is not in, from the totals it would
    // have and its last move. It knows no cells: every cell pointer stays at
    // Empty, so it serves a node that needs only the outcome and the value.
    DoskaDescription(Pole &pole, std::int32_t iZnak, eSearchMode mode,
                     const DescriptionTotals &totals, const Move &last);

    std::int32_t CalcPower(const MoveDescription &d) const;
    // The cell a side falls back on: its winning cell, else the free cell with
    // the highest total, the first such in list order (the empty description
    // when every total is 0). Looked up on demand: most nodes never need it.
    const MoveDescription &MoveCell(const SideDescription &side) const;
    void GenerateMoves(std::int32_t depth, bool all);
    // GenerateMoves with `all` false, but putting every free described cell
    // through the filter instead of only the category sets' members: what
    // the sets have to stand in for. For the tests.
    void GenerateMovesByScan(std::int32_t depth);

    eSearchMode eMode;
    std::int32_t iZnak;
    Pole &myPole;
    SideDescription own;      // the side to move
    SideDescription opponent; // the other side

    // The description that stands for "no cell found": (0, 0), all zero.
    static const MoveDescription Empty;

  private:
    void TakeTotals(const DescriptionTotals &totals);
    void AprisePosition(SideDescription &k, SideDescription &n, const Move *last);
    bool Accepts(const MoveDescription &e, std::int32_t depth) const;
    bool OpenFourAnswer(const MoveDescription &e) const;
};
