#include "SearchHelper.h"

#include "SearchTeam.h"

SearchTeam::SearchTeam()
{
    spare[0].mySeat.team = this;
    spare[0].mySeat.thread = 0;
    spare[0].mySeat.mayShare = false;
    spare[1].mySeat.team = this;
    spare[1].mySeat.thread = 1;
    spare[1].mySeat.mayShare = true;
    thread = std::thread([this] { HelperLoop(); });
}

SearchTeam::~SearchTeam()
{
    {
        std::lock_guard lock(mutex);
        quit = true;
    }
    changed.notify_all();
    thread.join();
}

void SearchTeam::HelperLoop()
{
    std::unique_lock lock(mutex);
    for (;;) {
        idle[1] = true;
        open[1].store(true, std::memory_order_relaxed);
        changed.wait(lock, [this] { return handed[1] != nullptr || quit; });
        if (quit)
            return;
        SiblingShare *share = handed[1];
        handed[1] = nullptr;
        idle[1] = false;
        lock.unlock();
        spare[1].HelpWith(*share);
        lock.lock();
    }
}

SearchHelper::SearchHelper() = default;

SearchHelper::SearchHelper(const SearchHelper &) {}

SearchHelper &SearchHelper::operator=(const SearchHelper &)
{
    return *this;
}

SearchHelper::~SearchHelper() = default;

SearchTeam *SearchHelper::Team(Pole &owner)
{
    static const bool secondProcessor = std::thread::hardware_concurrency() >= 2;
    if (!secondProcessor)
        return nullptr;
    if (my == nullptr) {
        try {
            my = std::make_unique<SearchTeam>();
        } catch (const std::exception &) {
            return nullptr; // the search goes on alone
        }
    }
    std::lock_guard lock(my->mutex);
    my->ownerStop = &owner.mySearch.bStop;
    return my.get();
}

std::uint64_t SearchHelper::HelpedMoves() const
{
    if (my == nullptr)
        return 0;
    std::lock_guard lock(my->mutex);
    return my->helped[1];
}
