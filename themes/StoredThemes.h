#pragma once
// The themes the program carries inside its executables (Qt resources of the stored_themes library),
// found by name: "OSXTiger".
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class TTeThemeMsStyles;

// The names of the carried themes; empty when the executable was built without them.
QStringList StoredThemeNames();
// The packed theme of that name (case ignored); empty when none is carried.
QByteArray StoredThemeData(const QString& name);
// A visual-style theme loaded from the carried theme of that name; nullptr when none is carried.
// Damaged data raises the load's errors.
std::unique_ptr<TTeThemeMsStyles> CreateStoredTheme(const QString& name);
