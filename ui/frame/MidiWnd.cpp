#include "MidiWnd.h"

#include "DivuzCommands.h"
#include "DivuzEvents.h"
#include "MediaPlayer.h"

#include <QCoreApplication>

MidiWnd::~MidiWnd()
{
    Close();
}

bool MidiWnd::Open(QObject *parentFrame, const std::string &path, std::uint32_t flags)
{
    myFlags = flags;
    // Step 1. The hidden window, a child of the frame.
    setParent(parentFrame);
    setObjectName(QStringLiteral("MidiWnd"));
    // Step 2. Every piece open before is closed.
    Close();
    // Step 3. The piece itself; an error means silence.
    IMediaPlayer &player = CurrentMediaPlayer();
    myDevice = player.OpenMusic(path);
    if (myDevice == 0)
        return false;
    // Step 4. Play it when asked to.
    if (myFlags & Play)
        PlayFromStart();
    return true;
}

void MidiWnd::Close()
{
    // The player closes all of its pieces, also one this window did not
    // record as open.
    CurrentMediaPlayer().CloseMusic();
    myDevice = 0;
}

void MidiWnd::PlayFromStart()
{
    if (myDevice != 0)
        CurrentMediaPlayer().PlayMusicFromStart(myDevice, this);
}

bool MidiWnd::event(QEvent *event)
{
    if (event->type() != MusicEndEvent::EventType())
        return QObject::event(event);
    // A notice of a piece closed since it was posted does not count.
    if (static_cast<MusicEndEvent *>(event)->Device() != myDevice || myDevice == 0)
        return true;
    if (myFlags & Loop)
        PlayFromStart();
    else if (parent())
        QCoreApplication::postEvent(parent(), new DivuzCommandEvent(WM_NEXT_MUSIC));
    return true;
}
