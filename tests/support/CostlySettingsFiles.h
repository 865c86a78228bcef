#pragma once

// Settings files shaped to make a load cost the most memory and time that a
// file of a given size can ask for, for the load tests and the benchmark.

#include <string>

namespace CostlySettingsFiles
{
struct Shape
{
    const char* name;
    std::string (*make) (size_t bytes); // a document of at most that many bytes
    bool loads;                         // false: the loader must refuse it
};

// `head`, then `unit` as often as it fits before `tail`.
inline std::string repeated (const std::string& head, const std::string& unit, const std::string& tail, size_t bytes)
{
    auto text = head;
    const auto room = bytes - head.size() - tail.size();

    for (size_t count = room / unit.size(); count > 0; --count)
        text += unit;

    return text + tail;
}

inline std::string times (const std::string& unit, int count)
{
    std::string text;
    while (count-- > 0)
        text += unit;
    return text;
}

// Each reference to the entity stands for 60 elements.
inline std::string entitiesInContent (size_t bytes)
{
    return repeated ("<!DOCTYPE Settings [<!ENTITY e \"" + times ("<a/>", 60) + "\">]><Settings>", "&e;", "</Settings>", bytes);
}

// Each reference to the entity stands for 1,000 bytes of one attribute's value.
inline std::string entitiesInAnAttribute (size_t bytes)
{
    return repeated ("<!DOCTYPE Settings [<!ENTITY e \"" + std::string (1000, '7') + "\">]><Settings><Globals><Param ID=\"1\" Value=\"",
                     "&e;", "\"/></Globals></Settings>", bytes);
}

// Entities of entities: each level stands for ten of the level below.
inline std::string nestedEntities (size_t bytes)
{
    std::string declarations = "<!ENTITY e0 \"" + times ("<a/>", 10) + "\">";

    for (int level = 1; level < 8; ++level)
        declarations += "<!ENTITY e" + std::to_string (level) + " \"" + times ("&e" + std::to_string (level - 1) + ";", 10) + "\">";

    return repeated ("<!DOCTYPE Settings [" + declarations + "]><Settings>", "&e7;", "</Settings>", bytes);
}

// Every element takes a copy of a declared default value of 100,000 bytes.
inline std::string attributeDefaults (size_t bytes)
{
    return repeated ("<!DOCTYPE Settings [<!ATTLIST a x CDATA \"" + std::string (100000, 'x') + "\">]><Settings>", "<a/>", "</Settings>", bytes);
}

inline std::string mostEmptyElements (size_t bytes)
{
    return repeated ("<Settings>", "<a/>", "</Settings>", bytes);
}

// The shortest names there are, all different (and none of them "ID"): the
// first character from 27, each further one from 64.
inline std::string attributeName (size_t index)
{
    static const char first[] = "abcdefghijklmnopqrstuvwxyz_";
    static const char rest[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.";
    std::string name (1, first[index % 27]);

    for (index /= 27; index > 0; index = (index - 1) / 64)
        name += rest[(index - 1) % 64];

    return name;
}

// One item with the most attributes that fit.
inline std::string mostAttributes (size_t bytes)
{
    const std::string head = "<Settings><Items><Item ID=\"1\" Mode=\"3\"", tail = "/></Items></Settings>";
    auto text = head;

    for (size_t index = 0;; ++index)
    {
        const auto attribute = " " + attributeName (index) + "=\"\"";

        if (text.size() + attribute.size() + tail.size() > bytes)
            return text + tail;

        text += attribute;
    }
}

// Elements with as many attributes as each can take by the shortest names.
inline std::string attributesEverywhere (size_t bytes)
{
    std::string element = "<a";
    for (size_t index = 0; index < 27; ++index)
        element += " " + attributeName (index) + "=\"\"";

    return repeated ("<Settings>", element + "/>", "</Settings>", bytes);
}

// One value as long as the file allows: a single token that the parser has
// to hold whole.
inline std::string longestValue (size_t bytes)
{
    return repeated ("<Settings><Items><Item ID=\"1\" Mode=\"", "9", "\"/></Items></Settings>", bytes);
}

inline const Shape shapes[] = {
    { "EntitiesInContent", entitiesInContent, false },
    { "EntitiesInAnAttribute", entitiesInAnAttribute, false },
    { "NestedEntities", nestedEntities, false },
    { "AttributeDefaults", attributeDefaults, false },
    { "MostEmptyElements", mostEmptyElements, false },
    { "MostAttributes", mostAttributes, false },
    { "AttributesEverywhere", attributesEverywhere, false },
    { "LongestValue", longestValue, true },
};
} // namespace CostlySettingsFiles
