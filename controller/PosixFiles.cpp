#include "PosixFiles.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Closes a descriptor when it goes out of scope.
struct Descriptor
{
    explicit Descriptor (int openedDescriptor) : fd (openedDescriptor) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close (fd);
    }

    const int fd;

    JUCE_DECLARE_NON_COPYABLE (Descriptor)
};

// As many links in one chain as the system itself follows.
constexpr int kMaxLinks = 40;

// The folder as the system finds it, with its own links and any ".." resolved;
// the root as the empty string, so that "/" and a name always join it.
std::optional<juce::String> realFolder (const juce::String& folder)
{
    char* resolved = ::realpath (folder.isEmpty() ? "/" : folder.toRawUTF8(), nullptr);

    if (resolved == nullptr)
        return std::nullopt;

    const auto result = juce::String::fromUTF8 (resolved);
    std::free (resolved);
    return result == "/" ? juce::String() : result;
}

bool isLink (const juce::String& path)
{
    struct stat info {};
    return ::lstat (path.toRawUTF8(), &info) == 0 && S_ISLNK (info.st_mode);
}
} // namespace

namespace PosixFiles
{
bool readRegularFile (const juce::File& file, juce::int64 maxBytes, const PieceReader& take)
{
    // Opened without waiting, since opening a named pipe would wait for a
    // writer; what was opened is then asked of the descriptor itself, so that
    // nothing can take the file's place between the check and the read.
    const Descriptor opened (::open (file.getFullPathName().toRawUTF8(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};

    if (opened.fd < 0 || ::fstat (opened.fd, &info) != 0 || ! S_ISREG (info.st_mode) || info.st_size > maxBytes)
        return false;

    const int flags = ::fcntl (opened.fd, F_GETFL);

    if (flags < 0 || ::fcntl (opened.fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return false;

    constexpr size_t pieceSize = 64 * 1024;
    juce::HeapBlock<char> piece (pieceSize);
    juce::int64 total = 0;

    for (;;)
    {
        const auto count = ::read (opened.fd, piece, pieceSize);

        if (count < 0 && errno == EINTR)
            continue;

        // Unreadable, or grown past the limit since it was measured.
        if (count < 0 || (total += count) > maxBytes)
            return false;

        if (! take (piece, (size_t) count, count == 0))
            return false;

        if (count == 0)
            return true;
    }
}

std::optional<juce::File> resolveLinks (const juce::File& file)
{
    auto path = file.getFullPathName();

    for (int links = 0; links <= kMaxLinks; ++links)
    {
        const auto slash = path.lastIndexOfChar ('/');

        if (slash < 0)
            return std::nullopt;

        const auto folder = realFolder (path.substring (0, slash));

        if (! folder.has_value())
            return std::nullopt;

        path = *folder + path.substring (slash);

        if (! isLink (path))
            return juce::File (path);

        // A relative target is taken from the link's folder, without
        // resolving its ".." by name: the next round asks the system.
        const auto target = juce::File (path).getNativeLinkedTarget();

        if (target.isEmpty())
            return std::nullopt;

        path = target.startsWithChar ('/') ? target : *folder + "/" + target;
    }

    return std::nullopt;
}

bool copyOwnerAndPermissions (const juce::File& original, const juce::File& copy)
{
    struct stat wanted {};

    if (::stat (original.getFullPathName().toRawUTF8(), &wanted) != 0)
        return errno == ENOENT;

    // Changed on a descriptor, so that a link put in the copy's place is not followed.
    const Descriptor opened (::open (copy.getFullPathName().toRawUTF8(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    struct stat made {};

    if (opened.fd < 0 || ::fstat (opened.fd, &made) != 0 || ! S_ISREG (made.st_mode) || made.st_size != 0)
        return false;

    auto mode = wanted.st_mode & 07777;

    // Only root may give a file away; an owner may give it a group of its own.
    if (::fchown (opened.fd, wanted.st_uid, wanted.st_gid) != 0 && ::fchown (opened.fd, (uid_t) -1, wanted.st_gid) != 0)
        mode = (mode & ~(mode_t) (S_ISGID | S_IRWXG)) | ((mode & S_IRWXO) << 3);

    // After the owner, since a change of owner may clear the set-id bits.
    return ::fchmod (opened.fd, mode) == 0;
}

bool syncFolder (const juce::File& folder)
{
    const Descriptor opened (::open (folder.getFullPathName().toRawUTF8(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));

    if (opened.fd < 0)
        return errno == EACCES;

    return ::fsync (opened.fd) == 0 || errno == EINVAL;
}
} // namespace PosixFiles
