#pragma once
// Shell of the edit-box board: 81 real line edits (they are typed into) placed, coloured and
// styled from a TSD33, with the board's grid lines painted underneath. Typed text goes to the
// model, which marks conflicts and restyles; the widget then re-reads every cell.

#include <QWidget>

#include <array>

class QLineEdit;

namespace kestrel {

class TSD33;

class EditBoardWidget : public QWidget
{
    Q_OBJECT

public:
    /// A widget showing `board` (not owned; must outlive the widget).
    explicit EditBoardWidget(TSD33 *board, QWidget *parent = nullptr);

    /// The board shown.
    TSD33 *board() const { return m_board; }

    /// The line edit of cell (row, col), both 1..9.
    QLineEdit *cellEdit(int row, int col) const;

    /// Re-reads size, geometry, text, colours, fonts and read-only flags from the model.
    void syncFromModel();

    QSize sizeHint() const override;

signals:
    /// The user changed the text of cell (row, col); the model has already taken it.
    void cellEdited(int row, int col);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeEditedText(int row, int col, const QString &text);

    TSD33 *m_board = nullptr;
    std::array<QLineEdit *, 91> m_edits{}; // indexed row * 9 + col
};

} // namespace kestrel
