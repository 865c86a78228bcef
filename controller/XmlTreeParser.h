#pragma once

#include "XmlNode.h"

#include <cstddef>
#include <memory>

/** Builds an XmlNode tree from untrusted XML bytes with expat, a streaming,
    non-recursive parser that loads no external entities and bounds entity
    expansion. Feed the bytes in pieces, then take the document.

    A document is refused (no tree) when it is not well-formed, nests elements
    deeper than kMaxDepth or declares more than kMaxEntityDeclarations
    entities. An entity reference that the document does not declare stays
    unresolved instead of failing the parse, as our documents have always been
    read.
*/
class XmlTreeParser
{
public:
    /** Far deeper than any of our documents (three levels), and shallow
        enough that walking or freeing the tree can't exhaust the stack. */
    static constexpr int kMaxDepth = 256;

    /** Our documents declare none; a long chain of entities that name each
        other would only serve to make the expansion costly. */
    static constexpr int kMaxEntityDeclarations = 64;

    XmlTreeParser();
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
