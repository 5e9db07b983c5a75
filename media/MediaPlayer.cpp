#include "MediaPlayer.h"

#include <atomic>

namespace
{

// Plays nothing; stands in while no player is registered.
class SilentPlayer : public IMediaPlayer
{
  public:
    void PlayWave(const std::string &, bool) override {}
    void StopWave() override {}
    int OpenMusic(const std::string &) override { return 0; }
    void PlayMusicFromStart(int, QObject *) override {}
    void CloseMusic() override {}
};

std::atomic<IMediaPlayer *> registeredPlayer{nullptr};

} // namespace

QEvent::Type MusicEndEvent::EventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void RegisterMediaPlayer(IMediaPlayer *player)
{
    registeredPlayer.store(player);
}

void UnregisterMediaPlayer(IMediaPlayer *player)
{
    IMediaPlayer *expected = player;
    registeredPlayer.compare_exchange_strong(expected, nullptr);
}

IMediaPlayer &CurrentMediaPlayer()
{
    static SilentPlayer silence;
    IMediaPlayer *player = registeredPlayer.load();
    return player ? *player : silence;
}
