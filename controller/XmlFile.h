#pragma once

#include "XmlNode.h"

#include <juce_core/juce_core.h>

#include <functional>
#include <memory>

/** Whole XML documents on disk, as the settings file and the chart use them. */
namespace XmlFile
{
    /** Files larger than this are refused unread: a real settings file is
        about 9 KB. */
    constexpr juce::int64 kMaxReadBytes = 4 * 1024 * 1024;

    /** Opens the stream that a write goes through. */
    using StreamOpener = std::function<std::unique_ptr<juce::FileOutputStream> (const juce::File&)>;

    /** The stream that writes go through outside tests: a plain file stream. */
    std::unique_ptr<juce::FileOutputStream> openFileStream (const juce::File& file);

    /** Writes the document with its UTF-8 declaration, CRLF line ends and
        wrapping at 60, all or nothing: the text goes to a temporary file
        beside the target, which replaces the target only once every byte has
        reached it and it has been synced to the disk; the folder is then
        synced too, so that the new name survives a power cut. Otherwise the
        temporary file is removed, an existing target stays as it was, and
        the result is false. A link is followed to the file it names, which
        is the one replaced; a replaced file keeps its owner, group and
        permission bits as far as the system lets the saver give them, and
        is never open to more people than before. `open`
        opens the temporary file (tests pass a stream that takes only part of
        the bytes, as a full disk does). */
    bool write (const juce::XmlElement& document, const juce::File& file,
                const StreamOpener& open = openFileStream);

    /** Parses the whole file with a parser made for untrusted input; null
        when the file is missing, unreadable, no regular file (a folder, a
        named pipe, a device), larger than kMaxReadBytes, or a document that
        XmlTreeParser refuses. */
    std::unique_ptr<XmlNode> read (const juce::File& file);
}
