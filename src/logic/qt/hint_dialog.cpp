#include "logic/qt/hint_dialog.hpp"

#include "logic/hint_session.hpp"

#include <QLabel>
#include <QPushButton>

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
    // Hint texts break lines with CR LF.
    m_memo->setText(QString::fromStdString(m_engine.memoText)
                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_hint->setText(QString::fromStdString(m_engine.bthintCaption));
    m_close->setText(QString::fromStdString(m_engine.button2Caption));
}

void HintDialog::showEvent(QShowEvent *event)
{
    // Under the main window: at its left edge, 520 pixels below its top.
    if (parentWidget() != nullptr) {
        const QRect main = parentWidget()->window()->frameGeometry();
        move(main.left(), main.top() + 520);
    }
    syncFromModel();
    emit boardChanged();
    QDialog::showEvent(event);
}

} // namespace kestrel
