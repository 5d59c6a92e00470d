#include "AlertDialog.h"

#include "safety/SafetyCopy.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

AlertDialog::AlertDialog(const QString &message, const QString &informativeText, QWidget *parent)
    : QDialog(parent)
    , m_layout(new QGridLayout(this))
    , m_icon(new QLabel(this))
    , m_message(new QLabel(message, this))
    , m_informative(new QLabel(informativeText, this))
    , m_buttonBox(new QDialogButtonBox(this))
{
    setWindowTitle(SafetyCopy::appName());
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    m_layout->setHorizontalSpacing(16);

    // The application's own mark, as an alert shows it.
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    setIconPixmap(QApplication::windowIcon().pixmap(size, size));
    m_icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QFont bold = m_message->font();
    bold.setBold(true);
    m_message->setFont(bold);
    for (QLabel *label : {m_message, m_informative}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFixedWidth(300);
    }

    m_layout->addWidget(m_icon, 0, 0, 3, 1, Qt::AlignTop);
    m_layout->addWidget(m_message, 0, 1);
    m_layout->addWidget(m_informative, 1, 1);
    m_layout->addWidget(m_buttonBox, 3, 0, 1, 2);
    m_layout->setRowMinimumHeight(2, 0);

    connect(m_buttonBox, &QDialogButtonBox::clicked, this, [this](QAbstractButton *button) {
        m_clicked = qobject_cast<QPushButton *>(button);
        m_clicked == m_buttons.value(0) ? accept() : reject();
    });
}

QPushButton *AlertDialog::addButton(const QString &text)
{
    QString shown = text;
    shown.replace(u'&', u"&&"_s);
    const bool first = m_buttons.isEmpty();
    QPushButton *button =
        m_buttonBox->addButton(shown, first ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole);
    if (first)
        button->setDefault(true);
    m_buttons << button;
    return button;
}

void AlertDialog::setAccessory(QWidget *widget)
{
    m_accessory = widget;
    widget->setParent(this);
    m_layout->addWidget(widget, 2, 1, Qt::AlignLeft);
    widget->setFocus();
}

void AlertDialog::setIconPixmap(const QPixmap &pixmap)
{
    m_icon->setPixmap(pixmap);
    m_icon->setVisible(!pixmap.isNull());
}

QString AlertDialog::message() const
{
    return m_message->text();
}

QString AlertDialog::informativeText() const
{
    return m_informative->text();
}

int AlertDialog::run()
{
    m_clicked = nullptr;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    exec();
    return m_buttons.indexOf(m_clicked);
}
