#pragma once

#include <juce_core/juce_core.h>

/** Reads settings documents the lenient way: element and attribute names in
    any letter case, numbers as the leading integer of their text. The
    framework's own attribute lookup is case-sensitive and its tag lookup
    asserts on a case mismatch, so neither is used here.
*/
namespace XmlLookup
{
    /** The first child element named `name`, in any letter case; null when there is none. */
    const juce::XmlElement* getChild (const juce::XmlElement& parent, juce::StringRef name);

    /** The leading integer of the first attribute named `name`, in any letter
        case: 0 when its text holds none, defaultValue when there is no such attribute. */
    int getInt (const juce::XmlElement& element, juce::StringRef name, int defaultValue);

    /** The integer at the start of the text, after blanks and an optional
        sign ("12abc" is 12, "abc" is 0); values beyond the int range are
        clamped to it. */
    int leadingInteger (const juce::String& text);
}
