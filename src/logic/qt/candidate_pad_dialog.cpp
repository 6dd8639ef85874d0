#include "logic/qt/candidate_pad_dialog.hpp"

#include "logic/candidate_pad.hpp"
#include "platform/qt/interface_font.hpp"

#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QPushButton>

namespace kestrel {
namespace {

// A checkable button whose checked state only the model sets. QAbstractButton flips a
// checkable button itself on every click; together with the pad's own toggle that would turn
// a press into two toggles (or none). WARNING: keep nextCheckState() empty.
class PadToggleButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void nextCheckState() override { }
};

// The pad's key for a Qt key: "1".."9" (main row or keypad) and Esc; every other key still
// counts as a key press.
Key padKey(const QKeyEvent &event)
{
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return digitKey(key - Qt::Key_1 + 1);
    if (key == Qt::Key_Escape)
        return Key::Escape;
    return Key::Other;
}

} // namespace

CandidatePadDialog::CandidatePadDialog(Tfrmtile &pad, QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_pad(pad)
{
    setObjectName(QStringLiteral("frmtile"));
    setFixedSize(Tfrmtile::kClientWidth, Tfrmtile::kClientHeight);
    // The pad sees every key before any button can: the buttons take no focus, so the keys go
    // to the window itself (Space must not click a toggle behind the pad's back).
    setFocusPolicy(Qt::StrongFocus);
    // A down toggle must read as "on" at a glance, in every widget style; the default styles
    // shade a checked button only faintly.
    setStyleSheet(QStringLiteral(
        "QPushButton { padding: 0; border: 1px solid #8a8a8a; border-radius: 3px;"
        " background: #fbfbfb; }"
        "QPushButton:hover { border-color: #3c6ec8; }"
        "QPushButton:pressed { background: #dcdcdc; }"
        "QPushButton:checked { background: #a9c8f2; border-color: #2f5fb3; font-weight: bold; }"));

    for (int d = 1; d <= 9; ++d) {
        auto *button = new PadToggleButton(QString::number(d), this);
        button->setObjectName(QStringLiteral("A%1").arg(d));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        const PixelPos origin = Tfrmtile::digitButtonOrigin(d);
        button->setGeometry(origin.x, origin.y, Tfrmtile::kButtonSize, Tfrmtile::kButtonSize);
        // The press is the toggle; the click that follows it must not toggle again.
        connect(button, &QPushButton::pressed, this, [this, d] {
            m_pad.digitPressed(d);
            afterHandler();
        });
        m_digits[static_cast<std::size_t>(d)] = button;
    }

    m_automatic = new QPushButton(this);
    m_automatic->setObjectName(QStringLiteral("AdvGlowButton1"));
    m_automatic->setFocusPolicy(Qt::NoFocus);
    m_automatic->setAutoDefault(false);
    m_automatic->setGeometry(Tfrmtile::kAutomaticOrigin.x, Tfrmtile::kAutomaticOrigin.y,
                             Tfrmtile::kAutomaticWidth, Tfrmtile::kAutomaticHeight);
    connect(m_automatic, &QPushButton::clicked, this, [this] {
        m_pad.AdvGlowButton1Click();
        afterHandler();
    });

    syncFromModel();
}

QPushButton *CandidatePadDialog::digitButton(int digit) const
{
    Q_ASSERT(digit >= 1 && digit <= 9);
    return m_digits[static_cast<std::size_t>(digit)];
}

void CandidatePadDialog::syncFromModel()
{
    setWindowTitle(QString::fromStdString(m_pad.caption));
    applyInterfaceFont(*this, m_pad.font);
    QFont smaller = font(); // "Automatic" and its translations fit in 62 pixels
    smaller.setPointSizeF(smaller.pointSizeF() - 1);
    m_automatic->setFont(smaller);
    m_automatic->setText(QString::fromStdString(m_pad.automaticCaption));
    for (int d = 1; d <= 9; ++d)
        digitButton(d)->setChecked(m_pad.isDown(d));

    if (m_pad.visible && !isVisible()) {
        show();
        activateWindow(); // the pad takes the keys while it is up
    } else if (!m_pad.visible && isVisible()) {
        hide();
    }
}

void CandidatePadDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        syncFromModel();
    QDialog::changeEvent(event);
}

void CandidatePadDialog::afterHandler()
{
    syncFromModel();
    emit changed();
}

void CandidatePadDialog::keyPressEvent(QKeyEvent *event)
{
    // Every key belongs to the pad, Esc included: QDialog's own Esc handling would hide the
    // window without the pad knowing.
    m_pad.keyPress(padKey(*event));
    event->accept();
    afterHandler();
}

void CandidatePadDialog::closeEvent(QCloseEvent *event)
{
    m_pad.close();
    event->accept();
    afterHandler();
}

} // namespace kestrel
