#include "board/qt/mouse_progress_bar.hpp"

#include "board/qt/colour.hpp"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace kestrel {

Tmousepb::Tmousepb(QWidget *parent) : QWidget(parent)
{ }

void Tmousepb::setMaximum(int maximum)
{
    m_maximum = std::max(1, maximum);
    update();
}

void Tmousepb::setPosition(int position)
{
    position = std::clamp(position, 0, m_maximum);
    if (position != m_position) {
        m_position = position;
        update();
    }
}

void Tmousepb::setBarColour(std::uint32_t colour)
{
    if (colour != m_colour) {
        m_colour = colour;
        update();
    }
}

void Tmousepb::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect outer = rect();
    // Sunken well.
    p.fillRect(outer, QColor(0xF4, 0xF4, 0xF4));
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawLine(outer.topLeft(), outer.topRight());
    p.drawLine(outer.topLeft(), outer.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(outer.bottomLeft(), outer.bottomRight());
    p.drawLine(outer.topRight(), outer.bottomRight());

    // Filled from the bottom, one block per unit with a one-pixel gap, as Windows draws it.
    const QRect inner = outer.adjusted(2, 2, -2, -2);
    const double unit = static_cast<double>(inner.height()) / m_maximum;
    const QColor colour = toQColor(m_colour);
    for (int i = 0; i < m_position; ++i) {
        const int bottom = inner.bottom() - static_cast<int>(i * unit);
        const int top = inner.bottom() - static_cast<int>((i + 1) * unit) + 2;
        p.fillRect(QRect(QPoint(inner.left(), top), QPoint(inner.right(), bottom)), colour);
    }
}

void Tmousepb::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
}

void Tmousepb::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    emit OnMouseEnter();
}

void Tmousepb::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit OnMouseLeave();
}

} // namespace kestrel
