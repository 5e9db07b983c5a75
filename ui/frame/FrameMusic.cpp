// The background music of the frame: the current piece, and the next one
// when a piece ends.

#include "MainFrame.h"

#include "DivuzApplication.h"
#include "SettingsStore.h"

void CMainFrame::UpdateMusic()
{
    // Step 1. The settings as they are now; the playing piece stops.
    const DivuzOptions options = RequireApplication("CMainFrame::UpdateMusic").GetOptions();
    myMidiWnd.Close();
    // Step 2. Music off: silence.
    if (!options.IsMusicOn)
        return;
    // Step 3. One piece after another plays each piece once; the other two
    // modes loop it until the game or the user changes it.
    std::uint32_t flags;
    switch (options.MusicMode) {
    case 0:
        flags = MidiWnd::Play;
        break;
    case 1:
    case 2:
        flags = MidiWnd::Play | MidiWnd::Loop;
        break;
    default:
        throw xProgramme("CMainFrame::UpdateMusic :Strange MusicMode");
    }
    // Step 4. A piece that cannot be opened is silence until the next 2022.
    myMidiWnd.Open(this, MusicFolder(options) + options.MusicName, flags);
}

int CMainFrame::OnEndMusic()
{
    IDivuzApplication &app = RequireApplication("CMainFrame::OnEndMusic");
    DivuzOptions options = app.GetOptions();
    PickNextMusic(options);
    app.SetOptions(options);
    UpdateMusic();
    return 1;
}
