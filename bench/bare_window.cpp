// The reference for the editor's start: a bare Qt main window of the same
// size, shown as soon as the application object exists.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
