// Takes a system keep-awake lock through the real backend, says which provider holds it, and
// waits to be killed.
#include "linux/InhibitorPowerAssertion.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    InhibitorPowerAssertion assertion;
    assertion.onLockChanged = [&assertion] {
        if (assertion.isActive())
            QTextStream(stdout) << "held " << assertion.providerName() << Qt::endl;
        else if (!assertion.isTaking())
            QCoreApplication::exit(1);
    };
    assertion.activate(AwakeMode::System, u"Vigila: keep system awake"_s);
    return QCoreApplication::exec();
}
