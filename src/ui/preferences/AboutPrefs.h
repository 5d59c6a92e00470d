#pragma once

#include <QUrl>
#include <QWidget>

// The "About" tab: the mark, name, version and publisher, and a link to the product's page.
class AboutPrefs final : public QWidget {
    Q_OBJECT
public:
    explicit AboutPrefs(QWidget *parent = nullptr);

    static QUrl website();
};
