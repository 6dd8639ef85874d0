// Program entry of the Sudoku Kestrel game.
#include "app/main_form.hpp"
#include "app/qt/fonts.hpp"
#include "app/qt/main_window.hpp"
#include "platform/qt/qt_platform.hpp"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <optional>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SudokuKestrel"));
    QApplication::setOrganizationName(QStringLiteral("SudokuKestrel"));
    // Ties the windows to the installed desktop entry (its name and icon in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.sudokukestrel.SudokuKestrel"));
    QApplication::setApplicationDisplayName(
        QString::fromUtf8(kestrel::kApplicationTitle.data(),
                          static_cast<qsizetype>(kestrel::kApplicationTitle.size())));
    kestrel::installFontSubstitutions();

    kestrel::QtPlatform platform;
    kestrel::TForm1 form(platform.platform());
    // A fixed seed makes the puzzles drawn reproducible (for testing a session by hand).
    std::optional<kestrel::MersenneRandom> seeded;
    if (qEnvironmentVariableIsSet("KESTREL_SEED")) {
        seeded.emplace(qEnvironmentVariable("KESTREL_SEED").toULongLong());
        form.game().setRandomSource(*seeded);
    }
    form.FormCreate();
    form.applyBoardAppearance();

    // The hidden developer menu (solver window, language tables) on request.
    if (qEnvironmentVariableIsSet("KESTREL_DEVELOPER"))
        form.showDeveloperMenu();
    kestrel::MainWindow window(form, platform.platform().dialogs);
    platform.setDialogParent(&window);
    for (const auto &[name, widget] : window.secondaryWindows())
        platform.windows().registerWindow(name, widget);
    for (auto &[name, make] : window.windowsMadeOnDemand())
        platform.windows().registerWindowMaker(name, std::move(make));
    platform.windows().setBoardFrame(window.boardFrame());
    // Centred on the screen.
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
