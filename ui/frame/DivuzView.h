#pragma once

// The view of the game document: a fixed-size widget holding the board
// window and the five panel windows at their layout rectangles. It draws
// nothing of the game itself; it passes every document update on to its
// windows and drives the clocks with a 100 ms timer.

#include "DivuzViewBase.h"
#include "IDivuzView.h" // IDivuzView

#include "LevelWnd.h"
#include "PoleWnd.h"
#include "PriceWnd.h"
#include "ScoreWnd.h"
#include "TextWnd.h"
#include "TimeWnd.h"

#include <QBasicTimer>

#include <functional>

class CDivuzView : public CDivuzViewBase, public IDivuzView
{
  public:
    explicit CDivuzView(CDivuzDoc *document, QWidget *parent = nullptr);
    ~CDivuzView() override;

    CDivuzDoc *GetDocument() const override { return myDocument; }

    // IDivuzView: the document changed.
    void OnUpdate() override;
    // Plays the sound of the document's pending event, when sounds are on.
    void Sounds();

    // Called after every update, once the windows have their new state; the
    // frame refreshes its commands and status text here.
    void SetUpdateListener(std::function<void()> listener) { myListener = std::move(listener); }
    // Shows the view and its windows at the scale (1 for the layout's own
    // size); they are placed and painted anew.
    void SetScale(qreal scale);

    // The clocks run only while the gate answers true (without a gate,
    // always): nobody can move while the splash screen covers the board.
    void SetClockGate(std::function<bool()> gate) { myClockGate = std::move(gate); }

    PoleWnd &Board() { return myPoleWnd; }
    PriceWnd &Chances() { return myPriceWnd; }
    TimeWnd &Clocks() { return myTimeWnd; }
    ScoreWnd &Score() { return myScoreWnd; }
    TextWnd &Header() { return myTextWnd; }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

  private:
    CDivuzDoc *myDocument;
    // Held by value, created with the view and destroyed with it.
    PriceWnd myPriceWnd;
    TimeWnd myTimeWnd;
    ScoreWnd myScoreWnd;
    TextWnd myTextWnd;
    LevelWnd myLevelWnd;
    PoleWnd myPoleWnd;
    QBasicTimer myPulse; // timer 1: the clocks
    std::function<void()> myListener;
    std::function<bool()> myClockGate;
};
