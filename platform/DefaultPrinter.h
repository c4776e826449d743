#pragma once

class QTextDocument;

// Prints on the default printer as one job without any dialog; false when there is
// none or the job failed.
bool printOnDefaultPrinter(QTextDocument& document);
