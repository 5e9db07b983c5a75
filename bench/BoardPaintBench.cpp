// How long the board window takes to repaint with 200 stones on it: the
// board picture, 200 signs, the last move and the copy to the window.
// The board repaints on every document update and on every mouse move while
// a button is held, so a repaint has to stay well inside one frame.
// Target: a median under 2 ms.
//
// Usage: board_paint_bench [repaints]   (default 500; QT_SCALE_FACTOR=2 for
// a high-density screen)

#include "DivuzApplication.h"
#include "DivuzDoc.h"
#include "DivuzViewBase.h"
#include "PoleWnd.h"
#include "StandInApplication.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{

constexpr int Stones = 200;

class BenchView : public CDivuzViewBase, public IDivuzView
{
  public:
    BenchView() { myDoc.AddView(this); }
    ~BenchView() override { myDoc.RemoveView(this); }
    CDivuzDoc *GetDocument() const override { return &myDoc; }
    void OnUpdate() override { myDoc.ClearSoundEvent(); }

    mutable CDivuzDoc myDoc;
};

DataDivuzDoc Data(const CDivuzDoc &doc)
{
    DataDivuzDoc d;
    doc.GetData(d);
    return d;
}

bool Settle(const CDivuzDoc &doc)
{
    QElapsedTimer timer;
    timer.start();
    while (Data(doc).IsThinking) {
        QCoreApplication::processEvents();
        if (timer.elapsed() > 20000)
            return false;
        QThread::usleep(50);
    }
    return true;
}

// Sets up 200 stones in edit mode, row by row. The sign follows
// (x + 2y) mod 4, so no line ever holds more than two equal signs in a row
// and the game cannot end on the way.
bool FillBoard(CDivuzDoc &doc)
{
    doc.OnGameEditmode();
    const std::int32_t player = Data(doc).PlayerSign;
    for (int cell = 0; cell < Stones; ++cell) {
        const int x = cell % BoardSize, y = cell / BoardSize;
        const std::int32_t sign = (x + 2 * y) % 4 < 2 ? player : Opponent(player);
        doc.OnMakeMove(Place{x, y, sign});
        if (!Settle(doc))
            return false;
    }
    return Data(doc).UndoRedoMoves.GetCurSize() == Stones + 1;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;

    StandInApplication app;
    BenchView view;
    PoleWnd pole;
    if (!pole.MyCreate(&view) || !view.myDoc.OnNewDocument() || !Settle(view.myDoc) ||
        !FillBoard(view.myDoc)) {
        std::fprintf(stderr, "board_paint_bench: could not set up %d stones\n", Stones);
        return 1;
    }
    view.show();

    const qreal dpr = pole.devicePixelRatioF();
    QPixmap target(pole.size() * dpr);
    target.setDevicePixelRatio(dpr);
    pole.render(&target); // the pictures are drawn once per density, then shared

    std::vector<double> ms;
    ms.reserve(repaints);
    QElapsedTimer timer;
    for (int i = 0; i < repaints; ++i) {
        timer.start();
        pole.render(&target);
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double median = Median(ms);
    std::printf("board repaint, %d stones, device pixel ratio %.2f: median %.3f ms over %d "
                "repaints (target < 2 ms)\n",
                Stones, dpr, median, repaints);
    return median < 2.0 ? 0 : 2;
}
