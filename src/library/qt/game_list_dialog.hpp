#pragma once
// The game list's shell: the two-column grid of saved games and its four buttons. It only
// paints `Tfrmgamelist` and forwards the presses.

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace kestrel {

class Tfrmgamelist;

class GameListDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GameListDialog(Tfrmgamelist &logic, QWidget *parent = nullptr);

    /// Re-reads the captions and the grid from the logic.
    void syncFromModel();

signals:
    /// A game was loaded into the main board.
    void boardChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void afterPress();

    Tfrmgamelist &m_logic;
    QTableWidget *m_grid;
    QPushButton *m_delete;
    QPushButton *m_rename;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace kestrel
