#include "Levels.h"

const StrengthSetting &SettingAt(int setting)
{
    if (setting < 0 || setting >= SettingCount)
        throw xParam("Index out of range.");
    return StrengthSettings[setting];
}

SettingCall CallForSetting(int setting)
{
    return SettingAt(setting).move;
}

Move FindMoveForSetting(Pole &pole, std::int32_t side, int setting)
{
    const SettingCall call = CallForSetting(setting);
    return call.timed ? pole.FindMoveInTime(side, call.value) : pole.FindMove(side, call.value);
}
