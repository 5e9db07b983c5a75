#pragma once

// A view that treats its windows as the real one does: it owns the
// document and the windows under test (the board, the clocks and the
// chances; the whole program's tests run all six) and passes every update
// on to them. The fixture registers an application with the standard
// layout; a test sets the options it needs, then starts a game.

#include "DivuzViewBase.h"
#include "GameTestSupport.h"
#include "PoleWnd.h"
#include "PriceWnd.h"
#include "TimeWnd.h"

#include <gtest/gtest.h>

#include <memory>

class TestView : public CDivuzViewBase, public IDivuzView
{
  public:
    TestView() { myDoc.AddView(this); }
    ~TestView() override { myDoc.RemoveView(this); }
    CDivuzDoc *GetDocument() const override { return &myDoc; }
    void OnUpdate() override
    {
        pole.OnUpdate();
        time.OnUpdate();
        price.OnUpdate();
        myDoc.ClearSoundEvent();
    }

    DataDivuzDoc Data() const
    {
        DataDivuzDoc data;
        myDoc.GetData(data);
        return data;
    }
    // Handles events until no request is out: the computer has answered.
    bool Settle()
    {
        return PumpUntil([this] { return !Data().IsThinking; });
    }

    mutable CDivuzDoc myDoc;
    PoleWnd pole;
    TimeWnd time;
    PriceWnd price;
};

class UiTest : public testing::Test
{
  protected:
    UiTest() { app.myOptions.WndLayout = StandardWndLayout(); }
    void Start()
    {
        view = std::make_unique<TestView>();
        TestView &v = *view;
        ASSERT_TRUE(v.pole.MyCreate(&v) && v.time.MyCreate(&v) && v.price.MyCreate(&v));
        v.show();
        ASSERT_TRUE(v.myDoc.OnNewDocument() && v.Settle());
    }

    StandInApplication app;
    std::unique_ptr<TestView> view;
};
