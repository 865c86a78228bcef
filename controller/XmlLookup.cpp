#include "XmlLookup.h"

#include <limits>

namespace
{
bool sameNameIgnoringCase (const std::string& name, juce::StringRef other)
{
    return juce::CharPointer_UTF8 (name.c_str()).compareIgnoreCase (other.text) == 0;
}
}

namespace XmlLookup
{
const XmlNode* getChild (const XmlNode& parent, juce::StringRef name)
{
    for (const auto& child : parent.children)
        if (sameNameIgnoringCase (child.name, name))
            return &child;

    return nullptr;
}

int getInt (const XmlNode& element, juce::StringRef name, int defaultValue)
{
    for (const auto& [attributeName, value] : element.attributes)
        if (sameNameIgnoringCase (attributeName, name))
            return leadingInteger (juce::CharPointer_UTF8 (value.c_str()));

    return defaultValue;
}

int leadingInteger (juce::CharPointer_UTF8 text)
{
    auto p = text.findEndOfWhitespace();
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
