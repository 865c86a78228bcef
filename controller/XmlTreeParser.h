#pragma once

#include "XmlNode.h"

#include <cstddef>
#include <memory>

/** Builds an XmlNode tree from untrusted XML bytes with expat, a streaming,
    non-recursive parser that loads no external entities. Feed the bytes in
    pieces, then take the document.

    A document is refused (no tree) when it is not well-formed, declares an
    entity or an attribute's default value, or passes one of the limits
    below. Those declarations are what lets a small file stand for a huge
    document, each reference or element taking a copy, and our documents
    never have them; a document type declaration that declares neither is
    read as usual. An entity reference that the document does not declare
    stays unresolved instead of failing the parse, as our documents have
    always been read.

    So whatever its shape, parsing a document costs at most some 25 MiB
    beside the text of its names and values, however many bytes it has.
*/
class XmlTreeParser
{
public:
    /** Far deeper than any of our documents (three levels), and shallow
        enough that walking or freeing the tree can't exhaust the stack. */
    static constexpr int kMaxDepth = 256;

    /** Far more than our documents hold (about 150 elements and 1,100
        attributes), and few enough that the tree stays small whatever the
        shape: the emptiest element costs the tree some 100 bytes, an
        attribute some 70 bytes beside its text. */
    static constexpr int kMaxElements = 10000;
    static constexpr int kMaxAttributes = 100000;

    /** What expat may take for itself. Our documents need some 20 KB, a
        single value as long as the file size allows about 12 MiB; one
        element with the most attributes that fit in such a file would take
        some 60 MiB before any of them reached the tree. */
    static constexpr size_t kMaxParserBytes = 16 * 1024 * 1024;

    explicit XmlTreeParser (size_t maxParserBytes = kMaxParserBytes);
    ~XmlTreeParser();

    /** Parses the next piece; isFinal marks the last one. False once the
        document has been refused, after which further pieces are ignored. */
    bool feed (const void* data, size_t size, bool isFinal);

    /** The root element after the final piece; null when the document was
        refused or the final piece has not been fed. */
    std::unique_ptr<XmlNode> takeDocument();

    /** Parses a whole document held in memory. */
    static std::unique_ptr<XmlNode> parse (const void* data, size_t size);

private:
    struct State;
    std::unique_ptr<State> state;

    XmlTreeParser (const XmlTreeParser&) = delete;
    XmlTreeParser& operator= (const XmlTreeParser&) = delete;
};
