#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace varnholt {

// A fault in a file's XML: the line it is on and what is wrong, in plain words.
class XmlSyntaxError : public std::runtime_error {
public:
    XmlSyntaxError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

struct XmlAttribute {
    std::string_view name;  // as written
    std::string value;      // references replaced
};

struct XmlStartTag {
    std::string_view name;       // as written, a prefix included
    std::string_view localName;  // without its prefix: "x:Depths" is "Depths"
    std::vector<XmlAttribute> attributes;
    int line = 0;

    const std::string* attribute(std::string_view attributeName) const;
};

// What a reader of the elements is told, in document order.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void start(const XmlStartTag& tag) = 0;
    // The character data of the innermost open element, CDATA included and references
    // replaced; one element's text may come in several pieces.
    virtual void text(std::string_view chars) = 0;
    virtual void end() = 0;
};

// Reads well-formed XML from memory: a UTF-8 byte order mark, the declaration and other
// processing instructions, comments, CDATA, attributes in either quote, self-closing tags, the
// five predefined entities and numeric character references. Namespaces are not resolved; a
// reader matches local names. A DOCTYPE is refused so that no entity is ever defined or
// expanded. Throws XmlSyntaxError at the first fault.
void readXml(std::string_view contents, XmlHandler& handler);

}  // namespace varnholt
