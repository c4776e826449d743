#pragma once

#include <QString>

class Application;
class MainWindow;
class SingleInstance;

namespace Startup {

// The number 1..7 drawn for the front promotional label: r x 6 + 1 rounded to the
// nearest integer, exact halves to the even neighbour.
int coBrandNumber(float r);
// Shows the co-brand offer (1, 3, 5) or the fully branded one (2, 4, 6); 7 keeps the
// fully branded one the window starts with.
void showRandomPromotion(MainWindow& window, float r);

// The program's entry: false when another copy already runs and this one must end.
// A reading file named at start is opened once the main window is up; when another
// copy runs, that copy gets the file instead and this one ends without a message. An
// address named at start that names no file here is named in a message, by the copy
// that runs on.
bool run(Application& application, SingleInstance& guard, const QString& readingPath = QString(),
         const QString& foreignAddress = QString());

} // namespace Startup
