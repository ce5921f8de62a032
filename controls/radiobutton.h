// The window's hemisphere button.
#pragma once

#include <QRadioButton>
#include <QString>

#include "controls/dispatch.h"

namespace quillmark {

// A radio button paired with one partner (the other button of its group box).
// Checking it unchecks the partner without any handler and then runs its own
// click handler; checking it again, or unchecking it, runs nothing. Only the
// checked button of a pair is a tab stop.
class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit RadioButton(QWidget* parent = nullptr);

    // Makes `a` and `b` the two exclusive buttons of one group.
    static void pair(RadioButton* a, RadioButton* b);

    // Checks the button as the program. When it was unchecked, the partner is
    // unchecked and the click handler runs directly, inside the caller's own
    // dispatch, so its errors propagate to the caller.
    void check();

    // Sets the checked state while the layout is applied: no handler runs.
    void setInitialChecked(bool checked);

    // The button's hint text: data for the handlers, never shown as a tooltip.
    QString hint() const { return m_hint; }
    void setHint(const QString& hint) { m_hint = hint; }

    // The click handler, run when the button becomes checked.
    void setOnClick(Handler handler);

protected:
    // A click by mouse or Space: the check goes through Dispatch.
    void nextCheckState() override;
    void checkStateSet() override;

private:
    RadioButton* m_partner = nullptr;
    Handler m_onClick;
    QString m_hint;
};

}  // namespace quillmark
