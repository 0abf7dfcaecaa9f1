// The floor for the start-up benchmark: a Qt Widgets program showing one empty window with the
// program's client size, ending at its first paint.
#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Form1"));
    window.resize(531, 328);
    new QuitAtFirstPaint(&window, [] { QCoreApplication::quit(); });
    window.show();
    return QApplication::exec();
}
