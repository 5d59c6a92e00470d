#pragma once

#include <QImage>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

#include <optional>

// The "About" tab: the mark, name, version and publisher, and a link to the product's page.
class AboutPrefs final : public QWidget {
    Q_OBJECT
public:
    explicit AboutPrefs(QWidget *parent = nullptr);

    static QUrl website();
    // The brand mark fitted into 72 × 72, or, without it, a plain eye.
    static QPixmap logo(const std::optional<QImage> &mark);
};
