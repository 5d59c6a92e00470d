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
    AlertDialog alert(u"Start an indefinite keep-awake session?"_s,
                      u"This keeps your computer awake until you stop it. "_s +
                          SafetyCopy::sleepLimitations());
    alert.addButton(u"Start"_s);
    alert.addButton(u"Cancel"_s);
    return alert.run() == 0;
}

std::optional<QString> QtMenuDialogs::askCustomDuration()
{
    AlertDialog alert(u"Keep Awake For\u2026"_s, u"Enter a duration in minutes."_s);
    alert.addButton(u"Start"_s);
    alert.addButton(u"Cancel"_s);
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
    AlertDialog alert(u"Keep Awake Until\u2026"_s, u"Choose the time to stop keeping your computer awake."_s);
    alert.addButton(u"Start"_s);
    alert.addButton(u"Cancel"_s);
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
    AlertDialog alert(u"Add Process Watch"_s,
                      u"Keep the computer awake while a process with this name is running."_s);
    alert.addButton(u"Add & Enable"_s);
    alert.addButton(u"Cancel"_s);
    auto *field = new QLineEdit;
    field->setPlaceholderText(u"e.g. claude"_s);
    field->setFixedSize(220, 24);
    alert.setAccessory(field);
    if (alert.run() != 0)
        return std::nullopt;
    return field->text();
}

void QtMenuDialogs::showBroadProcessWarning()
{
    AlertDialog alert(u"Broad process name"_s, SafetyCopy::broadProcessWarning());
    const int size = alert.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &alert);
    alert.setIconPixmap(alert.style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(size, size));
    alert.addButton(u"OK"_s);
    alert.run();
}
