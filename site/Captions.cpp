#include "site/Captions.h"

#include "site/BuildSettings.h"

#include <QCoreApplication>

namespace Captions {

QString windowCaption()
{
    return QCoreApplication::translate("Captions", "Zarvo Tibetan Astrology v%1").arg(QLatin1String(BuildSettings::Version));
}

QString applicationTitle()
{
    return QCoreApplication::translate("Captions", "Zarvo Tibetan Astrology");
}

} // namespace Captions
