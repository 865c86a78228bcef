// ZelManager49: the XML settings file.

#include "XmlFile.h"
#include "XmlLookup.h"
#include "ZelManager49.h"

namespace
{
    // Attribute names of an Item, in the order written, with the value a load
    // takes when the attribute is missing; the parameter number is position + 1.
    const struct { const char* name; int loadDefault; } kItemParams[] = {
        { "Mode", 0 }, { "Chan", 0 }, { "Num", 0 }, { "MinLSB", 0 }, { "MaxMSB", 127 }, { "Option", 127 }
    };

    template <size_t count>
    void addParams (juce::XmlElement& section, const std::atomic<juce::int16> (&values)[count])
    {
        for (int i = 0; i < (int) count; ++i)
        {
            auto* param = section.createNewChildElement ("Param");
            param->setAttribute ("ID", i);
            param->setAttribute ("Value", (int) values[i].load());
        }
    }

    // Takes the array itself, so that its bound comes from its type and the
    // sanitizers see any write past it.
    template <size_t count>
    void loadParams (const XmlNode* section, std::atomic<juce::int16> (&values)[count])
    {
        if (section == nullptr)
            return;

        for (const auto& param : section->children)
        {
            const int id = XmlLookup::getInt (param, "ID", -1);

            if (juce::isPositiveAndBelow (id, (int) count))
                values[id] = (juce::int16) XmlLookup::getInt (param, "Value", 0);
        }
    }
}

bool ZelManager49::saveSettings (juce::File& file) const
{
    juce::XmlElement settings ("Settings");
    auto* items = settings.createNewChildElement ("Items");

    {
        const juce::ScopedLock sl (modelLock);

        for (const auto& [item, number] : params[ItemParam::number])
        {
            auto* element = items->createNewChildElement ("Item");
            element->setAttribute ("ID", item);

            for (int p = ItemParam::first; p <= ItemParam::last; ++p)
                element->setAttribute (kItemParams[p - 1].name, p == ItemParam::number ? number : paramOr (p, item, 0));
        }
    }

    addParams (*settings.createNewChildElement ("Globals"), globals);
    addParams (*settings.createNewChildElement ("Curves"), curves);

    return XmlFile::write (settings, file);
}

bool ZelManager49::loadSettings (juce::File& file)
{
    const auto settings = XmlFile::read (file);

    if (settings == nullptr)
        return false;

    if (const auto* items = XmlLookup::getChild (*settings, "Items"))
    {
        const juce::ScopedLock sl (modelLock);

        for (const auto& element : items->children)
        {
            const int item = XmlLookup::getInt (element, "ID", -1);

            if (item < 0)
                continue;

            for (int p = ItemParam::first; p <= ItemParam::last; ++p)
                params[p][item] = XmlLookup::getInt (element, kItemParams[p - 1].name, kItemParams[p - 1].loadDefault);
        }
    }

    loadParams (XmlLookup::getChild (*settings, "Globals"), globals);
    loadParams (XmlLookup::getChild (*settings, "Curves"), curves);
    return true;
}
