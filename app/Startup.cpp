#include "app/Startup.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/UpdateReminder.h"
#include "platform/Platform.h"
#include "widgets/LinkLabel.h"

#include <QCoreApplication>

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
        LinkLabel::bringToFront(window.coBrandLabel(), window.fullBrandLabel());
    else if (n == 2 || n == 4 || n == 6)
        LinkLabel::bringToFront(window.fullBrandLabel(), window.coBrandLabel());
}

bool run(Application& application, SingleInstance& guard)
{
    Platform& platform = application.platform();
    if (!guard.acquire()) {
        platform.showMessage(nullptr, QCoreApplication::translate("Startup", "Application is already running"),
                             Platform::Icon::Information, Platform::Buttons::Ok);
        application.quitApplication();
        return false;
    }
    platform.seedRandom();
    UpdateReminder::checkForUpdate(application);
    application.showMainWindow();
    if (MainWindow* window = application.mainWindow())
        showRandomPromotion(*window, platform.nextRandom());
    return true;
}

} // namespace Startup
