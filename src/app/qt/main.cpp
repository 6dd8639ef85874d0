// Program entry of the Sudoku Kestrel game.
#include "app/main_form.hpp"
#include "app/qt/fonts.hpp"
#include "app/qt/main_window.hpp"
#include "platform/qt/qt_platform.hpp"

#include <QApplication>
#include <QScreen>
#include <QStyle>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SudokuKestrel"));
    QApplication::setOrganizationName(QStringLiteral("SudokuKestrel"));
    QApplication::setApplicationDisplayName(
        QString::fromUtf8(kestrel::kApplicationTitle.data(),
                          static_cast<qsizetype>(kestrel::kApplicationTitle.size())));
    kestrel::installFontSubstitutions();

    kestrel::QtPlatform platform;
    kestrel::TForm1 form(platform.platform());
    form.FormCreate();
    form.applyBoardAppearance();

    kestrel::MainWindow window(form);
    platform.setDialogParent(&window);
    // Centred on the screen.
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
