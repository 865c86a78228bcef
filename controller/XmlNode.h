#pragma once

#include <string>
#include <utility>
#include <vector>

/** One element of a document read from disk: its name, its attributes in
    document order and its child elements; text is not kept, because nothing
    that reads our files looks at it. Names and values are UTF-8. */
struct XmlNode
{
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::vector<XmlNode> children;
};
