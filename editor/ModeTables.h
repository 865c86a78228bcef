#pragma once

/** Which of the twelve "Mode combo" choices a control may take, by control
    group: entry k - 1 is the choice with item id k. */
extern const bool sModeEnabledForWheelAndCo[12];
extern const bool sModeEnabledForPanel[12];
extern const bool sModeEnabledForKnobs[12];
extern const bool sModeEnabledForSnaps[12];
extern const bool sModeEnabledForTransport[12];
extern const bool sModeEnabledForPads[12];

#include <cstddef>

/** Ids from `first` to `last` that share one group's table. */
struct ModeGroupRange
{
    int first, last;
    const bool* table;
};

/** The table of the first of `count` ranges that holds `id`; null if none does. */
const bool* modeTableInGroups (int id, const ModeGroupRange* groups, std::size_t count);

/** The table of the Orlune control group that `id` belongs to; null for an
    id of no group. */
const bool* modeTableForOrluneItem (int id);
