// Takes a keep-awake lock through the real backend (system mode, or display mode when the first
// argument is "display"), says which provider holds it, and waits to be killed.
#include "linux/InhibitorPowerAssertion.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const AwakeMode mode =
        argc > 1 && qstrcmp(argv[1], "display") == 0 ? AwakeMode::Display : AwakeMode::System;
    InhibitorPowerAssertion assertion;
    if (!assertion.activate(mode, u"Vigila: keep system awake"_s))
        return 1;
    QTextStream(stdout) << "held " << assertion.providerName() << Qt::endl;
    return QCoreApplication::exec();
}
