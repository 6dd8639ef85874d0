#include "exchange/qt/import_dialog.hpp"

#include "exchange/frm_import.hpp"
#include "exchange/import_text.hpp"
#include "exchange/qt/exchange_fonts.hpp"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kestrel {

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

ImportDialog::ImportDialog(TfrmImport &logic, QWidget *parent) : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frmImport"));
    setFixedSize(TfrmImport::kClientWidth, TfrmImport::kClientHeight);
    setFont(exchangeWindowFont());
    const int stripsTop = TfrmImport::kClientHeight - 72;

    // Lines are never wrapped at the window edge: the layouts are read line by line.
    m_text = new QPlainTextEdit(this);
    m_text->setGeometry(0, 0, TfrmImport::kClientWidth, stripsTop);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(exchangeTextFont());
    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_text, &QPlainTextEdit::customContextMenuRequested, this,
            &ImportDialog::showContextMenu);
    connect(m_text, &QPlainTextEdit::textChanged, this, &ImportDialog::takeText);

    m_formats = new QLabel(this);
    m_formats->move(7, stripsTop + 12);
    m_formats->resize(190, 16);
    const std::array<int, 4> exampleLeft = {203, 283, 363, 443};
    for (int i = 0; i < 4; ++i) {
        QPushButton *button = new QPushButton(this);
        button->setGeometry(exampleLeft[std::size_t(i)], stripsTop + 6, 75, 25);
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_logic.exampleClick(i + 1);
            syncFromModel();
        });
        m_examples[std::size_t(i)] = button;
    }
    const int panelLeft = TfrmImport::kClientWidth - 185;
    m_ok = new QPushButton(this);
    m_ok->setGeometry(panelLeft + 16, stripsTop + 6, 75, 25);
    m_cancel = new QPushButton(this);
    m_cancel->setGeometry(panelLeft + 103, stripsTop + 6, 75, 25);
    connect(m_ok, &QPushButton::clicked, this, [this] { m_logic.okClick(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_logic.cancelClick(); });

    // The hint line: a bordered strip in the active-border colour.
    auto *strip = new QFrame(this);
    strip->setGeometry(0, stripsTop + 36, TfrmImport::kClientWidth, 36);
    strip->setFrameStyle(QFrame::Box | QFrame::Plain);
    strip->setStyleSheet(QStringLiteral("QFrame { background: #b4b4b4; }"));
    m_hintLine = new QLabel(strip);
    m_hintLine->setGeometry(1, 7, 703, 20);
    m_hintLine->setStyleSheet(QStringLiteral("background: transparent;"));
}

void ImportDialog::showEvent(QShowEvent *event)
{
    m_logic.applyLanguage();
    syncFromModel();
    QDialog::showEvent(event);
}

void ImportDialog::syncFromModel()
{
    const ImportCaptions &captions = m_logic.captions();
    setWindowTitle(qs(captions.caption));
    m_formats->setText(qs(captions.compatibleFormats));
    m_ok->setText(qs(captions.ok));
    m_cancel->setText(qs(captions.cancel));
    for (std::size_t i = 0; i < 4; ++i) {
        m_examples[i]->setText(qs(captions.examples[i]));
        m_examples[i]->setToolTip(qs(captions.exampleHints[i]));
    }
    m_hintLine->setText(qs(m_logic.hintLine()));
    QStringList lines;
    for (const std::string &line : m_logic.lines())
        lines << qs(line);
    const QString text = lines.join(QLatin1Char('\n'));
    if (m_text->toPlainText() != text)
        m_text->setPlainText(text);
    // The window font first, then the text area's own.
    m_text->setFont(exchangeTextFont());
}

void ImportDialog::takeText()
{
    m_logic.setLines(splitImportLines(m_text->toPlainText().toStdString()));
}

void ImportDialog::showContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Select All"), m_text, &QPlainTextEdit::selectAll);
    menu.addAction(QStringLiteral("Copy"), m_text, &QPlainTextEdit::copy);
    menu.addAction(QStringLiteral("Paste"), m_text, &QPlainTextEdit::paste);
    menu.addAction(QStringLiteral("Clear"), this, [this] {
        m_logic.clearClick();
        syncFromModel();
    });
    menu.exec(m_text->mapToGlobal(pos));
}

} // namespace kestrel
