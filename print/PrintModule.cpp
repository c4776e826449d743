// Printing lives in a module of its own, loaded when the first report is printed: Qt's
// print support library then stays out of every start of the program.
#include "print/PrintModule.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

extern "C" Q_DECL_EXPORT bool zarvo_print_document(QTextDocument* document, const QString* documentName)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return false;
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(*documentName);
    printer.setColorMode(QPrinter::Color);
    document->print(&printer);
    return printer.printerState() != QPrinter::Error;
}
