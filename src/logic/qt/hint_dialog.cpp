#include "logic/qt/hint_dialog.hpp"

#include "logic/hint_session.hpp"
#include "platform/qt/interface_font.hpp"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace kestrel {

namespace {

QFont tahomaBold(int pixelHeight)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

} // namespace

HintDialog::HintDialog(Tfrmsolover &engine, QWidget *parent) : QDialog(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("frmsolover"));
    setFixedSize(593, 82);
    // The hint text: read-only, centred, wrapped (hint texts carry their own line breaks).
    m_memo = new QLabel(this);
    m_memo->setGeometry(3, 3, 462, 73);
    m_memo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_memo->setAlignment(Qt::AlignCenter);
    m_memo->setWordWrap(true);
    m_memo->setAutoFillBackground(true);
    m_memo->setBackgroundRole(QPalette::Base);
    m_memo->setFont(tahomaBold(15));
    m_memo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_hint = new QPushButton(this);
    m_hint->setGeometry(475, 3, 113, 33);
    m_hint->setFont(tahomaBold(13));
    m_hint->setDefault(true);
    m_close = new QPushButton(this);
    m_close->setGeometry(475, 42, 113, 33);
    connect(m_hint, &QPushButton::clicked, this, [this] {
        m_engine.bthintClick();
        syncFromModel();
        emit boardChanged();
    });
    // Close and Esc end the use of the window; what the engine did to the board stays.
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void HintDialog::syncFromModel()
{
    setWindowTitle(QString::fromStdString(m_engine.caption));
    applyInterfaceFont(*this, m_engine.font);
    // Hint texts break lines with CR LF.
    m_memo->setText(QString::fromStdString(m_engine.memoText)
                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_hint->setText(QString::fromStdString(m_engine.bthintCaption));
    m_close->setText(QString::fromStdString(m_engine.button2Caption));
}

void HintDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        syncFromModel();
    QDialog::changeEvent(event);
}

QPoint hintWindowPosition(const QRect &main, const QSize &size, const QRect &screen)
{
    // Below the main window's frame, at its left edge; where the screen has no room below,
    // beside it (right, else left). The window never covers the board: when no place fits,
    // it stands below the frame even if part of it is off the screen.
    const QPoint below(main.left(), main.bottom() + 1);
    if (below.y() + size.height() - 1 <= screen.bottom())
        return below;
    const int top
        = std::max(screen.top(), std::min(main.top(), screen.bottom() - size.height() + 1));
    if (main.right() + size.width() <= screen.right())
        return {main.right() + 1, top};
    if (main.left() - size.width() >= screen.left())
        return {main.left() - size.width(), top};
    return below;
}

void HintDialog::showEvent(QShowEvent *event)
{
    if (parentWidget() != nullptr) {
        QWidget *mainWindow = parentWidget()->window();
        const QScreen *screen = mainWindow->screen();
        const QRect available
            = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 14, 1 << 14);
        move(hintWindowPosition(mainWindow->frameGeometry(), frameGeometry().size(), available));
    }
    syncFromModel();
    emit boardChanged();
    QDialog::showEvent(event);
}

} // namespace kestrel
