#include "app/Startup.h"

#include "app/Application.h"
#include "ui/MainWindow.h"
#include "platform/SingleInstance.h"
#include "app/UpdateReminder.h"
#include "platform/Platform.h"
#include "widgets/LinkLabel.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <cmath>

namespace Startup {

int coBrandNumber(float r)
{
    // nearbyint follows the default rounding mode, which rounds halves to even. Double
    // precision, so that only an exact half is a tie.
    return int(std::nearbyint(double(r) * 6.0 + 1.0));
}

void showRandomPromotion(MainWindow& window, float r)
{
    const int n = coBrandNumber(r);
    if (n == 1 || n == 3 || n == 5)
        window.showOffer(window.coBrandLabel());
    else if (n == 2 || n == 4 || n == 6)
        window.showOffer(window.fullBrandLabel());
}

bool run(Application& application, SingleInstance& guard, const QString& readingPath)
{
    Platform& platform = application.platform();
    if (!guard.acquire()) {
        if (guard.handOff(readingPath))
            return false;
        // A file that the running copy did not take is named, so that it does not vanish
        // without a word.
        const QString text = readingPath.isEmpty()
                                 ? QCoreApplication::translate("Startup", "Application is already running")
                                 : QCoreApplication::translate("Startup", "Application is already running, but it did not "
                                                                          "take the reading file\n%1\nPlease open it there.")
                                       .arg(QDir::toNativeSeparators(readingPath));
        platform.showMessage(nullptr, text, Platform::Icon::Information, Platform::Buttons::Ok);
        application.quitApplication();
        return false;
    }
    // Listening before the update reminder's question: a file handed over meanwhile
    // waits until that question has been answered.
    guard.listen([&application](const QString& path) { application.openReadingFile(path); });
    platform.seedRandom();
    UpdateReminder::checkForUpdate(platform);
    application.showMainWindow();
    if (MainWindow* window = application.mainWindow()) {
        showRandomPromotion(*window, platform.nextRandom());
        // From the event loop, where the main window that the reopening closes is
        // also deleted.
        if (!readingPath.isEmpty())
            QTimer::singleShot(0, window, [&application, readingPath] { application.openReadingFile(readingPath); });
    }
    return true;
}

} // namespace Startup
