#include "BestGames.h"

#include "RecordsArchive.h"

#include "WholeFile.h"

#include <QString>

#include <array>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{

void Report(BestGamesProblem *problem, bool badVersion, const std::string &text)
{
    if (problem != nullptr) {
        problem->IsBadVersion = badVersion;
        problem->Text = text;
    }
}

} // namespace

int LevelIndex(int level)
{
    if (level < 0 || level > MaxLevel)
        throw xParam("LevelIndex : Strange Level");
    return StrengthSettings[level].bestGamesLevel;
}

BestGames::BestGames() : AbstractArray<DataDivuzDoc>(BestEntryCount) {}

int BestGames::Index(int level, int side, int place, const char *member)
{
    if (side < 0 || side >= BestSideCount)
        throw xParam(std::string("BestGames::") + member + " : Bad Side");
    if (place < 0 || place >= BestPlaceCount)
        throw xParam(std::string("BestGames::") + member + " : Bad Place");
    // A bad level leaves 0..49 and is caught by the checked element access.
    return place + BestPlaceCount * (side + BestSideCount * level);
}

DataDivuzDoc BestGames::GetGame(int level, int side, int place) const
{
    return (*this)[Index(level, side, place, "GetGame")];
}

void BestGames::SetGame(const DataDivuzDoc &record, int level, int side, int place)
{
    (*this)[Index(level, side, place, "SetGame")] = record;
}

bool BestGames::IsWorthy(const DataDivuzDoc &record, const DivuzOptions &settings) const
{
    if (!IsTournamentWin(record))
        return false;
    const int level = LevelIndex(settings.Level);
    const int side = record.IsPlayerFirst ? 0 : 1;
    const DataDivuzDoc last = GetGame(level, side, BestPlaceCount - 1);
    return !IsTournamentWin(last) || record < last;
}

void BestGames::AddGame(const DataDivuzDoc &record, const DivuzOptions &settings)
{
    if (!IsWorthy(record, settings))
        return;
    const int level = LevelIndex(settings.Level);
    const int side = record.IsPlayerFirst ? 0 : 1;

    std::array<DataDivuzDoc, BestPlaceCount> group;
    for (int place = 0; place < BestPlaceCount; ++place)
        group[place] = GetGame(level, side, place);
    group[BestPlaceCount - 1] = record;

    // Insertion sort by the ranking. It moves a record only past records it
    // is strictly better than, so equal games keep their order and a new
    // game goes after its equals. (The ranking is no strict weak ordering,
    // which rules out the standard sorts.)
    for (int i = 1; i < BestPlaceCount; ++i) {
        const DataDivuzDoc moving = group[i];
        int gap = i;
        while (gap > 0 && moving < group[gap - 1]) {
            group[gap] = group[gap - 1];
            --gap;
        }
        group[gap] = moving;
    }

    for (int place = 0; place < BestPlaceCount; ++place)
        SetGame(group[place], level, side, place);
}

void BestGames::Serialize(ArchiveWriter &ar) const
{
    for (int i = 0; i < GetSize(); ++i)
        (*this)[i].Serialize(ar);
}

void BestGames::Serialize(ArchiveReader &ar)
{
    for (int i = 0; i < GetSize(); ++i) {
        try {
            (*this)[i].Serialize(ar);
        } catch (const xBadVersion &) {
            // Passed on as it is, so Load can tell another version from
            // damage. Either way the reading ends: whatever follows a record
            // that was not read to its end would be read out of step.
            throw;
        } catch (const xError &e) {
            throw xIO("entry " + std::to_string(i) + ": " + e.GetText());
        }
    }
}

bool BestGames::Load(const std::string &path, BestGamesProblem *problem)
{
    // A folder opens as a stream on this platform but reads as nothing,
    // which would pass for an empty table.
    std::error_code ec;
    std::ifstream file;
    if (!std::filesystem::is_directory(path, ec))
        file.open(path, std::ios::binary);
    if (!file.is_open()) {
        Report(problem, false, "Unable to open " + path);
        return false;
    }
    if (file.peek() == std::ifstream::traits_type::eof())
        return true;
    try {
        ArchiveReader ar(file);
        Serialize(ar);
    } catch (const xBadVersion &e) {
        Report(problem, true, path + ": " + e.GetText());
        return false;
    } catch (const xError &e) {
        Report(problem, false, path + ": " + e.GetText());
        return false;
    } catch (const std::exception &e) {
        Report(problem, false, path + ": " + e.what());
        return false;
    }
    return true;
}

bool BestGames::Save(const std::string &path, BestGamesProblem *problem) const
{
    std::ostringstream bytes;
    try {
        ArchiveWriter ar(bytes);
        Serialize(ar);
    } catch (const xError &e) {
        Report(problem, false, path + ": " + e.GetText());
        return false;
    }
    QString error;
    if (!WriteWholeFile(QString::fromStdString(path), bytes.str(), &error)) {
        Report(problem, false, path + ": " + error.toStdString());
        return false;
    }
    return true;
}
