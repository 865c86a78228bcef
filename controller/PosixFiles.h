#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <optional>

/** What reading and replacing the user's files needs of the operating system
    beyond the framework's streams. */
namespace PosixFiles
{
    /** Hands a piece of a file's content to a reader: false stops the read. */
    using PieceReader = std::function<bool (const char* data, size_t size, bool isLast)>;

    /** Reads a regular file no larger than maxBytes in pieces, the last one
        empty; true when every piece was taken. False, with no piece or not
        all, for anything else (missing, unreadable, a folder, a named pipe,
        a device) and for a file larger than maxBytes, even one that grows
        past it while it is read. Never waits for a writer or a device. */
    bool readRegularFile (const juce::File& file, juce::int64 maxBytes, const PieceReader& take);

    /** The file that `file` finally names, following a chain of symbolic
        links; `file` itself when it is no link. The result need not exist (a
        link may name a file still to be made), but its folder does. Nothing
        when a folder on the way is missing or the links go round in a loop. */
    std::optional<juce::File> resolveLinks (const juce::File& file);

    /** Gives the empty file `copy`, which is to replace `original`, the owner,
        group and permission bits of `original` as far as the system lets this
        process: only the group where the owner can't be given, and where the
        group can't be given either, group bits no wider than the others' bits,
        so that nobody may read or write the copy who could not before. True
        when `original` does not exist, so that a new file keeps the usual
        defaults; false where the bits can't be set, or `copy` is no longer the
        empty regular file that was made. */
    bool copyOwnerAndPermissions (const juce::File& original, const juce::File& copy);

    /** Syncs a folder to the disk, so that a name just given to a file in it
        survives a power cut. True where the folder's file system has no such
        sync or the folder can't be opened for it, since nothing more can be done. */
    bool syncFolder (const juce::File& folder);
}
