#pragma once

class Application;
class MainWindow;
class SingleInstance;

namespace Startup {

// The number 1..7 drawn for the front promotional label: r x 6 + 1 rounded to the
// nearest integer, exact halves to the even neighbour.
int coBrandNumber(float r);
// Brings lblCobrand (1, 3, 5) or lblFullBrand (2, 4, 6) to the front; 7 keeps the layout.
void showRandomPromotion(MainWindow& window, float r);

// The program's entry: false when another copy already runs and this one must end.
bool run(Application& application, SingleInstance& guard);

} // namespace Startup
