#include "XmlFile.h"

#include "XmlTreeParser.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace
{
// The framework's streams have no way to reach the disk itself, so the file
// is opened once more by name and synced through that descriptor.
bool flushToDisk (const juce::File& file)
{
    const int fd = ::open (file.getFullPathName().toRawUTF8(), O_WRONLY | O_CLOEXEC);

    if (fd < 0)
        return false;

    const bool synced = ::fsync (fd) == 0;
    return ::close (fd) == 0 && synced;
}

// The framework's stream reports a write that the disk took only part of
// as a success, so the length on disk is checked against the text as well.
bool writeWhole (const juce::MemoryOutputStream& text, const juce::File& target, const XmlFile::StreamOpener& open)
{
    {
        const auto stream = open (target);

        if (stream == nullptr || stream->failedToOpen())
            return false;

        const bool written = stream->write (text.getData(), text.getDataSize());
        stream->flush();

        if (! written || stream->getStatus().failed())
            return false;
    }

    return target.getSize() == (juce::int64) text.getDataSize() && flushToDisk (target);
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
    if (file == juce::File() || file.isDirectory())
        return false;

    juce::MemoryOutputStream text;
    document.writeTo (text, juce::XmlElement::TextFormat());

    // Removes the temporary file when it goes out of scope, unless it has replaced the target.
    const juce::TemporaryFile temporary (file);
    const auto& written = temporary.getFile();

    if (! writeWhole (text, written, open))
        return false;

    // A plain rename replaces the target at once; the framework's own move
    // would fall back to deleting the target and copying when it fails.
    return std::rename (written.getFullPathName().toRawUTF8(), file.getFullPathName().toRawUTF8()) == 0;
}

std::unique_ptr<XmlNode> read (const juce::File& file)
{
    if (! file.existsAsFile() || file.getSize() > kMaxReadBytes)
        return nullptr;

    juce::FileInputStream stream (file);

    if (stream.failedToOpen())
        return nullptr;

    XmlTreeParser parser;
    juce::HeapBlock<char> buffer (64 * 1024);
    juce::int64 total = 0;

    for (;;)
    {
        const int count = stream.read (buffer, 64 * 1024);

        if (count < 0 || stream.getStatus().failed() || (total += count) > kMaxReadBytes)
            return nullptr; // unreadable, or grown past the limit since it was measured

        const bool atEnd = count == 0;

        if (! parser.feed (buffer, (size_t) count, atEnd))
            return nullptr;

        if (atEnd)
            return parser.takeDocument();
    }
}
}
