#pragma once
// The Qt window of the appearance dialog: three groups of swatches in a left column, the
// preview board to their right and the three buttons below. Every press goes to
// TfrmAppearance; the widgets are then synced from it.

#include "board/appearance.hpp"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace kestrel {

class BoardWidget;

/// One colour swatch: a lowered panel in the swatch's colour, framed while the mouse is over
/// it.
class SwatchWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SwatchWidget(QWidget *parent = nullptr);
    void setColour(Colour colour, int borderWidth);

signals:
    void clicked();
    void entered();
    void left();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    Colour m_colour = 0;
    int m_borderWidth = 0;
};

class AppearanceDialog : public QDialog
{
    Q_OBJECT
public:
    AppearanceDialog(TfrmAppearance &logic, QWidget *parent = nullptr);

    /// Re-reads captions, check boxes, swatches and the preview from the logic.
    void syncFromModel();
    SwatchWidget *swatchWidget(Swatch which) const
    {
        return m_swatches[static_cast<std::size_t>(which)];
    }
    QCheckBox *checkBox(AppearanceGroup group) const
    {
        return m_checkBoxes[static_cast<std::size_t>(group)];
    }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *defaultButton() const { return m_default; }
    BoardWidget *preview() const { return m_preview; }

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildGroups();
    void buildButtons();

    TfrmAppearance &m_logic;
    BoardWidget *m_preview = nullptr;
    std::array<QGroupBox *, 3> m_groups{};
    std::array<QCheckBox *, 3> m_checkBoxes{};
    std::array<QLabel *, kSwatchCount> m_labels{};
    std::array<SwatchWidget *, kSwatchCount> m_swatches{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_default = nullptr;
};

} // namespace kestrel
