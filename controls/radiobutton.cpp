#include "controls/radiobutton.h"

#include "controls/accessible.h"

namespace quillmark {

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) {
    InstallAccessibleControls();
    setAutoExclusive(false);
    checkStateSet();
}

void RadioButton::pair(RadioButton* a, RadioButton* b) {
    a->m_partner = b;
    b->m_partner = a;
}

void RadioButton::check() {
    if (isChecked()) return;
    setChecked(true);
    if (m_partner) m_partner->setChecked(false);
    if (m_onClick) m_onClick();
}

void RadioButton::setInitialChecked(bool checked) { setChecked(checked); }

void RadioButton::setOnClick(Handler handler) { m_onClick = std::move(handler); }

void RadioButton::nextCheckState() {
    Dispatch([this] { check(); });
}

void RadioButton::checkStateSet() {
    QRadioButton::checkStateSet();
    // Click focus only: Tab passes over the unchecked button of a pair.
    setFocusPolicy(isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace quillmark
