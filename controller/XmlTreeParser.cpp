#include "XmlTreeParser.h"

#include "ExpatMemoryBudget.h"

#include <algorithm>
#include <climits>

struct XmlTreeParser::State
{
    explicit State (size_t maxParserBytes) : budget (maxParserBytes)
    {
        const ExpatMemoryBudget::Scope scope (budget);
        parser = XML_ParserCreate_MM (nullptr, &ExpatMemoryBudget::suite, nullptr);
    }

    ~State()
    {
        if (parser != nullptr)
            XML_ParserFree (parser);
    }

    ExpatMemoryBudget budget;
    XML_Parser parser = nullptr;
    std::vector<XmlNode> open; // the elements not yet closed, outermost first
    std::unique_ptr<XmlNode> root;
    int elements = 0, attributes = 0;
    bool refused = false, finished = false;

    void refuse()
    {
        refused = true;
        XML_StopParser (parser, XML_FALSE);
    }

    static void XMLCALL startElement (void* userData, const XML_Char* name, const XML_Char** attributes)
    {
        auto& s = *static_cast<State*> (userData);

        if (s.refused)
            return;

        auto end = attributes;
        while (*end != nullptr)
            end += 2;

        const auto count = (int) ((end - attributes) / 2);

        if ((int) s.open.size() >= kMaxDepth || ++s.elements > kMaxElements
            || count > kMaxAttributes - s.attributes)
            return s.refuse();

        s.attributes += count;

        auto& node = s.open.emplace_back();
        node.name = name;
        node.attributes.reserve ((size_t) count);

        for (auto a = attributes; a != end; a += 2)
            node.attributes.emplace_back (a[0], a[1]);
    }

    static void XMLCALL endElement (void* userData, const XML_Char*)
    {
        auto& s = *static_cast<State*> (userData);

        // Expat may still report the end of the element whose start was refused.
        if (s.refused)
            return;

        auto node = std::move (s.open.back());
        s.open.pop_back();

        if (s.open.empty())
            s.root = std::make_unique<XmlNode> (std::move (node));
        else
            s.open.back().children.push_back (std::move (node));
    }

    static void XMLCALL entityDeclaration (void* userData, const XML_Char*, int, const XML_Char*, int,
                                           const XML_Char*, const XML_Char*, const XML_Char*, const XML_Char*)
    {
        static_cast<State*> (userData)->refuse();
    }

    static void XMLCALL attributeListDeclaration (void* userData, const XML_Char*, const XML_Char*,
                                                  const XML_Char*, const XML_Char* defaultValue, int)
    {
        if (defaultValue != nullptr)
            static_cast<State*> (userData)->refuse();
    }
};

XmlTreeParser::XmlTreeParser (size_t maxParserBytes) : state (std::make_unique<State> (maxParserBytes))
{
    auto* parser = state->parser;

    if (parser == nullptr)
    {
        state->refused = true;
        return;
    }

    XML_SetUserData (parser, state.get());
    XML_SetElementHandler (parser, State::startElement, State::endElement);
    XML_SetEntityDeclHandler (parser, State::entityDeclaration);
    XML_SetAttlistDeclHandler (parser, State::attributeListDeclaration);

    // Behave as if the document had an external declaration subset that we
    // never read: a reference to an entity it does not declare is then
    // skipped rather than fatal. No external entity is ever loaded, since no
    // handler for them is set.
    XML_UseForeignDTD (parser, XML_TRUE);
}

XmlTreeParser::~XmlTreeParser() = default;

bool XmlTreeParser::feed (const void* data, size_t size, bool isFinal)
{
    auto& s = *state;

    if (s.refused || s.finished)
        return ! s.refused;

    const ExpatMemoryBudget::Scope scope (s.budget);
    auto* bytes = static_cast<const char*> (data);

    do
    {
        const auto piece = std::min (size, (size_t) INT_MAX);
        size -= piece;
        const bool last = isFinal && size == 0;

        if (XML_Parse (s.parser, bytes, (int) piece, last ? XML_TRUE : XML_FALSE) != XML_STATUS_OK)
        {
            s.refused = true;
            return false;
        }

        bytes += piece;
    } while (size > 0);

    s.finished = isFinal;
    return true;
}

std::unique_ptr<XmlNode> XmlTreeParser::takeDocument()
{
    if (state->refused || ! state->finished)
        return nullptr;

    return std::move (state->root);
}

std::unique_ptr<XmlNode> XmlTreeParser::parse (const void* data, size_t size)
{
    XmlTreeParser parser;
    parser.feed (data, size, true);
    return parser.takeDocument();
}
