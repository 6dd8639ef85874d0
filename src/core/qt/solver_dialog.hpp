#pragma once
// Developer window of the solver: its edit-box board, the puzzle field and the four buttons
// that drive the reference search by hand. Players never see it; a hidden developer entry of
// the main window opens it. All behaviour lives in Tfrm_sol; this only forwards the buttons
// and re-reads the logic afterwards.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kestrel {

class Dialogs;
class EditBoardWidget;
class Tfrm_sol;

class SolverDialog : public QDialog
{
    Q_OBJECT

public:
    /// A window on `logic` (not owned) that reports the "solver" message through `dialogs`
    /// (not owned).
    SolverDialog(Tfrm_sol &logic, Dialogs &dialogs, QWidget *parent = nullptr);

    /// The board widget showing `Tfrm_sol::so`.
    EditBoardWidget *boardWidget() const { return m_board; }
    /// The puzzle field `Edit1`.
    QLineEdit *puzzleEdit() const { return m_edit1; }
    /// The button of the given caption ("Set Table", "solver", "show da", "clear"), or null.
    QPushButton *button(const QString &caption) const;

    /// Re-reads the puzzle field and the board from the logic.
    void syncFromLogic();

private:
    Tfrm_sol &m_logic;
    Dialogs &m_dialogs;
    EditBoardWidget *m_board = nullptr;
    QLineEdit *m_edit1 = nullptr;
};

} // namespace kestrel
