#pragma once

#include "ui/AboutBox.h"
#include "app/Application.h"
#include "ui/MainWindow.h"
#include "ui/SupportScreen.h"
#include "testlib/AppSession.h"
#include "testlib/GuiTestHelpers.h"
#include "ui/ReportWindow.h"
#include "ui/ResultWindow.h"

#include <memory>

namespace GuiTest {

// The program's five windows at once, on the reading of Anna, born 25 March 1984: all on
// screen but the report window.
struct OpenWindows : AppSession
{
    std::unique_ptr<ReportWindow> report;
    std::unique_ptr<AboutBox> about;

    OpenWindows()
    {
        app.showMainWindow();
        app.showResultWindow(person(QStringLiteral("Anna"), QStringLiteral("Female"), 25, QStringLiteral("March"), 1984));
        app.showSupportScreen();
        ResultWindow* result = app.resultWindow();
        report = std::make_unique<ReportWindow>(app.platform(), result->birthData(), result->reading(), result);
        about = std::make_unique<AboutBox>(app.platform(), app.mainWindow());
        about->show();
    }

    // The window named name (its class name); stops the test program if there is none.
    QWidget* window(const QString& name) const
    {
        for (QWidget* w : {static_cast<QWidget*>(app.mainWindow()), static_cast<QWidget*>(app.resultWindow()),
                           static_cast<QWidget*>(report.get()), static_cast<QWidget*>(about.get()),
                           static_cast<QWidget*>(app.supportScreen())}) {
            if (w && w->objectName() == name)
                return w;
        }
        qFatal("window %s not found", qPrintable(name));
    }
};

} // namespace GuiTest
