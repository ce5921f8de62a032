#include "controls/accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include "controls/label.h"
#include "controls/noticebox.h"
#include "controls/radiobutton.h"

namespace quillmark {

namespace {

// Runs `action` on `object` from the event loop, unless the object is gone by then.
template <class Object, class Action>
void later(Object* object, Action action) {
    QMetaObject::invokeMethod(
        object,
        [guard = QPointer<Object>(object), action] {
            if (guard) action(guard.data());
        },
        Qt::QueuedConnection);
}

class AccessibleRadioButton : public QAccessibleWidget {
public:
    explicit AccessibleRadioButton(RadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty()) return button()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == toggleAction() || name == pressAction())
            later(button(), [](RadioButton* b) { b->click(); });
        else
            QAccessibleWidget::doAction(name);
    }

private:
    RadioButton* button() const { return static_cast<RadioButton*>(widget()); }
};

// A label, clickable or not: Qt's own interface for labels knows no click.
class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        if (!label()->hasClickHandler()) return QAccessible::StaticText;
        return label()->clickRole() == Label::ClickRole::Link ? QAccessible::Link
                                                              : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty()) return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        if (!label()->hasClickHandler()) return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (name == pressAction() && label()->hasClickHandler())
            later(label(), [](Label* l) { l->click(); });
        else
            QAccessibleWidget::doAction(name);
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

QAccessibleInterface* kitInterface(const QString&, QObject* object) {
    if (auto* button = qobject_cast<RadioButton*>(object)) return new AccessibleRadioButton(button);
    if (auto* label = qobject_cast<Label*>(object)) return new AccessibleLabel(label);
    if (auto* box = qobject_cast<NoticeBox*>(object))
        return new QAccessibleWidget(box, QAccessible::AlertMessage);
    return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
    static const bool installed = (QAccessible::installFactory(kitInterface), true);
    Q_UNUSED(installed);
}

}  // namespace quillmark
