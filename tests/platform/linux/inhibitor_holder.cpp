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
    assertion.onLockChanged = [&assertion] {
        if (assertion.isActive())
            QTextStream(stdout) << "held " << assertion.providerName() << Qt::endl;
        else if (!assertion.isTaking())
            QCoreApplication::exit(1);
    };
    assertion.activate(mode, mode == AwakeMode::Display ? u"Vigila: keep display awake"_s : u"Vigila: keep system awake"_s);
    return QCoreApplication::exec();
}
