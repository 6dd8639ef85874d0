#include "board/qt/appearance_dialog.hpp"

#include "board/qt/board_widget.hpp"
#include "board/qt/colour.hpp"
#include "platform/qt/interface_font.hpp"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace kestrel {

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// Place of each group in the left column, and of each swatch (label left, swatch right)
// inside its group; the swatches are 38 x 15.
constexpr QRect kGroupRects[3] = {{4, 6, 104, 92}, {4, 104, 104, 114}, {4, 224, 104, 70}};
struct SwatchPlace
{
    Swatch swatch;
    AppearanceGroup group;
    int top;
};
constexpr SwatchPlace kSwatchPlaces[kSwatchCount] = {
    {Swatch::Panel1, AppearanceGroup::Background, 44},
    {Swatch::Panel2, AppearanceGroup::Background, 66},
    {Swatch::fpanel1, AppearanceGroup::FontColor, 44},
    {Swatch::fpanel2, AppearanceGroup::FontColor, 66},
    {Swatch::fpanel3, AppearanceGroup::FontColor, 88},
    {Swatch::highpanle, AppearanceGroup::Highlight, 44},
};
constexpr int kSwatchLeft = 64;

} // namespace

// --- SwatchWidget ----------------------------------------------------------------------------

SwatchWidget::SwatchWidget(QWidget *parent) : QWidget(parent)
{
    setFixedSize(38, 15);
    setCursor(Qt::PointingHandCursor);
}

void SwatchWidget::setColour(Colour colour, int borderWidth)
{
    if (colour == m_colour && borderWidth == m_borderWidth)
        return;
    m_colour = colour;
    m_borderWidth = borderWidth;
    update();
}

void SwatchWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, toQColor(m_colour));
    // Lowered outer and inner bevels: dark above and left, light below and right.
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    for (int inset = 0; inset < 2; ++inset) {
        const QRect b = r.adjusted(inset, inset, -inset - 1, -inset - 1);
        painter.setPen(shadow);
        painter.drawLine(b.topLeft(), b.topRight());
        painter.drawLine(b.topLeft(), b.bottomLeft());
        painter.setPen(light);
        painter.drawLine(b.bottomLeft(), b.bottomRight());
        painter.drawLine(b.topRight(), b.bottomRight());
    }
    if (m_borderWidth > 0) {
        painter.setPen(QPen(Qt::black, m_borderWidth));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void SwatchWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void SwatchWidget::enterEvent(QEnterEvent *)
{
    emit entered();
}

void SwatchWidget::leaveEvent(QEvent *)
{
    emit left();
}

// --- AppearanceDialog ------------------------------------------------------------------------

AppearanceDialog::AppearanceDialog(TfrmAppearance &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frmAppearance"));
    setFixedSize(TfrmAppearance::kClientWidth, TfrmAppearance::kClientHeight);
    buildGroups();
    m_preview = new BoardWidget(&m_logic.sd1, this);
    m_preview->move(TfrmAppearance::kColumnWidth + 2, 14);
    m_preview->setAttribute(Qt::WA_TransparentForMouseEvents); // a preview takes no clicks
    buildButtons();
    syncFromModel();
}

void AppearanceDialog::buildGroups()
{
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        m_groups[g] = new QGroupBox(this);
        m_groups[g]->setGeometry(kGroupRects[g]);
        m_checkBoxes[g] = new QCheckBox(m_groups[g]);
        m_checkBoxes[g]->setGeometry(6, 18, 94, 18);
        const auto group = static_cast<AppearanceGroup>(g);
        connect(m_checkBoxes[g], &QCheckBox::clicked, this, [this, group](bool checked) {
            m_logic.checkBoxClick(group, checked);
            syncFromModel();
        });
    }
    for (const SwatchPlace &place : kSwatchPlaces) {
        const auto i = static_cast<std::size_t>(place.swatch);
        QGroupBox *owner = m_groups[static_cast<std::size_t>(place.group)];
        m_labels[i] = new QLabel(owner);
        // The swatch names sit in the 62 pixels left of the swatch ("Big Number" included).
        m_labels[i]->setGeometry(2, place.top - 2, kSwatchLeft - 2, 19);
        QFont small = m_labels[i]->font();
        small.setPixelSize(11);
        m_labels[i]->setFont(small);
        m_swatches[i] = new SwatchWidget(owner);
        m_swatches[i]->move(kSwatchLeft, place.top);
        const Swatch which = place.swatch;
        connect(m_swatches[i], &SwatchWidget::clicked, this, [this, which] {
            m_logic.swatchClick(which);
            syncFromModel();
        });
        connect(m_swatches[i], &SwatchWidget::entered, this, [this, which] {
            m_logic.swatchEnter(which);
            syncFromModel();
        });
        connect(m_swatches[i], &SwatchWidget::left, this, [this, which] {
            m_logic.swatchLeave(which);
            syncFromModel();
        });
    }
}

void AppearanceDialog::buildButtons()
{
    // Default, OK, Cancel from left to right in the bottom strip, right-aligned.
    const int top = TfrmAppearance::kClientHeight - TfrmAppearance::kButtonStripHeight + 5;
    m_default = new QPushButton(this);
    m_default->setGeometry(284, top, 75, 25);
    m_ok = new QPushButton(this);
    m_ok->setGeometry(368, top, 75, 25);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setGeometry(452, top, 75, 25);
    connect(m_default, &QPushButton::clicked, this, [this] {
        m_logic.Button3Click();
        syncFromModel();
    });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        m_logic.Button1Click();
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_logic.Button2Click();
        reject();
    });
}

void AppearanceDialog::syncFromModel()
{
    setWindowTitle(qs(m_logic.caption));
    applyInterfaceFont(*this, m_logic.font);
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        m_groups[g]->setTitle(qs(m_logic.groupCaptions[g]));
        m_checkBoxes[g]->setText(qs(m_logic.checkBoxCaptions[g]));
        m_checkBoxes[g]->setChecked(m_logic.isChecked(static_cast<AppearanceGroup>(g)));
    }
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        m_labels[i]->setText(qs(m_logic.labelCaptions[i]));
        const SwatchState &state = m_logic.swatch(static_cast<Swatch>(i));
        m_swatches[i]->setColour(state.color, state.borderWidth);
    }
    m_ok->setText(qs(m_logic.okCaption));
    m_cancel->setText(qs(m_logic.cancelCaption));
    m_default->setText(qs(m_logic.defaultCaption));
    m_preview->refreshFromModel();
}

void AppearanceDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        syncFromModel();
    QDialog::changeEvent(event);
}

void AppearanceDialog::showEvent(QShowEvent *event)
{
    // The logic reloaded the store before the window was asked to show.
    syncFromModel();
    QDialog::showEvent(event);
}

} // namespace kestrel
