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
    if (!assertion.activate(AwakeMode::System, u"Vigila: keep system awake"_s))
        return 1;
    QTextStream(stdout) << "held " << assertion.providerName() << Qt::endl;
    return QCoreApplication::exec();
}
