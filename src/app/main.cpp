// Program entry of the Sudoku Kestrel game.
#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    return 0;
}
