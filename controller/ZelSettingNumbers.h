#pragma once

/** The numbers under which the keyboard addresses the settings that
    ZelManager49 models; they go out on the wire as they are. */

/** The six parameters of every control item (ZelManager49::getParamForItem). */
namespace ItemParam
{
enum Number : int
{
    mode = 1,    // what the control sends
    channel = 2, // 0 to 15, or a part or special channel value
    number = 3,  // controller or note number
    minLsb = 4,  // minimum value, or least significant part
    maxMsb = 5,  // maximum value, or most significant part
    option = 6,  // mode option

    first = mode,
    last = option
};
} // namespace ItemParam

/** Indices into ZelManager49::globals that the link and the panels give a meaning. */
namespace GlobalSetting
{
enum Index : int
{
    faderMode = 1,        // 1 absolute, 127 relative
    knobRelativeMode = 2, // 127 relative, any other value absolute
    octaveShift = 3,
    lowerPartChannel = 5,
    midiChannel = 6,      // the keyboard's global channel, also the upper part's
    splitMode = 7,        // 1 off, 127 on
    splitPoint = 8        // the split key's note number
};
} // namespace GlobalSetting
