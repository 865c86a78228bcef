#include "XmlLookup.h"

#include <limits>

namespace XmlLookup
{
const juce::XmlElement* getChild (const juce::XmlElement& parent, juce::StringRef name)
{
    for (auto* child : parent.getChildIterator())
        if (child->getTagName().equalsIgnoreCase (name))
            return child;

    return nullptr;
}

int getInt (const juce::XmlElement& element, juce::StringRef name, int defaultValue)
{
    for (int i = 0; i < element.getNumAttributes(); ++i)
        if (element.getAttributeName (i).equalsIgnoreCase (name))
            return leadingInteger (element.getAttributeValue (i));

    return defaultValue;
}

int leadingInteger (const juce::String& text)
{
    auto p = text.getCharPointer().findEndOfWhitespace();
    bool negative = false;

    if (*p == '-' || *p == '+')
        negative = (p.getAndAdvance() == '-');

    // Accumulate towards the sign's limit and stop there, so that a huge value cannot overflow.
    constexpr juce::int64 limit = (juce::int64) std::numeric_limits<int>::max() + 1;
    juce::int64 magnitude = 0;

    for (auto c = *p; c >= '0' && c <= '9'; c = *++p)
        magnitude = juce::jmin (limit, magnitude * 10 + (c - '0'));

    return (int) juce::jlimit ((juce::int64) std::numeric_limits<int>::min(),
                               (juce::int64) std::numeric_limits<int>::max(),
                               negative ? -magnitude : magnitude);
}
}
