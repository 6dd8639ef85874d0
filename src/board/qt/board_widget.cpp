#include "board/qt/board_widget.hpp"

#include "board/qt/colour.hpp"
#include "core/board.hpp"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace kestrel {

namespace {

constexpr Colour kFrameColour = 0x000000FF; // hover frame: red
constexpr Colour kCursorColour = 0x0000A5FF; // keyboard cursor frame: orange
constexpr Colour kMistakeColour = 0x000000FE; // a mistake, as Check Error paints it
// A candidate the hint on show removes: red, so that it stands out on the white, cyan and magenta
// of the hint's highlights alike (a pale pink was lost on magenta; a strike through the digit made
// it hard to read).
constexpr Colour kRemovalColour = 0x003C50FF;
const QColor kCursorTint(255, 165, 0, 34); // the cursor's row, column and box
const QColor kCoverColour(96, 104, 120);
constexpr Colour kBevelLight = 0x00FFFFFF; // raised bevel, top and left
constexpr Colour kBevelDark = 0x00A0A0A0; // raised bevel, bottom and right

/// Font sizes in the model are points at 96 dots per inch; the pixel size keeps the board
/// identical on every screen.
QFont fontFor(const QString &family, int points)
{
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    return font;
}

enum class Bevel { Raised, None };

/// Paints one panel at `rect`: background, bevel, centred caption, then the hover frame.
void paintPanel(QPainter &painter, const QRect &rect, const Tmousepanel &panel, const QFont &font,
                Bevel bevel, Colour background)
{
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    painter.fillRect(rect, toQColor(background));
    if (bevel == Bevel::Raised) {
        // Dark wins at the two corners where the lines meet, as a raised Windows panel draws.
        painter.fillRect(x, y, w - 1, 1, toQColor(kBevelLight));
        painter.fillRect(x, y, 1, h - 1, toQColor(kBevelLight));
        painter.fillRect(x + w - 1, y, 1, h, toQColor(kBevelDark));
        painter.fillRect(x, y + h - 1, w, 1, toQColor(kBevelDark));
    }
    if (!panel.caption.empty()) {
        painter.setFont(font);
        painter.setPen(toQColor(panel.fontColor));
        painter.drawText(rect, Qt::AlignCenter, QString::fromStdString(panel.caption));
    }
    if (panel.isEnter()) {
        // Outline from (1, 1) to (w - 2, h - 2) exclusive, i.e. pixels 1..w-3 and 1..h-3. A
        // sub-panel's outline reaches down to h, past its bottom edge, so it stays open there.
        const QColor red = toQColor(kFrameColour);
        const int right = x + w - 3;
        if (panel.isBig()) {
            const int bottom = y + h - 3;
            painter.fillRect(x + 1, y + 1, w - 3, 1, red);
            painter.fillRect(x + 1, bottom, w - 3, 1, red);
            painter.fillRect(x + 1, y + 1, 1, h - 3, red);
            painter.fillRect(right, y + 1, 1, h - 3, red);
        } else {
            painter.fillRect(x + 1, y + 1, w - 3, 1, red);
            painter.fillRect(x + 1, y + 1, 1, h - 1, red);
            painter.fillRect(right, y + 1, 1, h - 1, red);
        }
    }
}

/// Index 1..9 of the cell whose 46-pixel span along one axis holds `p`, if any.
std::optional<int> lineAt(int p)
{
    for (int i = 1; i <= 9; ++i) {
        const int start = TPICSD33::cellOrigin(1, i).x;
        if (p >= start && p < start + TPicNode::kSize)
            return i;
    }
    return std::nullopt;
}

std::optional<MouseButton> buttonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

/// The cursor's frame: three pixels wide, just inside the cell.
void paintCursor(QPainter &painter, const BoardCursor &cursor)
{
    const PixelPos origin = TPICSD33::cellOrigin(cursor.row, cursor.col);
    QPen pen(toQColor(kCursorColour), 3);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(origin.x + 1.5, origin.y + 1.5, TPicNode::kSize - 3, TPicNode::kSize - 3));
}

/// Pixels of the widget per pixel of the designed board.
double scaleOf(const QWidget &widget)
{
    return std::max(1.0, std::min(widget.width(), widget.height()) / double(TPICSD33::kSize));
}

} // namespace

BoardWidget::BoardWidget(TPICSD33 *board, QWidget *parent) : QWidget(parent), m_board(board)
{
    setMinimumSize(TPICSD33::kSize, TPICSD33::kSize);
    resize(TPICSD33::kSize, TPICSD33::kSize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::setBoard(TPICSD33 *board)
{
    m_board = board;
    m_hovered = {};
    update();
}

QSize BoardWidget::sizeHint() const
{
    return {TPICSD33::kSize, TPICSD33::kSize};
}

HitTarget BoardWidget::hitTest(QPoint pos) const
{
    if (m_board == nullptr)
        return {};
    // Hit-tested on the designed board: the point is taken back by the painting scale.
    const double scale = scaleOf(*this);
    pos = QPoint(static_cast<int>(std::floor(pos.x() / scale)),
                 static_cast<int>(std::floor(pos.y() / scale)));
    const std::optional<int> row = lineAt(pos.y());
    const std::optional<int> col = lineAt(pos.x());
    if (!row || !col)
        return {};
    const TPicNode &node = m_board->cell(*row, *col);
    if (!node.visible)
        return {};
    const PixelPos origin = TPICSD33::cellOrigin(*row, *col);
    const QPoint inCell(pos.x() - origin.x, pos.y() - origin.y);
    for (int d = 1; d <= 9; ++d) {
        const PixelPos sub = TPicNode::subPanelOffset(d);
        const QRect rect(sub.x, sub.y, TPicNode::kSubSize, TPicNode::kSubSize);
        if (node.hxsPanels[d].visible && rect.contains(inCell))
            return {*row, *col, d};
    }
    return {*row, *col, 0};
}

double BoardWidget::paintScale() const
{
    return scaleOf(*this);
}

void BoardWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_board == nullptr)
        return;
    // The board is drawn at its designed size through the scale: the painter renders the
    // digits and lines at the widget's size and the screen's pixel density.
    painter.scale(paintScale(), paintScale());
    if (m_board->covered) {
        paintCover(painter);
        return;
    }
    const QString candidateFamily = QGuiApplication::font().family();
    const QString bigFamily = QString::fromStdString(m_board->fontName);
    const BoardCursor &cursor = m_board->cursor;
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            const TPicNode &node = m_board->cell(r, c);
            if (!node.visible)
                continue;
            const PixelPos origin = TPICSD33::cellOrigin(r, c);
            const QRect cellRect(origin.x, origin.y, TPicNode::kSize, TPicNode::kSize);
            const bool mistake = m_board->mistakes[static_cast<std::size_t>(cellIndex(r, c))];
            paintPanel(painter, cellRect, node, fontFor(bigFamily, node.fontSize), Bevel::Raised,
                       mistake ? kMistakeColour : node.color);
            const DigitSet removals
                = m_board->hintRemovals[static_cast<std::size_t>(cellIndex(r, c))];
            for (int d = 1; d <= 9; ++d) {
                const Tmousepanel &sub = node.hxsPanels[d];
                if (!sub.visible)
                    continue;
                const PixelPos offset = TPicNode::subPanelOffset(d);
                paintPanel(painter,
                           QRect(origin.x + offset.x, origin.y + offset.y, TPicNode::kSubSize,
                                 TPicNode::kSubSize),
                           sub, fontFor(candidateFamily, sub.fontSize), Bevel::None,
                           removals.has(d) ? kRemovalColour : sub.color);
            }
            if (cursor.visible && cursor.seesCell(r, c))
                painter.fillRect(cellRect, kCursorTint);
        }
    }
    if (cursor.visible)
        paintCursor(painter, cursor);
}

void BoardWidget::paintCover(QPainter &painter)
{
    const QRect board(0, 0, TPICSD33::kSize, TPICSD33::kSize);
    painter.fillRect(board.adjusted(2, 2, -2, -2), kCoverColour);
    painter.setPen(Qt::white);
    QFont font = fontFor(QGuiApplication::font().family(), 16);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(board, Qt::AlignCenter | Qt::TextWordWrap, m_coverText);
}

bool BoardWidget::takesInput() const
{
    return m_board != nullptr && m_board->enabled;
}

void BoardWidget::mousePressEvent(QMouseEvent *event)
{
    const std::optional<MouseButton> button = buttonOf(event->button());
    if (!takesInput() || !button || m_events == nullptr)
        return;
    const HitTarget target = hitTest(event->position().toPoint());
    if (target.isNothing())
        return;
    if (target.digit == 0)
        m_events->cellPressed(target.row, target.col, *button);
    else
        m_events->candidatePressed(target.row, target.col, target.digit, *button);
}

void BoardWidget::mouseMoveEvent(QMouseEvent *event)
{
    hover(takesInput() ? hitTest(event->position().toPoint()) : HitTarget{});
}

void BoardWidget::enterEvent(QEnterEvent *event)
{
    hover(takesInput() ? hitTest(event->position().toPoint()) : HitTarget{});
}

void BoardWidget::leaveEvent(QEvent *)
{
    hover({});
}

void BoardWidget::hover(HitTarget target)
{
    if (target == m_hovered)
        return;
    const HitTarget old = m_hovered;
    m_hovered = target;
    if (m_events == nullptr)
        return;
    if (!old.isNothing()) {
        if (old.digit == 0)
            m_events->cellLeft(old.row, old.col);
        else
            m_events->candidateLeft(old.row, old.col, old.digit);
    }
    if (!target.isNothing()) {
        if (target.digit == 0)
            m_events->cellEntered(target.row, target.col);
        else
            m_events->candidateEntered(target.row, target.col, target.digit);
    }
}

} // namespace kestrel
