#pragma once

#include "preferences/PreferencesStore.h"

#include <QCheckBox>
#include <QSignalBlocker>

#include <functional>

namespace PrefsBinding {

// Binds a check box to one boolean preference both ways: the box follows every change of the store
// (without echoing it back), and a change by the user is stored, then `after` runs.
inline void bindSwitch(QCheckBox *box, PreferencesStore &prefs, bool (PreferencesStore::*get)() const,
                       void (PreferencesStore::*set)(bool), void (PreferencesStore::*changed)(),
                       std::function<void()> after = {})
{
    const auto sync = [box, &prefs, get] {
        const QSignalBlocker blocker(box);
        box->setChecked((prefs.*get)());
    };
    sync();
    QObject::connect(&prefs, changed, box, sync);
    QObject::connect(box, &QCheckBox::toggled, box, [&prefs, set, after = std::move(after)](bool on) {
        (prefs.*set)(on);
        if (after)
            after();
    });
}

} // namespace PrefsBinding
