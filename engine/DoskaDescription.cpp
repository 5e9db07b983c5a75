#include "DoskaDescription.h"

#include <utility>

const MoveDescription DoskaDescription::Empty{};

SideDescription::SideDescription()
    : pcMove(nullptr), pcOpenFour(&DoskaDescription::Empty), pcFour(&DoskaDescription::Empty),
      pcFive(&DoskaDescription::Empty), pcDoubleFour(&DoskaDescription::Empty),
      pcFourThree(&DoskaDescription::Empty), pcDoubleThree(&DoskaDescription::Empty)
{
}

namespace
{

// Products and sums of the evaluation wrap as 32-bit integers do.
std::int32_t Wrap(std::int64_t v)
{
    return static_cast<std::int32_t>(v);
}

} // namespace

DoskaDescription::DoskaDescription(Pole &pole, std::int32_t znak, eSearchMode mode)
    : eMode(mode), iZnak(znak), myPole(pole)
{
    if (znak == FREE)
        throw xParam("DoskaDescription::DoskaDescription: Znak is FREE.");

    // The board keeps the sums and counts over its descriptions up to date;
    // the cells of each kind are the last members in list order. While
    // filling, `own` holds KREST's half and `opponent` NOL's; they are put in
    // the order of the side to move at the end.
    using S = DescriptionSummary;
    const S &sum = pole.Summary();
    TakeTotals(sum);
    const MoveDescription *list = pole.Descriptions().Data();
    SideDescription *halves[2] = {&own, &opponent};
    for (int view = 0; view < 2; ++view) {
        SideDescription &H = *halves[view];
        auto cell = [&](S::Category c, const MoveDescription *&out) {
            if (sum.iCount[view][c] > 0)
                out = list + sum.Last(view, c);
        };
        cell(S::Five, H.pcFive);
        cell(S::OpenFour, H.pcOpenFour);
        cell(S::Four, H.pcFour);
        cell(S::DoubleFour, H.pcDoubleFour);
        cell(S::FourThree, H.pcFourThree);
        cell(S::DoubleThree, H.pcDoubleThree);
    }

    const BoundedList<Move> &done = pole.DoneMoves();
    AprisePosition(own, opponent, done.GetCurSize() > 0 ? &done.Top() : nullptr);

    if (znak == NOL)
        std::swap(own, opponent);
}

DoskaDescription::DoskaDescription(Pole &pole, std::int32_t znak, eSearchMode mode,
                                   const DescriptionTotals &totals, const Move &last)
    : eMode(mode), iZnak(znak), myPole(pole)
{
    if (znak == FREE)
        throw xParam("DoskaDescription::DoskaDescription: Znak is FREE.");
    TakeTotals(totals);
    AprisePosition(own, opponent, &last);
    if (znak == NOL)
        std::swap(own, opponent);
}

void DoskaDescription::TakeTotals(const DescriptionTotals &totals)
{
    using S = DescriptionTotals;
    SideDescription *halves[2] = {&own, &opponent};
    for (int view = 0; view < 2; ++view) {
        SideDescription &H = *halves[view];
        const std::int32_t *count = totals.iCount[view];
        H.iStoneValueSum = totals.iStoneValueSum[view];
        H.iStoneBlockSum = totals.iStoneBlockSum[view];
        H.iFives = count[S::Five];
        H.iOpenFours = count[S::OpenFour];
        H.iFours = count[S::Four];
        H.iDoubleFours = count[S::DoubleFour];
        H.iFourThrees = count[S::FourThree];
        H.iDoubleThrees = count[S::DoubleThree];
        H.iThreeCells = count[S::ThreeOrBetter];
    }
}

const MoveDescription &DoskaDescription::MoveCell(const SideDescription &side) const
{
    if (side.pcMove != nullptr)
        return *side.pcMove;
    const MoveDescription *move = &Empty;
    const BoundedList<MoveDescription> &list = myPole.Descriptions();
    const MoveDescription *d = list.Data();
    const MoveDescription *end = d + list.GetCurSize();
    for (; d != end; ++d)
        if (d->iZnak == FREE && d->Total() > move->Total())
            move = d;
    return *move;
}

void DoskaDescription::AprisePosition(SideDescription &K, SideDescription &N, const Move *last)
{
    // Step 1: the outcome. Each rule is tried only when no earlier one applied.
    auto win = [](SideDescription &S, const MoveDescription *cell) {
        S.bWin = true;
        S.pcMove = cell;
    };
    if (K.iFives > 0 || N.iFives > 0) {
        if (K.iFives > 0)
            win(K, K.pcFive);
        else
            K.iStatus = ForcedMove::BlockFive;
        if (N.iFives > 0)
            win(N, N.pcFive);
        else
            N.iStatus = ForcedMove::BlockFive;
    } else if (K.iOpenFours > 0 || K.iDoubleFours > 0 || N.iOpenFours > 0 || N.iDoubleFours > 0) {
        auto decide = [&](SideDescription &S, const SideDescription &O) {
            if (S.iOpenFours > 0)
                win(S, S.pcOpenFour);
            else if (S.iDoubleFours > 0)
                win(S, S.pcDoubleFour);
            else
                S.iStatus =
                    O.iOpenFours > 0 ? ForcedMove::AnswerOpenFour : ForcedMove::AnswerDoubleFour;
        };
        decide(K, N);
        decide(N, K);
    } else if (K.iFourThrees > 0 || N.iFourThrees > 0) {
        auto decide = [&](SideDescription &S, SideDescription &O) {
            if (S.iFourThrees > 0) {
                O.iStatus = ForcedMove::AnswerFourThree;
                if (O.iFours == 0)
                    win(S, S.pcFourThree);
            }
        };
        decide(K, N);
        decide(N, K);
    } else {
        if (K.iDoubleThrees > 0 && N.iFours == 0)
            win(K, K.pcDoubleThree);
        if (N.iDoubleThrees > 0 && K.iFours == 0)
            win(N, N.pcDoubleThree);
    }

    // Step 2: the value of each half.
    const Coefficients &c = myPole.CurrentCoefficients();
    std::int32_t kValue = 0;
    std::int32_t nValue = 0;
    switch (myPole.PriceMode()) {
    case PriceStones:
        kValue =
            Wrap(std::int64_t(c.c[0]) * K.iStoneValueSum + std::int64_t(c.c[1]) * K.iStoneBlockSum -
                 std::int64_t(c.c[2]) * N.iStoneValueSum - std::int64_t(c.c[3]) * N.iStoneBlockSum);
        nValue =
            Wrap(std::int64_t(c.c[0]) * N.iStoneValueSum + std::int64_t(c.c[1]) * N.iStoneBlockSum -
                 std::int64_t(c.c[2]) * K.iStoneValueSum - std::int64_t(c.c[3]) * K.iStoneBlockSum);
        break;
    case PriceFreeCells: {
        // Only this evaluation reads the free cells' values, so their sums
        // are counted here rather than kept up to date by every move.
        const BoundedList<MoveDescription> &list = myPole.Descriptions();
        for (int i = 0; i < list.GetCurSize(); ++i)
            if (list[i].iZnak == FREE) {
                K.iFreeValueSum += list[i].side[0].iValueSum;
                N.iFreeValueSum += list[i].side[1].iValueSum;
            }
        kValue =
            Wrap(std::int64_t(c.e[0]) * K.iFreeValueSum - std::int64_t(c.e[1]) * N.iFreeValueSum);
        nValue =
            Wrap(std::int64_t(c.e[0]) * N.iFreeValueSum - std::int64_t(c.e[1]) * K.iFreeValueSum);
        break;
    }
    case PriceRunningSums: {
        const std::int32_t *s = myPole.RunningSums();
        kValue = Wrap(std::int64_t(c.c[0]) * s[0] + std::int64_t(c.c[1]) * s[1] -
                      std::int64_t(c.c[2]) * s[2] - std::int64_t(c.c[3]) * s[3]);
        nValue = Wrap(std::int64_t(c.c[0]) * s[2] + std::int64_t(c.c[1]) * s[3] -
                      std::int64_t(c.c[2]) * s[0] - std::int64_t(c.c[3]) * s[1]);
        break;
    }
    default:
        throw xParam("DoskaDescription::DoskaDescription : Unknown ePriceMode");
    }
    // Every value is seen from the side the search is for.
    const std::int32_t root = myPole.RootSide();
    std::int32_t value = root == KREST ? kValue : nValue;

    // Step 3: the initiative of the side to move.
    const SideDescription &M = iZnak == KREST ? K : N;
    bool initiative = M.iDoubleFours > 0 || M.iFourThrees > 0 || M.iOpenFours > 0 ||
                      (M.iStatus == ForcedMove::Nothing && M.iThreeCells > 0);
    if (myPole.PhaseFlag()) {
        if (iZnak != root)
            initiative = !initiative;
        if (initiative)
            value = Wrap(std::int64_t(value) + InitiativeBonus);
    } else {
        if (iZnak == root)
            initiative = !initiative;
        if (initiative)
            value = Wrap(std::int64_t(value) - InitiativeBonus);
    }

    // Step 4: with the root side's opponent to move, the position keeps the
    // value of the one in which the root side made its last move.
    if (iZnak != root && last != nullptr)
        value = last->iValue;

    K.iValue = value;
    N.iValue = value;
}
