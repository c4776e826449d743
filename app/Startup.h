#pragma once

#include <QString>

class Application;
class MainWindow;
class SingleInstance;

namespace Startup {

// The number 1..7 drawn for the front promotional label: r x 6 + 1 rounded to the
// nearest integer, exact halves to the even neighbour.
int coBrandNumber(float r);
// Brings coBrandLink (1, 3, 5) or fullBrandLink (2, 4, 6) to the front; 7 keeps the layout.
void showRandomPromotion(MainWindow& window, float r);

// The program's entry: false when another copy already runs and this one must end.
// A reading file named at start is opened once the main window is up; when another
// copy runs, that copy gets the file instead and this one ends without a message.
bool run(Application& application, SingleInstance& guard, const QString& readingPath = QString());

} // namespace Startup
