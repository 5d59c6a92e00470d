#pragma once

#include <QWidget>

// The "Safety" tab: what Vigila does and does not do, in fixed words.
class SafetyPrefs final : public QWidget {
    Q_OBJECT
public:
    explicit SafetyPrefs(QWidget *parent = nullptr);
};
