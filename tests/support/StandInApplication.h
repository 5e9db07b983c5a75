#pragma once

// A stand-in for the application object in tests and benchmarks: it holds
// an options record with the standard layout, registers itself while it
// lives, and records what the document sends to the main window and which
// help pages are asked for. The caller changes its options directly.

#include "DivuzApplication.h"
#include "WndLayout.h"

#include <vector>

class StandInApplication : public IDivuzApplication
{
  public:
    StandInApplication()
    {
        // Instant, deterministic defaults; a caller chooses otherwise where
        // it matters.
        myOptions.WndLayout = StandardWndLayout();
        myOptions.Level = 0;
        myOptions.WhoBeginsMode = 0;
        myOptions.MusicMode = 0;
        RegisterApplication(this);
    }
    ~StandInApplication() override { UnregisterApplication(this); }

    DivuzOptions GetOptions() const override { return myOptions; }
    void SetOptions(const DivuzOptions &options) override { myOptions = options; }
    void PostMainWindowCommand(int id) override { commands.push_back(id); }
    void SendMainWindowMessage(int message) override { messages.push_back(message); }
    void ShowHelp(int context) override { helpContexts.push_back(context); }

    DivuzOptions myOptions;
    std::vector<int> commands;
    std::vector<int> messages;
    std::vector<int> helpContexts;
};
