#include "board/qt/edit_board_widget.hpp"

#include "board/qt/colour.hpp"
#include "core/edit_board.hpp"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

/// Font sizes in the model are points at 96 dots per inch; the pixel size keeps the board
/// identical on every screen.
int pixelSizeFor(int points)
{
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

/// Keys that move the cursor or edit without typing a character; the cell's key filter lets
/// them through even when they carry a control character as text (Delete does on X11).
bool isNavigationOrEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

/// The cell's key filter: a key press typing a character passes only when the board accepts
/// that character. Keys without text (modifiers, function keys) pass.
bool passesKeyFilter(const QKeyEvent &event)
{
    if (isNavigationOrEditingKey(event.key()))
        return true;
    const QString text = event.text();
    if (text.isEmpty())
        return true;
    const QList<uint> codePoints = text.toUcs4();
    return codePoints.size() == 1 && TSD33::acceptsKey(static_cast<char32_t>(codePoints.front()));
}

} // namespace

EditBoardWidget::EditBoardWidget(TSD33 *board, QWidget *parent) : QWidget(parent), m_board(board)
{
    Q_ASSERT(m_board != nullptr);
    setAutoFillBackground(true); // the panel colour shows through the gaps between cells
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            auto *edit = new QLineEdit(this);
            edit->setFrame(false);
            edit->setAlignment(Qt::AlignCenter);
            edit->setMaxLength(9);
            edit->setFocusPolicy(Qt::ClickFocus); // no tab stop
            edit->setAttribute(Qt::WA_InputMethodEnabled, false);
            edit->setAcceptDrops(false); // a drop would bypass the key filter
            edit->setAutoFillBackground(true);
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, r, c](const QString &text) { takeEditedText(r, c, text); });
            m_edits[cellIndex(r, c)] = edit;
        }
    }
    syncFromModel();
}

QLineEdit *EditBoardWidget::cellEdit(int row, int col) const
{
    return m_edits[cellIndex(row, col)];
}

void EditBoardWidget::syncFromModel()
{
    const int size = m_board->width2();
    setFixedSize(size, size);
    const QString family = font().family();
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TSD33::TNode &node = m_board->cell(r, c);
            QLineEdit *edit = cellEdit(r, c);
            edit->setGeometry(node.left, node.top, node.width, node.height);

            // Only a real difference is written back, so the cursor of the cell being typed
            // into stays where it is.
            const QString text = QString::fromStdString(node.text);
            if (edit->text() != text)
                edit->setText(text);

            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, toQColor(node.color));
            palette.setColor(QPalette::Window, toQColor(node.color));
            palette.setColor(QPalette::Text, toQColor(node.fontColor));
            edit->setPalette(palette);

            QFont cellFont(family);
            cellFont.setPixelSize(pixelSizeFor(node.fontSize));
            edit->setFont(cellFont);
            edit->setReadOnly(node.readOnly);
        }
    }
    update();
}

QSize EditBoardWidget::sizeHint() const
{
    return {m_board->width2(), m_board->width2()};
}

void EditBoardWidget::paintEvent(QPaintEvent *)
{
    // Nine lines each way at the left and top edge of every column and row; none on the right
    // and bottom edges. Most of each line lies under the cells: it shows in the gaps.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    const int w = width();
    const int h = height();
    for (int i = 1; i <= 9; ++i) {
        const int x = (i - 1) * (w / 9);
        painter.drawLine(x, 0, x, w);
    }
    for (int i = 1; i <= 9; ++i) {
        const int y = (i - 1) * (h / 9);
        painter.drawLine(0, y, w, y);
    }
}

bool EditBoardWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched) != nullptr
        && !passesKeyFilter(*static_cast<QKeyEvent *>(event)))
        return true; // discarded
    return QWidget::eventFilter(watched, event);
}

void EditBoardWidget::takeEditedText(int row, int col, const QString &text)
{
    m_board->setCellText(row, col, text.toStdString());
    syncFromModel();
    emit cellEdited(row, col);
}

} // namespace kestrel
