#include "XmlFile.h"

#include <cstring>

namespace
{
// The framework's parser recurses once per level of nesting, so a document
// nested some ten thousand levels deep would exhaust the stack. Our documents
// are three levels deep; anything far deeper is refused before parsing.
constexpr int kMaxNesting = 256;

bool nestsTooDeeply (const juce::String& text)
{
    int depth = 0;
    bool inTag = false, closingTag = false;
    juce::juce_wchar quote = 0, previous = 0;

    for (auto p = text.getCharPointer(); ! p.isEmpty(); ++p)
    {
        const auto c = *p;

        if (quote != 0)
        {
            if (c == quote)
                quote = 0;
        }
        else if (inTag)
        {
            if (c == '"' || c == '\'')
                quote = c;
            else if (c == '>')
            {
                inTag = false;

                if (closingTag || previous == '/')
                    --depth;
            }
        }
        else if (c == '<' && p[1] != '!' && p[1] != '?')
        {
            inTag = true;
            closingTag = p[1] == '/';

            if (! closingTag && ++depth > kMaxNesting)
                return true;
        }

        previous = c;
    }

    return false;
}

// Moves p past the text that ends with `close`; false when there is none.
bool skipPast (juce::String::CharPointerType& p, int openLength, const char* close)
{
    const int end = (p + openLength).indexOf (juce::CharPointer_ASCII (close));

    if (end < 0)
        return false;

    p += openLength + end + (int) std::strlen (close);
    return true;
}

// Skips blanks, comments and processing instructions, as the parser does
// before it looks for a document type declaration.
juce::String::CharPointerType skipProlog (juce::String::CharPointerType p)
{
    for (;;)
    {
        p = p.findEndOfWhitespace();

        const bool skipped = juce::CharacterFunctions::compareUpTo (p, juce::CharPointer_ASCII ("<!--"), 4) == 0
                                 ? skipPast (p, 4, "-->")
                                 : (p[0] == '<' && p[1] == '?' && skipPast (p, 2, "?>"));

        if (! skipped)
            return p;
    }
}

// Our documents carry no document type declaration. The framework expands the
// entities that one declares without a limit, so an entity that names itself
// recurses until the stack is gone; without the declaration every entity but
// the predefined ones stays unresolved.
juce::String withoutDocumentType (const juce::String& text)
{
    const auto start = skipProlog (text.getCharPointer());

    if (juce::CharacterFunctions::compareUpTo (start, juce::CharPointer_ASCII ("<!DOCTYPE"), 9) != 0)
        return text;

    auto end = start + 9;

    // The declaration ends at the '>' that balances its '<', as the parser counts.
    for (int depth = 1; depth > 0; ++end)
    {
        if (end.isEmpty())
            return text; // unterminated: the parser refuses the document anyway

        if (*end == '<')
            ++depth;
        else if (*end == '>')
            --depth;
    }

    return juce::String (text.getCharPointer(), start) + juce::String (end);
}
} // namespace

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

    const auto text = withoutDocumentType (file.loadFileAsString());

    if (nestsTooDeeply (text))
        return nullptr;

    return juce::XmlDocument::parse (text);
}
}
