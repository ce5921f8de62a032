// Test helper: typing any text, including characters no keyboard layout of the
// test platform produces (full-width forms, Chinese), as key events.
#pragma once

#include <QKeyEvent>
#include <QString>
#include <QTest>
#include <QWidget>

namespace quillmark::testing {

// One key press and release per character (a surrogate pair counts as one),
// each carrying that character as its text, as an input method's direct
// typing delivers them.
inline void typeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString one = text.mid(i, length);
        i += length - 1;
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, one, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, one, Qt::NoModifier);
    }
}

}  // namespace quillmark::testing
