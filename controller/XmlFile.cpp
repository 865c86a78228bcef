#include "XmlFile.h"

#include "PosixFiles.h"
#include "XmlTreeParser.h"

#include <cstdio>

namespace
{
// The framework's stream reports a write that the disk took only part of as
// a success, so the length on disk is checked against the text as well. Its
// flush syncs the file to the disk and records a failed sync in its status.
bool writeWhole (const juce::MemoryOutputStream& text, const juce::File& temporary, const juce::File& target,
                 const XmlFile::StreamOpener& open)
{
    {
        const auto stream = open (temporary);

        // Owner, group and bits are set before any byte is written, so that the
        // text of a private or shared file is never open to more people than before.
        if (stream == nullptr || stream->failedToOpen() || ! PosixFiles::copyOwnerAndPermissions (target, temporary))
            return false;

        const bool written = stream->write (text.getData(), text.getDataSize());
        stream->flush();

        if (! written || stream->getStatus().failed())
            return false;
    }

    return temporary.getSize() == (juce::int64) text.getDataSize();
}
} // namespace

namespace XmlFile
{
std::unique_ptr<juce::FileOutputStream> openFileStream (const juce::File& file)
{
    return std::make_unique<juce::FileOutputStream> (file);
}

bool write (const juce::XmlElement& document, const juce::File& file, const StreamOpener& open)
{
    if (file == juce::File())
        return false;

    // A save onto a link replaces the file that the link names, so the link
    // stays and names the new text.
    const auto target = PosixFiles::resolveLinks (file);

    if (! target.has_value() || target->isDirectory())
        return false;

    juce::MemoryOutputStream text;
    document.writeTo (text, juce::XmlElement::TextFormat());

    // Beside the target, so that the rename stays on one disk. Removes the
    // temporary file when it goes out of scope, unless it has replaced the target.
    const juce::TemporaryFile temporary (*target);
    const auto& written = temporary.getFile();

    if (! writeWhole (text, written, *target, open))
        return false;

    // A plain rename replaces the target at once; the framework's own move
    // would fall back to deleting the target and copying when it fails.
    return std::rename (written.getFullPathName().toRawUTF8(), target->getFullPathName().toRawUTF8()) == 0
           && PosixFiles::syncFolder (target->getParentDirectory());
}

std::unique_ptr<XmlNode> read (const juce::File& file)
{
    XmlTreeParser parser;
    const auto feed = [&parser] (const char* data, size_t size, bool isLast) { return parser.feed (data, size, isLast); };

    if (! PosixFiles::readRegularFile (file, kMaxReadBytes, feed))
        return nullptr;

    return parser.takeDocument();
}
} // namespace XmlFile
