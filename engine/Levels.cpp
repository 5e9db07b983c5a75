#include "Levels.h"

SettingCall CallForSetting(int setting)
{
    static const std::int32_t seconds[] = {2, 5, 10, 30, 60};
    static const std::int32_t levels[] = {-15, -9, 2, 4, 6};
    if (setting < 0 || setting >= SettingCount)
        throw xParam("Index out of range.");
    if (setting == 0)
        return {false, 1};
    if (setting <= 5)
        return {true, seconds[setting - 1]};
    return {false, levels[setting - 6]};
}

Move FindMoveForSetting(Pole &pole, std::int32_t side, int setting)
{
    const SettingCall call = CallForSetting(setting);
    return call.timed ? pole.FindMoveInTime(side, call.value) : pole.FindMove(side, call.value);
}
