#include "exchange/qt/copy_dialog.hpp"

#include "exchange/frm_copy.hpp"
#include "exchange/import_text.hpp"
#include "exchange/qt/exchange_fonts.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kestrel {

namespace {

// The window's outer size is 725 x 309; its client area, inside a fixed single border.
constexpr int kClientWidth = 709;
constexpr int kClientHeight = 270;
constexpr int kPanelHeight = 44;

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

CopyDialog::CopyDialog(Tfrmcopy &logic, QWidget *parent) : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frmcopy"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(exchangeWindowFont());
    const int panelTop = kClientHeight - kPanelHeight;

    m_text = new QPlainTextEdit(this);
    m_text->setGeometry(0, 0, kClientWidth, panelTop);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(exchangeTextFont());
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_syncing)
            m_logic.setLines(splitImportLines(m_text->toPlainText().toStdString()));
    });

    m_group = new QGroupBox(this);
    m_group->setGeometry(0, panelTop, 513, kPanelHeight);
    // The buttons stand where the design put them; faces wider than the designed one would
    // cut "With Candidates" off at the next button, so the group's texts are a pixel smaller.
    QFont groupFont = exchangeWindowFont();
    groupFont.setPixelSize(11);
    m_group->setFont(groupFont);
    // Buttons stand With Candidates, No Candidate, 9*9, 1*81 from the left.
    const std::array<std::pair<CopyLayout, int>, 4> places = {{{CopyLayout::WithCandidates, 8},
                                                               {CopyLayout::NoCandidate, 126},
                                                               {CopyLayout::NineByNine, 242},
                                                               {CopyLayout::OneByEightyOne, 303}}};
    for (const auto &[layout, left] : places) {
        auto *button = new QRadioButton(m_group);
        button->setGeometry(left, 18, layout == CopyLayout::WithCandidates ? 116 : 112, 20);
        connect(button, &QRadioButton::clicked, this, [this, layout = layout] {
            m_logic.RadioGroup1Click(layout);
            syncFromModel();
        });
        m_layouts[std::size_t(layout)] = button;
    }
    m_layouts[std::size_t(CopyLayout::NineByNine)]->resize(58, 20);
    m_layouts[std::size_t(CopyLayout::OneByEightyOne)]->resize(54, 20);
    m_blankLabel = new QLabel(m_group);
    m_blankLabel->setGeometry(358, 20, 107, 16);
    m_blankLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_blank = new QComboBox(m_group);
    m_blank->setEditable(true);
    m_blank->setGeometry(466, 16, 41, 22);
    for (const std::string_view choice : Tfrmcopy::blankChoices())
        m_blank->addItem(QString::fromUtf8(choice.data(), qsizetype(choice.size())));
    m_blank->lineEdit()->setMaxLength(1);
    connect(m_blank, &QComboBox::editTextChanged, this, [this](const QString &text) {
        if (m_syncing)
            return;
        m_logic.setBlankText(text.toStdString());
        syncFromModel();
    });

    const int buttonsLeft = kClientWidth - 181;
    m_copy = new QPushButton(this);
    m_copy->setGeometry(buttonsLeft + 6, panelTop + 8, 83, 28);
    m_close = new QPushButton(this);
    m_close->setGeometry(buttonsLeft + 90, panelTop + 8, 84, 28);
    connect(m_copy, &QPushButton::clicked, this, [this] { m_logic.Button1Click(); });
    connect(m_close, &QPushButton::clicked, this, [this] { m_logic.Button2Click(); });
}

void CopyDialog::showEvent(QShowEvent *event)
{
    syncFromModel();
    QDialog::showEvent(event);
}

void CopyDialog::syncFromModel()
{
    m_syncing = true;
    const CopyCaptions &captions = m_logic.captions();
    setWindowTitle(qs(captions.caption));
    m_group->setTitle(qs(captions.group));
    for (std::size_t i = 0; i < 4; ++i) {
        m_layouts[i]->setText(qs(captions.layouts[i]));
        m_layouts[i]->setChecked(i == std::size_t(m_logic.layout()));
    }
    m_blankLabel->setText(qs(captions.expressBlanks));
    m_blankLabel->setVisible(m_logic.blankChooserVisible());
    m_blank->setVisible(m_logic.blankChooserVisible());
    if (m_blank->currentText() != qs(m_logic.blankText()))
        m_blank->setEditText(qs(m_logic.blankText()));
    m_copy->setText(qs(captions.copy));
    m_close->setText(qs(captions.close));
    QStringList lines;
    for (const std::string &line : m_logic.lines())
        lines << qs(line);
    const QString text = lines.join(QLatin1Char('\n'));
    if (m_text->toPlainText() != text)
        m_text->setPlainText(text);
    m_text->setFont(exchangeTextFont());
    m_syncing = false;
}

} // namespace kestrel
