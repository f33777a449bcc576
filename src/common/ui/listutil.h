#pragma once

#include <QStringList>

class QComboBox;
class QLineEdit;

namespace lumidor {

// Replaces a drop-down list's items and hint and selects the remembered index
// again (no selection stays no selection). Signals are blocked throughout, so
// no change handler runs: code that needs one calls it itself.
void rebuildList(QComboBox* list, const QStringList& items, const QString& hint);

// Selects an index from code without running the change handler; an index
// outside the items leaves the list without a selection.
void selectIndex(QComboBox* list, int index);

// Focus on hover: when the pointer moves over the edit and it does not have
// the keyboard focus, it takes it with the caret before the first character,
// so the arrow keys step its up-down at once.
void eVoltageMouseMove(QLineEdit* edit);
// Installs the handler above on the edit's mouse-move events.
void installFocusOnHover(QLineEdit* edit);

}  // namespace lumidor
