#pragma once
// Painter of one interactive board. The whole board is drawn in a single paintEvent from the
// fields of the model (no widget per cell), and mouse input is hit-tested to a cell or one of
// its visible candidate sub-panels and reported to the owner through BoardEvents. The widget
// never changes the model: the owner's handlers do, then call refreshFromModel().

#include "core/input.hpp"

#include <QWidget>

class QPainter;

namespace kestrel {

class TPICSD33;

/// Receiver of the board's mouse events; implemented by the window that owns the board.
/// Rows, columns and digits are 1..9.
class BoardEvents
{
public:
    virtual ~BoardEvents() = default;
    virtual void cellPressed(int row, int col, MouseButton button) = 0;
    virtual void candidatePressed(int row, int col, int digit, MouseButton button) = 0;
    virtual void cellEntered(int row, int col) = 0;
    virtual void cellLeft(int row, int col) = 0;
    virtual void candidateEntered(int row, int col, int digit) = 0;
    virtual void candidateLeft(int row, int col, int digit) = 0;
};

/// What lies under a point of the board: a cell (digit 0), one of its visible candidate
/// sub-panels (digit 1..9), or nothing (row 0: margins, box lines, outside).
struct HitTarget
{
    int row = 0;
    int col = 0;
    int digit = 0;

    bool isNothing() const { return row == 0; }
    friend bool operator==(const HitTarget &, const HitTarget &) = default;
};

class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    /// A widget painting `board` (not owned; may be null and set later).
    explicit BoardWidget(TPICSD33 *board = nullptr, QWidget *parent = nullptr);

    /// Paints `board` from now on (not owned). Any hover in progress is dropped silently.
    void setBoard(TPICSD33 *board);
    TPICSD33 *board() const { return m_board; }

    /// Sends mouse events to `events` (not owned; null for none).
    void setEvents(BoardEvents *events) { m_events = events; }

    /// The text shown on the board while the game is paused and the board covered.
    void setCoverText(const QString &text) { m_coverText = text; }
    /// Pixels of the widget per pixel of the designed 422 x 422 board (1 at the designed
    /// size): the board grows with the widget, keeping its square shape.
    double paintScale() const;

    /// The cell or visible sub-panel under `pos` (widget coordinates).
    HitTarget hitTest(QPoint pos) const;

    /// Schedules a repaint after the owner changed the model.
    void refreshFromModel() { update(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    /// Makes `target` the one hovered thing, reporting the leave of the old one first.
    void hover(HitTarget target);
    bool takesInput() const;
    void paintCover(QPainter &painter);

    TPICSD33 *m_board = nullptr;
    BoardEvents *m_events = nullptr;
    HitTarget m_hovered;
    QString m_coverText;
};

} // namespace kestrel
