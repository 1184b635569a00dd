#ifndef ZELPDFEXPORT_H
#define ZELPDFEXPORT_H

#include "protocol/zelsafewrite.h"

class QTextDocument;

// A transcript saved as PDF, laid out as the printer would lay it out, and
// written through ZELSafeWrite: a PDF that cannot be written whole leaves the
// file of that name as it was, and says why.
namespace ZELPdfExport {

ZELSafeWrite::Result write(const QTextDocument &document, const QString &fileName);

} // namespace ZELPdfExport

#endif
