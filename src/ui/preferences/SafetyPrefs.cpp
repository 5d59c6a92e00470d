#include "SafetyPrefs.h"

#include "SymbolIcons.h"
#include "ViewStyle.h"
#include "safety/SafetyCopy.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SafetyPrefs::SafetyPrefs(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(ViewStyle::label(tr("What Vigila does and doesn't do"), ViewStyle::Text::Headline));

    const QIcon check = SymbolIcons::icon(SymbolIcons::Symbol::Checkmark);
    for (const QString &bullet : SafetyCopy::safetyBullets()) {
        auto *icon = new QLabel;
        icon->setPixmap(check.pixmap(16, 16));
        auto *row = new QHBoxLayout;
        row->setSpacing(8);
        row->addWidget(icon, 0, Qt::AlignTop);
        auto *text = ViewStyle::label(bullet);
        text->setObjectName(u"bullet"_s);
        row->addWidget(text, 1);
        layout->addLayout(row);
    }
    layout->addWidget(ViewStyle::divider());
    layout->addWidget(ViewStyle::label(SafetyCopy::sleepLimitations(), ViewStyle::Text::Callout, true));
    layout->addWidget(ViewStyle::label(SafetyCopy::privacy(), ViewStyle::Text::Callout, true));
    layout->addStretch();
}
