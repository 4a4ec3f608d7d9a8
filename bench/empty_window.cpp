// The yardstick of the start-up measure: an empty Qt window of the main window's size.
#include <QApplication>
#include <QWidget>

#include "ScreenProbe.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ExitWhenFirstWindowIsOnScreen();
    QWidget window;
    window.resize(694, 572);
    window.show();
    return QApplication::exec();
}
