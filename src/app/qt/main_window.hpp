#pragma once
// The Qt shell of the main window: one widget per control of TForm1, placed at its designed
// position; events go to TForm1's handlers, and after each handler the widgets are synced
// from the logic's state.

#include "board/qt/board_widget.hpp"

#include <QMainWindow>

#include <functional>
#include <map>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace kestrel {

class TForm1;
class ColorGridWidget;
class Dialogs;
class SolverDialog;
class CandidatePadDialog;

class MainWindow : public QMainWindow, private BoardEvents
{
    Q_OBJECT
public:
    /// Builds the window for `form`, whose FormCreate has already run; `dialogs` is the
    /// platform's, for the developer windows that report through message boxes.
    MainWindow(TForm1 &form, Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Re-reads every control's state from the logic and repaints the board.
    void syncFromModel();

    BoardWidget *boardWidget() const { return m_board; }
    /// The widget or action of the control named `name` (for tests); null when none.
    QObject *controlObject(const std::string &name) const;
    QWidget *clientArea() const { return m_client; }
    /// The secondary windows the logic opens by name, for the platform's window host.
    const std::map<std::string, QWidget *> &secondaryWindows() const { return m_secondaryWindows; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void buildClientArea();
    void buildToolBars();
    void buildSidePanel();
    void buildBoardFrame();
    void menuTriggered(const std::string &name);
    void watchHover(QWidget *widget, const std::string &name);
    void addCheckBox(QWidget *parent, const std::string &name, const QRect &geometry);
    void runAndSync(const std::function<void()> &handler);
    void syncClock();
    void showSolverWindow();
    void syncCandidatePad();

    // BoardEvents
    void cellPressed(int row, int col, MouseButton button) override;
    void candidatePressed(int row, int col, int digit, MouseButton button) override;
    void cellEntered(int row, int col) override;
    void cellLeft(int row, int col) override;
    void candidateEntered(int row, int col, int digit) override;
    void candidateLeft(int row, int col, int digit) override;

    TForm1 &m_form;
    Dialogs &m_dialogs;
    SolverDialog *m_solverDialog = nullptr;
    CandidatePadDialog *m_padDialog = nullptr;
    QWidget *m_client = nullptr;
    BoardWidget *m_board = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_clock = nullptr;
    QTimer *m_clockTimer = nullptr;
    QLabel *m_level = nullptr;
    ColorGridWidget *m_colorGrid = nullptr;
    std::map<std::string, QMenu *> m_menus;
    std::map<std::string, QAction *> m_actions;
    std::map<std::string, QWidget *> m_widgets;
    std::map<QObject *, std::string> m_hoverNames;
    std::map<std::string, QWidget *> m_secondaryWindows;
};

} // namespace kestrel
