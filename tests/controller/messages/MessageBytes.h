#pragma once

#include <gtest/gtest.h>
#include <juce_audio_basics/juce_audio_basics.h>

#include <string>
#include <vector>

// The raw bytes of a message, for comparing with the expected wire bytes.
inline std::vector<int> bytesOf (const juce::MidiMessage& m)
{
    return std::vector<int> (m.getRawData(), m.getRawData() + m.getRawDataSize());
}

inline juce::MidiMessage messageOf (const std::vector<int>& bytes)
{
    std::vector<juce::uint8> raw (bytes.begin(), bytes.end());
    return juce::MidiMessage (raw.data(), (int) raw.size(), 0.0);
}

// Names a TEST_P case after the `name` field of its row.
struct CaseName
{
    template <typename Row>
    std::string operator() (const testing::TestParamInfo<Row>& row) const { return row.param.name; }
};
