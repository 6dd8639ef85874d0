#include "library/qt/save_dialog.hpp"

#include "library/save_window.hpp"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kestrel {

namespace {

QString toQString(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

SaveDialog::SaveDialog(std::function<Tfrmsave *()> current, QWidget *parent)
    : QDialog(parent), m_current(std::move(current))
{
    setObjectName(QStringLiteral("frmsave"));
    setFixedSize(349, 236);
    m_label = new QLabel(this);
    m_label->move(24, 16);
    m_name = new QLineEdit(this);
    m_name->setGeometry(72, 40, 121, 21);
    m_levels = new QGroupBox(this);
    m_levels->setGeometry(22, 80, 305, 96);
    m_levelGroup = new QButtonGroup(this);
    // Two columns of three, filled column by column as a two-column radio group is.
    for (int i = 0; i < 6; ++i) {
        auto *button = new QRadioButton(m_levels);
        button->setGeometry(10 + (i / 3) * 148, 20 + (i % 3) * 24, 140, 20);
        m_levelGroup->addButton(button, i);
        m_levelButtons[static_cast<std::size_t>(i)] = button;
    }
    m_ok = new QPushButton(this);
    m_ok->setGeometry(64, 195, 85, 25);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setGeometry(200, 195, 85, 25);
    connect(m_ok, &QPushButton::clicked, this, &SaveDialog::pressOk);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        if (Tfrmsave *logic = m_current())
            logic->Button2Click();
        reject();
    });
}

void SaveDialog::syncFromModel()
{
    const Tfrmsave *logic = m_current();
    if (logic == nullptr)
        return;
    setWindowTitle(toQString(logic->caption));
    m_label->setText(toQString(logic->label1Caption));
    m_label->adjustSize();
    m_name->setText(toQString(logic->nameText));
    m_levels->setTitle(toQString(logic->radioGroupCaption));
    for (std::size_t i = 0; i < m_levelButtons.size(); ++i)
        m_levelButtons[i]->setText(toQString(logic->radioGroupItems[i]));
    if (QAbstractButton *selected = m_levelGroup->button(logic->levelIndex))
        selected->setChecked(true);
    m_ok->setText(toQString(logic->button1Caption));
    m_cancel->setText(toQString(logic->button2Caption));
}

void SaveDialog::pressOk()
{
    Tfrmsave *logic = m_current();
    if (logic == nullptr)
        return;
    logic->nameText = m_name->text().toStdString();
    logic->levelIndex = m_levelGroup->checkedId();
    logic->Button1Click();
    if (logic->closeRequested())
        accept();
}

void SaveDialog::showEvent(QShowEvent *event)
{
    syncFromModel();
    m_name->setFocus();
    m_name->selectAll();
    QDialog::showEvent(event);
}

} // namespace kestrel
