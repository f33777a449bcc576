#pragma once

class QComboBox;
class QLineEdit;

namespace lumidor {

// The layout's narrow lists were sized for a narrower default font than most
// desktops have. A list whose longest item does not fit its closed box takes
// the condensed face of its font, and its drop-down opens wide enough to show
// every item whole. Call again after the items change (a language switch).
void fitItems(QComboBox* list);

// Its two halves. Fitting the drop-down builds the list's popup, which the
// closed list does without; a window full of lists may fit them later.
void fitFont(QComboBox* list);
void fitPopup(QComboBox* list);

// The same for a one-line text box and its current text.
void fitText(QLineEdit* edit);

}  // namespace lumidor
