// How long a new game takes to be ready: the document stops the engine
// thread (a running search must return at once), joins it, resets the
// records and starts a new thread. Measured with a timed search deep in
// progress and, for comparison, with an idle engine. Target: a median under
// 20 ms with the search running.

#include "DivuzApplication.h"
#include "DivuzDoc.h"
#include "StandInApplication.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

class BenchView : public IDivuzView
{
  public:
    explicit BenchView(CDivuzDoc &doc) : myDoc(doc) {}
    void OnUpdate() override { myDoc.ClearSoundEvent(); }

  private:
    CDivuzDoc &myDoc;
};

int HistorySize(const CDivuzDoc &doc)
{
    DataDivuzDoc d;
    doc.GetData(d);
    return d.UndoRedoMoves.GetCurSize();
}

// Handles events until the history has the given size.
bool PumpUntilHistory(const CDivuzDoc &doc, int size)
{
    QElapsedTimer timer;
    timer.start();
    while (HistorySize(doc) < size) {
        QCoreApplication::processEvents();
        if (timer.elapsed() > 20000)
            return false;
        QThread::usleep(100);
    }
    return true;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One sample: two moves, the second starting a search at the Level, a
// pause that lets the search get deep, then the new game.
bool Sample(CDivuzDoc &doc, StandInApplication &app, int level, int pauseMs, double &ms,
            bool &wasThinking)
{
    app.myOptions.Level = 0;
    doc.OnNewDocument();
    doc.OnMakeMove(Place{9, 9, NOL});
    if (!PumpUntilHistory(doc, 3))
        return false;
    app.myOptions.Level = level;
    doc.OnMakeMove(Place{9, 11, NOL});
    if (!PumpUntilHistory(doc, 4))
        return false;
    QThread::msleep(pauseMs);
    DataDivuzDoc d;
    doc.GetData(d);
    wasThinking = d.IsThinking;

    const auto start = Clock::now();
    doc.OnNewDocument();
    ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    int samples = 50;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--samples") && i + 1 < argc) {
            samples = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: document_bench [--samples N]\n");
            return 2;
        }
    }

    QCoreApplication qtApp(argc, argv);
    StandInApplication app;
    CDivuzDoc doc;
    BenchView view(doc);
    doc.AddView(&view);

    struct Case {
        const char *name;
        int level;
        int pauseMs;
    };
    // Level 0 answers at once, so its engine is idle when the new game starts.
    const Case cases[] = {{"60 s per move, searching", 5, 30},
                          {"Expert, searching or just done", 10, 1},
                          {"idle engine, its reply queued", 0, 5}};
    bool met = true;
    for (const Case &c : cases) {
        std::vector<double> ms;
        int thinking = 0;
        for (int i = 0; i < samples; ++i) {
            double sample = 0;
            bool wasThinking = false;
            if (!Sample(doc, app, c.level, c.pauseMs, sample, wasThinking)) {
                std::fprintf(stderr, "document_bench: the engine did not answer\n");
                return 1;
            }
            ms.push_back(sample);
            thinking += wasThinking;
        }
        const double median = Median(ms);
        std::printf("new game, %-32s median %7.3f ms  min %7.3f  max %7.3f  "
                    "(%d samples, %d with a request out)\n",
                    c.name, median, *std::min_element(ms.begin(), ms.end()),
                    *std::max_element(ms.begin(), ms.end()), samples, thinking);
        met = met && median < 20.0;
    }
    std::printf("target: median under 20 ms: %s\n", met ? "met" : "MISSED");
    doc.DeleteContents();
    return met ? 0 : 1;
}
