#include "app/qt/color_grid_widget.hpp"

#include "board/qt/colour.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace kestrel {

ColorGridWidget::ColorGridWidget(QWidget *parent) : QWidget(parent)
{ }

void ColorGridWidget::setColours(const std::array<std::uint32_t, 16> &colours)
{
    m_colours = colours;
    update();
}

void ColorGridWidget::setSelectedIndex(int index)
{
    if (index != m_selected) {
        m_selected = index;
        update();
    }
}

QRect ColorGridWidget::swatchRect(int index) const
{
    const int w = width() / 4;
    const int h = height() / 4;
    return {(index % 4) * w, (index / 4) * h, w, h};
}

int ColorGridWidget::indexAt(QPoint pos) const
{
    for (int i = 0; i < 16; ++i)
        if (swatchRect(i).contains(pos))
            return i;
    return -1;
}

void ColorGridWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int i = 0; i < 16; ++i) {
        const QRect r = swatchRect(i);
        const QColor colour = toQColor(m_colours[static_cast<std::size_t>(i)]);
        p.fillRect(r, colour);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        if (i == m_selected) {
            // Mark the selection in a colour that stands out on the swatch.
            const QColor ink = colour.lightness() > 128 ? Qt::black : Qt::white;
            p.setPen(QPen(ink, 2));
            p.drawRect(r.adjusted(2, 2, -2, -2));
            QFont f = font();
            f.setPixelSize(10);
            f.setBold(true);
            p.setFont(f);
            p.drawText(r, Qt::AlignCenter, QStringLiteral("FG"));
        }
    }
}

void ColorGridWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = indexAt(event->position().toPoint());
    if (index >= 0)
        emit colourClicked(index);
}

} // namespace kestrel
