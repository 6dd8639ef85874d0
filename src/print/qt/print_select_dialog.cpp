#include "print/qt/print_select_dialog.hpp"

#include "print/print_select_window.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrel {

namespace {

QString toQString(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QToolButton *flatButton(QWidget *parent, int left)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setGeometry(left, 160, 75, 25);
    return button;
}

} // namespace

PrintSelectDialog::PrintSelectDialog(Tfrmprintselect &logic, QWidget *parent)
    : QDialog(parent), m_logic(logic)
{
    setFixedSize(381, 202);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    m_styleGroup = new QGroupBox(this);
    m_styleGroup->setGeometry(32, 16, 313, 129);
    QFont bold = m_styleGroup->font();
    bold.setBold(true);
    m_styleGroup->setFont(bold);

    // The style buttons and the paper group stand on the window, over the style group, as
    // designed; each set is exclusive on its own.
    auto *styles = new QButtonGroup(this);
    m_normal = new QRadioButton(this);
    m_normal->move(42, 55);
    m_candidates = new QRadioButton(this);
    m_candidates->move(42, 95);
    styles->addButton(m_normal);
    styles->addButton(m_candidates);
    connect(m_normal, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_logic.style = PrintStyle::Normal;
    });
    connect(m_candidates, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_logic.style = PrintStyle::WithCandidates;
    });

    m_paperGroup = new QGroupBox(this);
    m_paperGroup->setGeometry(207, 29, 130, 105);
    auto *paperLayout = new QVBoxLayout(m_paperGroup);
    auto *papers = new QButtonGroup(this);
    constexpr std::array<PaperSize, 3> kPapers{PaperSize::A4, PaperSize::A3, PaperSize::A2};
    for (std::size_t i = 0; i < m_paper.size(); ++i) {
        m_paper[i] = new QRadioButton(m_paperGroup);
        paperLayout->addWidget(m_paper[i]);
        papers->addButton(m_paper[i]);
        connect(m_paper[i], &QRadioButton::toggled, this, [this, paper = kPapers[i]](bool on) {
            if (on)
                m_logic.paper = paper;
        });
    }

    m_ok = flatButton(this, 105);
    m_cancel = flatButton(this, 201);
    connect(m_ok, &QToolButton::clicked, this, &PrintSelectDialog::okClicked);
    connect(m_cancel, &QToolButton::clicked, this, &QDialog::reject);
    syncFromModel();
}

void PrintSelectDialog::syncFromModel()
{
    setWindowTitle(toQString(m_logic.caption));
    m_styleGroup->setTitle(toQString(m_logic.styleGroupCaption));
    m_normal->setText(toQString(m_logic.normalCaption));
    m_normal->adjustSize();
    m_candidates->setText(toQString(m_logic.candidatesCaption));
    m_candidates->adjustSize();
    m_paperGroup->setTitle(toQString(m_logic.paperGroupCaption));
    for (std::size_t i = 0; i < m_paper.size(); ++i)
        m_paper[i]->setText(toQString(m_logic.paperItems[i]));
    m_ok->setText(toQString(m_logic.okCaption));
    m_cancel->setText(toQString(m_logic.cancelCaption));
    (m_logic.style == PrintStyle::Normal ? m_normal : m_candidates)->setChecked(true);
    m_paper[static_cast<std::size_t>(m_logic.paper)]->setChecked(true);
}

void PrintSelectDialog::showEvent(QShowEvent *event)
{
    syncFromModel();
    QDialog::showEvent(event);
}

void PrintSelectDialog::okClicked()
{
    // The window closes once the page is on its way to the browser; when it could not be
    // written the player is told and may try again or cancel.
    if (m_logic.SpeedButton1Click() == AfterOk::Close)
        accept();
}

} // namespace kestrel
