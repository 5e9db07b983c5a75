#pragma once

// A stand-in for the application object in the benchmarks: it holds the
// options record with the standard layout and registers itself, which is all
// the document and the windows ask of it.

#include "DivuzApplication.h"
#include "WndLayout.h"

class BenchApplication : public IDivuzApplication {
public:
    BenchApplication()
    {
        myOptions.WndLayout = StandardWndLayout();
        myOptions.WhoBeginsMode = 0;
        myOptions.MusicMode = 0;
        RegisterApplication(this);
    }
    ~BenchApplication() override { UnregisterApplication(this); }
    DivuzOptions GetOptions() const override { return myOptions; }
    void SetOptions(const DivuzOptions &options) override { myOptions = options; }

    DivuzOptions myOptions;
};
