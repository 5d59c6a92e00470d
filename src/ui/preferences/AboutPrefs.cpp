#include "AboutPrefs.h"

#include "BrandAssets.h"
#include "SymbolIcons.h"
#include "ViewStyle.h"
#include "safety/SafetyCopy.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AboutPrefs::AboutPrefs(QWidget *parent)
    : QWidget(parent)
{
    auto *logo = new QLabel(this);
    logo->setObjectName(u"logo"_s);
    logo->setFixedSize(72, 72);
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(AboutPrefs::logo(BrandAssets::aboutLogo()));

    auto *title = ViewStyle::label(SafetyCopy::appName(), ViewStyle::Text::Title);
    auto *link =
        new QLabel(u"<a href=\"%1\">%2</a>"_s.arg(website().toString(), tr("Website").toHtmlEscaped()), this);
    link->setObjectName(u"website"_s);
    link->setFont(ViewStyle::font(ViewStyle::Text::Caption));
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    link->setToolTip(website().toString());

    const QList<QLabel *> lines{
        title,
        ViewStyle::label(SafetyCopy::tagline(), ViewStyle::Text::Callout, true),
        ViewStyle::label(tr("Version %1").arg(SafetyCopy::version()), ViewStyle::Text::Caption),
        ViewStyle::label(SafetyCopy::publisher(), ViewStyle::Text::Callout),
        ViewStyle::label(tr("Free app"), ViewStyle::Text::Caption, true),
        link,
    };

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    for (QLabel *line : lines) {
        line->setAlignment(Qt::AlignHCenter);
        layout->addWidget(line);
    }
    layout->addStretch();
}

QPixmap AboutPrefs::logo(const std::optional<QImage> &mark)
{
    if (mark)
        return QPixmap::fromImage(*mark).scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return SymbolIcons::icon(SymbolIcons::Symbol::Eye).pixmap(48, 48);
}

QUrl AboutPrefs::website()
{
    return QUrl(u"https://quillmere.com/vigila"_s);
}
