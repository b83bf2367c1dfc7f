// Placeholder entry point until the main window exists.
#include <QApplication>
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
