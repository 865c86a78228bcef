#include "XmlFile.h"

namespace XmlFile
{
bool write (const juce::XmlElement& document, const juce::File& file)
{
    if (file == juce::File() || file.isDirectory())
        return false;

    // The framework writes to a temporary file beside the target and renames it over the target.
    return document.writeTo (file, juce::XmlElement::TextFormat());
}

std::unique_ptr<juce::XmlElement> read (const juce::File& file)
{
    if (! file.existsAsFile())
        return nullptr;

    return juce::XmlDocument::parse (file.loadFileAsString());
}
}
