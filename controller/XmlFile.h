#pragma once

#include <juce_core/juce_core.h>

#include <memory>

/** Whole XML documents on disk, as the settings file and the chart use them. */
namespace XmlFile
{
    /** Writes the document with its UTF-8 declaration, CRLF line ends and
        wrapping at 60, through a temporary file beside the target, so that a
        failed write leaves an existing file as it was. */
    bool write (const juce::XmlElement& document, const juce::File& file);

    /** Parses the whole file; null when it is missing, unreadable, not XML or
        nested far deeper than any of our documents (so that no nesting can
        exhaust the parser's stack). A document type declaration is
        dropped unread, so that a document is read from its own bytes only and
        its entities cannot expand without end. */
    std::unique_ptr<juce::XmlElement> read (const juce::File& file);
}
