#pragma once

// What the document, the windows and the frame need from the application
// object. The application object lives in the top layer; it implements this
// interface and registers itself when it is built, so lower layers reach it
// without including anything above them.

#include "DivuzOptions.h"

#include <string_view>

class IDivuzApplication
{
  public:
    virtual ~IDivuzApplication() = default;

    // A copy of the application's options record, taken at the moment of the
    // call; later changes of the application's record do not reach it.
    virtual DivuzOptions GetOptions() const = 0;
    // Replaces the application's options record as a whole.
    virtual void SetOptions(const DivuzOptions &options) = 0;

    // Posts the command id to the main window; it is handled later, in queue
    // order, on the user-interface thread. Without a main window nothing
    // happens, which is all an application without windows needs.
    virtual void PostMainWindowCommand(int /*id*/) {}
    // Sends the private message to the main window and returns once it has
    // been handled; skipped when the calling thread has no main window.
    virtual void SendMainWindowMessage(int /*message*/) {}
    // Opens the help page of a help context number (a dialog's "Nápověda"
    // button passes 0x10000 plus the button's id); a number without a page
    // opens the contents. An application without help ignores it.
    virtual void ShowHelp(int /*context*/) {}

  protected:
    IDivuzApplication() = default;
    IDivuzApplication(const IDivuzApplication &) = default;
    IDivuzApplication &operator=(const IDivuzApplication &) = default;
};

// Makes app the application object; a later registration replaces it.
void RegisterApplication(IDivuzApplication *app);
// Removes app if it is the registered one, so a dying application object
// never leaves a dangling registration and never removes a successor.
void UnregisterApplication(IDivuzApplication *app);

// The registered application object, or nullptr when there is none.
IDivuzApplication *FindApplication();

// The registered application object. Without one this is an internal
// inconsistency: throws xProgramme "<where> : No Application?", where names
// the caller as "Class::Member".
IDivuzApplication &RequireApplication(std::string_view where);
