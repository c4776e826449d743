#include "app/Startup.h"

#include "app/Application.h"
#include "ui/MainWindow.h"
#include "platform/SingleInstance.h"
#include "app/UpdateReminder.h"
#include "platform/LocalFiles.h"
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

namespace {

QString foreignAddressReason()
{
    return QCoreApplication::translate("Startup", "the address names no file on this computer");
}

} // namespace

bool run(Application& application, SingleInstance& guard, const QString& readingPath, const QString& foreignAddress)
{
    Platform& platform = application.platform();
    if (!guard.acquire()) {
        if (guard.handOff(readingPath))
            return false;
        // A file that the running copy did not take, or an address that names no file
        // here, is named, so that it does not vanish without a word.
        QString text = QCoreApplication::translate("Startup", "Application is already running");
        if (!readingPath.isEmpty())
            text = QCoreApplication::translate("Startup", "Application is already running, but it did not "
                                                          "take the reading file\n%1\nPlease open it there.")
                       .arg(LocalFiles::forDisplay(QDir::toNativeSeparators(readingPath)));
        else if (!foreignAddress.isEmpty())
            text = QCoreApplication::translate("Startup", "Application is already running.\n%1\nThe reading file "
                                                          "could not be opened (%2).")
                       .arg(LocalFiles::forDisplay(foreignAddress), foreignAddressReason());
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
        else if (!foreignAddress.isEmpty())
            QTimer::singleShot(0, window, [&platform, window, foreignAddress] {
                platform.showMessage(window, Application::notOpenedMessage(foreignAddress, foreignAddressReason()),
                                     Platform::Icon::Critical, Platform::Buttons::Ok);
            });
    }
    return true;
}

} // namespace Startup
