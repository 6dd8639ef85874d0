#include "app/qt/about_dialog.hpp"

#include "app/about_window.hpp"
#include "platform/qt/interface_font.hpp"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace kestrel {

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// The width the texts wrap at; the window is as tall as they need.
constexpr int kTextWidth = 430;
constexpr int kIconSize = 64;

QLabel *wrappedLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

AboutDialog::AboutDialog(TfrmAbout &logic, QWidget *parent) : QDialog(parent), m_logic(logic)
{
    setObjectName(QStringLiteral("frm_about"));
    setWindowTitle(qs(m_logic.caption));
    applyInterfaceFont(*this, m_logic.font);

    auto *icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/icons/app.svg")).pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    icon->setFixedWidth(kIconSize + 8);

    auto *title = new QLabel(qs(m_logic.title));
    QFont titleFont = font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);

    QLabel *description = wrappedLabel(qs(m_logic.description));

    QLabel *heading = wrappedLabel(qs(m_logic.creditsHeading));
    QFont headingFont = font();
    headingFont.setBold(true);
    heading->setFont(headingFont);

    // Plain text in a list: the texts come from the tables and are never read as markup.
    QString list = QStringLiteral("<ul style=\"margin-left: 0; -qt-list-indent: 1;\">");
    for (const std::string &credit : m_logic.credits)
        list += QStringLiteral("<li style=\"margin-bottom: 4px;\">") + qs(credit).toHtmlEscaped()
            + QStringLiteral("</li>");
    list += QStringLiteral("</ul>");
    QLabel *credits = wrappedLabel(list);
    credits->setTextFormat(Qt::RichText);

    auto *buttons = new QDialogButtonBox;
    QPushButton *close = buttons->addButton(qs(m_logic.closeCaption), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, [this] {
        m_logic.Button1Click();
        accept();
    });

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(8);
    layout->addWidget(icon, 0, 0, 2, 1);
    layout->addWidget(title, 0, 1);
    layout->addWidget(description, 1, 1);
    layout->addWidget(heading, 2, 1);
    layout->addWidget(credits, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kestrel
