#pragma once
// The Import-or-create window's shell: the create board and the column of buttons. The
// logic (Tfrm_new) handles every press; the shell re-reads the board after each one.

#include "board/qt/board_widget.hpp"

#include <QDialog>

class QPushButton;

namespace kestrel {

class Tfrm_new;

class CreatePuzzleDialog : public QDialog, public BoardEvents
{
    Q_OBJECT
public:
    explicit CreatePuzzleDialog(Tfrm_new &logic, QWidget *parent = nullptr);
    ~CreatePuzzleDialog() override;

    BoardWidget *board() const { return m_board; }
    void syncFromModel();

    // BoardEvents
    void cellPressed(int row, int col, MouseButton button) override;
    void candidatePressed(int row, int col, int digit, MouseButton button) override;
    void cellEntered(int row, int col) override;
    void cellLeft(int row, int col) override;
    void candidateEntered(int row, int col, int digit) override;
    void candidateLeft(int row, int col, int digit) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *addButton(int top, int height, void (Tfrm_new::*handler)());

    Tfrm_new &m_logic;
    BoardWidget *m_board;
    QPushButton *m_load;
    QPushButton *m_import;
    QPushButton *m_clear;
    QPushButton *m_check;
    QPushButton *m_play;
    QPushButton *m_quit;
};

} // namespace kestrel
