#include "QtMenuDialogs.h"

#include "AlertDialog.h"

#include "safety/SafetyCopy.h"
#include "utilities/DateFormatting.h"

#include <QLineEdit>
#include <QStyle>
#include <QTimeEdit>

using namespace Qt::StringLiterals;

bool QtMenuDialogs::confirmIndefiniteSession()
{
    AlertDialog alert(
        tr("Start an indefinite keep-awake session?"),
        //: %1 says why the computer may sleep all the same (lid closed, low battery, …)
        tr("This keeps your computer awake until you stop it. %1").arg(SafetyCopy::sleepLimitations()));
    alert.addButton(tr("Start", "start the keep-awake session"));
    alert.addButton(tr("Cancel"));
    return alert.run() == 0;
}

std::optional<QString> QtMenuDialogs::askCustomDuration()
{
    AlertDialog alert(tr("Keep Awake For\u2026"), tr("Enter a duration in minutes."));
    alert.addButton(tr("Start", "start the keep-awake session"));
    alert.addButton(tr("Cancel"));
    auto *field = new QLineEdit(u"90"_s);
    field->setFixedSize(200, 24);
    field->selectAll(); // typing replaces the suggestion
    alert.setAccessory(field);
    if (alert.run() != 0)
        return std::nullopt;
    return field->text();
}

std::optional<QTime> QtMenuDialogs::askCustomTime(const QTime &initial)
{
    AlertDialog alert(tr("Keep Awake Until\u2026"),
                      tr("Choose the time to stop keeping your computer awake."));
    alert.addButton(tr("Start", "start the keep-awake session"));
    alert.addButton(tr("Cancel"));
    auto *field = new QTimeEdit(initial);
    field->setDisplayFormat(DateFormatting::clockFormat()); // hour and minute only
    field->setFixedSize(200, 28);
    alert.setAccessory(field);
    if (alert.run() != 0)
        return std::nullopt;
    return field->time();
}

std::optional<QString> QtMenuDialogs::askProcessName()
{
    AlertDialog alert(tr("Add Process Watch"),
                      tr("Keep the computer awake while a process with this name is running."));
    //: The "&" shows as it is: the button has no keyboard mnemonic
    alert.addButton(tr("Add & Enable"));
    alert.addButton(tr("Cancel"));
    auto *field = new QLineEdit;
    //: An example process name; "claude" is a program's name
    field->setPlaceholderText(tr("e.g. claude"));
    field->setFixedSize(220, 24);
    alert.setAccessory(field);
    if (alert.run() != 0)
        return std::nullopt;
    return field->text();
}

void QtMenuDialogs::showBroadProcessWarning()
{
    AlertDialog alert(tr("Broad process name"), SafetyCopy::broadProcessWarning());
    const int size = alert.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &alert);
    alert.setIconPixmap(alert.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    alert.addButton(tr("OK"));
    alert.run();
}
