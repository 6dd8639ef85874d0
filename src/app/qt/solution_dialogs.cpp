#include "app/qt/solution_dialogs.hpp"

#include "app/solution_windows.hpp"
#include "board/qt/board_widget.hpp"
#include "platform/qt/interface_font.hpp"

#include <QEvent>
#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kestrel {

SolutionDialog::SolutionDialog(const Tfrmda &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frmda"));
    setFixedSize(512, 432);
    // The board is only shown here: it takes no clicks.
    m_board = new BoardWidget(const_cast<TPICSD33 *>(&m_logic.board), this);
    m_board->move(5, 5);
    m_board->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_close = new QPushButton(this);
    m_close->setGeometry(433, 6, 75, 25);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void SolutionDialog::syncCaptions()
{
    setWindowTitle(QString::fromStdString(m_logic.caption));
    m_close->setText(QString::fromStdString(m_logic.closeCaption));
    applyInterfaceFont(*this, m_logic.font);
}

void SolutionDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        syncCaptions();
    QDialog::changeEvent(event);
}

void SolutionDialog::showEvent(QShowEvent *event)
{
    syncCaptions();
    m_board->refreshFromModel();
    QDialog::showEvent(event);
}

MultipleSolutionsDialog::MultipleSolutionsDialog(const TFrmdas &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("Frmdas"));
    setFixedSize(517, 418);
    m_memo = new QPlainTextEdit(this);
    m_memo->setGeometry(0, 0, 517, 375);
    m_memo->setReadOnly(true);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(11);
    m_memo->setFont(mono);
    m_close = new QPushButton(this);
    m_close->setGeometry(427, 384, 75, 25);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void MultipleSolutionsDialog::syncCaptions()
{
    setWindowTitle(QString::fromStdString(m_logic.caption));
    m_close->setText(QString::fromStdString(m_logic.closeCaption));
    applyInterfaceFont(*this, m_logic.font);
}

void MultipleSolutionsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        syncCaptions();
    QDialog::changeEvent(event);
}

void MultipleSolutionsDialog::showEvent(QShowEvent *event)
{
    syncCaptions();
    QStringList lines;
    for (const std::string &line : m_logic.memoLines)
        lines << QString::fromStdString(line);
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
    QDialog::showEvent(event);
}

} // namespace kestrel
