#pragma once

#include "Clock.h"
#include "FWUpdaterBase.h"

#include <vector>

/** The firmware transfer to the Orlune's loader.

    The file is packed seven bits to the byte, announced by its number of
    blocks and sent in SysEx blocks of at most 32 packed bytes, counting the
    block address down to 0. The loader acknowledges each block with a Note On
    before the next one goes out; a block is sent at most four times.

    Burn runs on the host's worker thread and ends early when that thread is
    asked to exit; HandleMidiMessage runs on the MIDI input thread. The two
    share only the reply state, under ackLock.
*/
class MarvossFWUpdater : public FWUpdaterBase
{
public:
    /** clock paces the pause after the announcement and the polls for a reply. */
    explicit MarvossFWUpdater (Clock& clock = Clock::system());

    /** True when every block was acknowledged; false when the file gave no
        data, is too large for the loader's 21-bit addresses, or a block failed. */
    bool Burn() override;

    /** Notes the loader's acknowledgement (Note On 51, velocity 54, channel 1)
        or refusal (Note On 61, channel 1); ignores everything else. */
    void HandleMidiMessage (const juce::MidiMessage& message) override;

    /** Reads and packs the file into packedData; false when it is empty, too
        large or cannot be read. */
    bool LoadFile (juce::File source);

    /** Sends the packed bytes from data onward, block by block; false as soon
        as one block failed all its tries. */
    bool SendData (char* data);

    /** Forgets any earlier reply before a try. */
    void ClearAck (int tag);

    /** Polls for a reply polls + 1 times, 100 ms apart: 1 acknowledged,
        -1 refused, 0 none (or the thread was asked to exit). */
    int WaitForAck (int polls);

private:
    void send (const juce::MidiMessage& message);
    void progress (double fraction);

    int ackResult = 0;
    int ackTag = 0;
    bool ackReceived = false;
    juce::ReadWriteLock ackLock; // ackResult, ackReceived, ackTag
    std::vector<char> packedData;
    juce::uint32 bytesLeft = 0;
    juce::uint32 blocksLeft = 0;
    Clock& clock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MarvossFWUpdater)
};
