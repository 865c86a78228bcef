#include "ModeTables.h"

#include <iterator>

//                                         Off    Ctl    Rel    RPN    NRPN   Dur    Pre    MMC    CTgl   NTgl   Note   Patch
const bool sModeEnabledForWheelAndCo[12] { true,  true,  false, true,  true,  false, false, false, false, false, false, false };
const bool sModeEnabledForPanel[12]      { true,  true,  false, false, false, false, false, false, true,  true,  true,  false };
const bool sModeEnabledForKnobs[12]      { true,  true,  true,  true,  true,  false, false, false, false, false, false, false };
const bool sModeEnabledForSnaps[12]      { true,  true,  false, false, false, true,  true,  false, true,  true,  true,  true };
const bool sModeEnabledForTransport[12]  { true,  true,  false, false, false, false, true,  true,  true,  true,  true,  true };
const bool sModeEnabledForPads[12]       { true,  true,  false, false, false, false, false, false, true,  true,  true,  true };

namespace
{
// Together these ranges are exactly the keys of the Orlune descriptor table.
const ModeGroupRange orluneGroups[] {
    { 0x0B, 0x0E, sModeEnabledForWheelAndCo }, { 0x2B, 0x2E, sModeEnabledForWheelAndCo },
    { 0x40, 0x42, sModeEnabledForWheelAndCo }, { 0x4B, 0x4F, sModeEnabledForWheelAndCo },
    { 0x51, 0x52, sModeEnabledForWheelAndCo }, { 0x6B, 0x6F, sModeEnabledForWheelAndCo },
    { 0x1C, 0x1F, sModeEnabledForPanel },      { 0x32, 0x32, sModeEnabledForPanel },
    { 0x34, 0x34, sModeEnabledForPanel },      { 0x50, 0x50, sModeEnabledForPanel },
    { 0x53, 0x53, sModeEnabledForPanel },
    { 0x01, 0x0A, sModeEnabledForKnobs },      { 0x21, 0x2A, sModeEnabledForKnobs },
    { 0x30, 0x31, sModeEnabledForKnobs },      { 0x33, 0x33, sModeEnabledForKnobs },
    { 0x12, 0x1B, sModeEnabledForSnaps },
    { 0x58, 0x5D, sModeEnabledForTransport },
    { 0x70, 0x7F, sModeEnabledForPads },
};
} // namespace

const bool* modeTableInGroups (int id, const ModeGroupRange* groups, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (id >= groups[i].first && id <= groups[i].last)
            return groups[i].table;

    return nullptr;
}

const bool* modeTableForOrluneItem (int id)
{
    return modeTableInGroups (id, orluneGroups, std::size (orluneGroups));
}
