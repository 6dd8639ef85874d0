#pragma once
// The Qt shell of the main window: one widget or menu action per row of the control table,
// placed at its designed position; events go to TForm1 and the game, and after each one the
// widgets are synced from the logic's state.

#include "app/language_table.hpp"
#include "app/main_controls.hpp"
#include "board/qt/board_widget.hpp"
#include "platform/qt/qt_translations.hpp"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QTimer;

namespace kestrel {

class TForm1;
class ColorGridWidget;
class Dialogs;
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
    /// The widget or menu action of control `id` (for tests); null when none.
    QObject *controlObject(ControlId id) const;
    QWidget *clientArea() const { return m_client; }
    /// The board frame `Panel1` (labels, board, level caption), which Save as picture grabs.
    QWidget *boardFrame() const { return m_widgets[static_cast<std::size_t>(ControlId::Panel1)]; }
    /// The secondary windows the logic opens by name, for the platform's window host.
    const std::map<std::string, QWidget *> &secondaryWindows() const { return m_secondaryWindows; }
    /// The windows made afresh for each showing (the About window), by the same names.
    std::map<std::string, std::function<QDialog *()>> windowsMadeOnDemand();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void buildClientArea();
    QWidget *buildControl(const ControlRow &row, QWidget *parent);
    QWidget *buildClock(const ControlRow &row, QWidget *parent);
    QWidget *buildProgressBar(const ControlRow &row, QWidget *parent);
    QWidget *buildToolButton(const ControlRow &row, QWidget *parent);
    QWidget *buildDigitButton(const ControlRow &row, QWidget *parent);
    QWidget *buildLabel(const ControlRow &row, QWidget *parent);
    void buildBoard(QWidget *panel);
    void buildBranchLine();
    /// Places every control for the client area's present size (the board grows with it).
    void layOutClientArea();
    void watchHover(QWidget *widget, ControlId id);
    void runAndSync(const std::function<void()> &handler);
    void syncControl(ControlId id);
    void syncClock();
    void syncLanguage();
    void syncCandidatePad();
    bool forwardKey(QObject *watched, QEvent *event);

    // BoardEvents
    void cellPressed(int row, int col, MouseButton button) override;
    void candidatePressed(int row, int col, int digit, MouseButton button) override;
    void cellEntered(int row, int col) override;
    void cellLeft(int row, int col) override;
    void candidateEntered(int row, int col, int digit) override;
    void candidateLeft(int row, int col, int digit) override;

    TForm1 &m_form;
    Dialogs &m_dialogs;
    CandidatePadDialog *m_padDialog = nullptr;
    QWidget *m_client = nullptr;
    BoardWidget *m_board = nullptr;
    QTimer *m_clockTimer = nullptr;
    ColorGridWidget *m_colorGrid = nullptr;
    std::array<QMenu *, kControlCount> m_menus{};
    std::array<QAction *, kControlCount> m_actions{};
    std::array<QWidget *, kControlCount> m_widgets{};
    std::array<QLabel *, 9> m_rowLabels{};
    std::array<QLabel *, 9> m_colLabels{};
    std::array<QLabel *, 9> m_barDigits{}; ///< the digit under each progress bar
    QLabel *m_branchLine = nullptr;
    std::map<QObject *, ControlId> m_hoverIds;
    std::map<std::string, QWidget *> m_secondaryWindows;
    QtTranslations m_qtTexts;
    std::optional<Language> m_shownLanguage;
};

} // namespace kestrel
