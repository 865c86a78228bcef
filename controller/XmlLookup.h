#pragma once

#include "XmlNode.h"

#include <juce_core/juce_core.h>

/** Reads settings documents the lenient way: element and attribute names in
    any letter case, numbers as the leading integer of their text, the first
    of several elements or attributes of one name.
*/
namespace XmlLookup
{
    /** The first child element named `name`, in any letter case; null when there is none. */
    const XmlNode* getChild (const XmlNode& parent, juce::StringRef name);

    /** The leading integer of the first attribute named `name`, in any letter
        case: 0 when its text holds none, defaultValue when there is no such attribute. */
    int getInt (const XmlNode& element, juce::StringRef name, int defaultValue);

    /** The integer at the start of the text, after blanks and an optional
        sign ("12abc" is 12, "abc" is 0); values beyond the int range are
        clamped to it. */
    int leadingInteger (juce::CharPointer_UTF8 text);
    inline int leadingInteger (const juce::String& text) { return leadingInteger (text.toUTF8()); }
}
