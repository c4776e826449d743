#include "platform/DefaultPrinter.h"

#include "site/Captions.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

bool printOnDefaultPrinter(QTextDocument& document)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return false;
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(Captions::applicationTitle());
    printer.setColorMode(QPrinter::Color);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}
