#ifndef ZELMARKUPBOUNDS_H
#define ZELMARKUPBOUNDS_H

#include <QString>

// The shape of received markup before the toolkit's HTML import reads it.
// That import costs far more than the length of the text once elements nest
// deeply (10,000 nested <b> take over a second, 100,000 many seconds), a
// table nested in tables is laid out in a time that doubles with every level,
// and a style sheet is matched against every element and its ancestors. No
// message a person writes comes near these bounds:
//
//     view->insertHtml(ZELMarkupBounds::shallow(received));
//
// shallow() reads the markup exactly as the import does (every '<' opens a
// tag, quotes and all) and keeps its own record of the open elements. Where
// the import would quietly close or move an element (a <p> inside a <p>, a
// second <li>, a cell outside a row) the result says so with an explicit
// closing tag or leaves the tag out, so that the record always matches the
// tree the import builds. Left out are: an element that would open deeper
// than Depth, a table inside TableDepth tables, a tag whose name is quoted or
// spelled with entities, a closing tag for nothing open, and a style sheet
// that is long, repeated or uses anything but plain selectors. Their text
// stays. Markup within the bounds comes back unchanged.
class ZELMarkupBounds
{
public:
    enum Limit {
        Depth = 256,             // open elements at once
        TableDepth = 4,          // tables inside each other
        StyleSheetLength = 4096  // characters of style sheets in one text
    };

    static QString shallow(const QString &html);
};

#endif
