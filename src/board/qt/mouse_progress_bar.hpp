#pragma once
// A vertical progress bar that reports presses and the mouse entering and leaving it: the
// per-digit bars below the side panel.

#include <QWidget>

#include <cstdint>

namespace kestrel {

class Tmousepb : public QWidget
{
    Q_OBJECT
public:
    explicit Tmousepb(QWidget *parent = nullptr);

    /// Range 0..maximum; position is clamped into it.
    void setMaximum(int maximum);
    void setPosition(int position);
    int position() const { return m_position; }
    /// Colour of the filled part, $00BBGGRR.
    void setBarColour(std::uint32_t colour);

signals:
    void pressed(Qt::MouseButton button);
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    int m_maximum = 9;
    int m_position = 0;
    std::uint32_t m_colour = 0x00FF0000;
};

} // namespace kestrel
