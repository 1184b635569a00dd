#ifndef ZELXMLBOUNDS_H
#define ZELXMLBOUNDS_H

#include <QStringView>

// What a document the client reads into a DOM may hold, checked in one pass
// over its text before the DOM is built. Building a DOM costs far more than
// the text's length on deep nesting and on many attributes in one element,
// and its memory grows with every node: a document past these bounds is
// taken for one that does not parse.
class ZELXmlBounds
{
public:
    // The deepest server message is four elements deep (a contact list sent
    // as records: the root, OTHERS, one record, its values), the preferences
    // file three; no element of either carries an attribute.
    static constexpr int MaxDepth = 32;
    static constexpr int MaxAttributes = 16;
    // Elements, runs of character data, comments, processing instructions
    // and entity references in all. A list of 50,000 contacts sent as
    // records is some 850,000.
    static constexpr qsizetype MaxNodes = 4'000'000;

    // Whether the text stays within the bounds up to where an XML reader
    // would stop reading it (the end of the text, text that cannot follow the
    // root element, or markup that does not end). A document type with an
    // internal subset never does: the entities it declares may expand into
    // markup that no scan of the text sees.
    static bool allows(QStringView text);
};

#endif
