#include "style/zelpdfexport.h"

#include <QIODevice>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

namespace ZELPdfExport {

ZELSafeWrite::Result write(const QTextDocument &document, const QString &fileName)
{
    // The printer's own PDF output writes straight into the file and reports
    // nothing: the same page goes into a device of ours instead.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return ZELSafeWrite::replace(fileName, [&](QIODevice &device) {
        QPdfWriter pdf(&device);
        pdf.setResolution(printer.resolution());
        pdf.setPageLayout(printer.pageLayout());
        document.print(&pdf);
        return true;
    });
}

} // namespace ZELPdfExport
