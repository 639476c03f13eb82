#include <QApplication>
#include <QMainWindow>

#include "Names.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramName);
    QMainWindow window;
    window.setWindowTitle(ProgramCaption);
    window.resize(370, 460);
    window.show();
    return app.exec();
}
