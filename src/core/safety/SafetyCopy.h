#pragma once

#include <QString>
#include <QStringList>

// The fixed statements about what Vigila does and does not do.
namespace SafetyCopy {

QString appName();
QString tagline();
QString version();
QString publisher();
QString promise();
QString displayAwakeWarning();
QString sleepLimitations();
QString privacy();
QStringList safetyBullets();
QString broadProcessWarning();

} // namespace SafetyCopy
