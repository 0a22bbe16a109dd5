// The button row every settings dialog ends with: OK and "Abbrechen", wired
// to accept and reject. One place for the captions, so all dialogs say the
// same.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QString>

namespace quarzel {

// A new button row, child of `dialog`; the OK button is captioned `ok`
// ("&OK" where the caption gives it a shortcut).
QDialogButtonBox* okAbbrechenKnoepfe(QDialog* dialog, const QString& ok = QStringLiteral("OK"));

}  // namespace quarzel
