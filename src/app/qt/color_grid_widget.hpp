#pragma once
// The 16-colour grid of the colour panel: 4 x 4 swatches, the selected (foreground) one
// marked "FG".

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

namespace kestrel {

class ColorGridWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ColorGridWidget(QWidget *parent = nullptr);

    /// Colours in grid order as $00BBGGRR.
    void setColours(const std::array<std::uint32_t, 16> &colours);
    void setSelectedIndex(int index);
    int selectedIndex() const { return m_selected; }
    /// Index of the swatch under `pos`, or -1.
    int indexAt(QPoint pos) const;

signals:
    /// A swatch was clicked with the left button.
    void colourClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QRect swatchRect(int index) const;

    std::array<std::uint32_t, 16> m_colours{};
    int m_selected = 0;
};

} // namespace kestrel
