#include "controls/noticebox.h"

#include <algorithm>
#include <utility>

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "controls/accessible.h"
#include "gridmap/rounding.h"

namespace quillmark {

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

// a * b / c to the nearest integer, halves to even. With c 4 or 8 the quotient
// is exact in a double, so the rounding sees its true half.
int scaled(int a, int b, int c) { return RoundHalfEven(double(a) * b / c); }

// The notice, drawn with the flags and width it was measured with, so that it
// wraps the same; a label, so that screen readers read it.
class NoticeText : public QLabel {
public:
    NoticeText(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setObjectName(QStringLiteral("Text"));
        setTextFormat(Qt::PlainText);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), kTextFlags, text());
    }
};

MessagePresenter& presenter() {
    static MessagePresenter current;
    return current;
}

void showRealBox(const QString& text) {
    NoticeBox box(text, QApplication::activeWindow());
    box.centreOnActiveScreen();
    box.exec();
}

}  // namespace

NoticeBoxLayout LayoutNoticeBox(int meanLetterWidth, int letterHeight, int okCaptionWidth,
                                QSize textSize) {
    const int w = meanLetterWidth;
    const int h = letterHeight;
    const int sideMargin = scaled(8, w, 4);
    const int topMargin = scaled(8, h, 8);
    const int gap = scaled(10, h, 8);
    const int buttonWidth = std::max(scaled(50, w, 4), okCaptionWidth + 8);
    const int buttonHeight = scaled(14, h, 8);

    NoticeBoxLayout layout;
    layout.Client = QSize(std::max(textSize.width(), buttonWidth) + 2 * sideMargin,
                          textSize.height() + buttonHeight + gap + 2 * topMargin);
    layout.Text = QRect(QPoint(sideMargin, topMargin), textSize);
    layout.Button = QRect((layout.Client.width() - buttonWidth) / 2,
                          topMargin + textSize.height() + gap, buttonWidth, buttonHeight);
    return layout;
}

NoticeBoxLayout LayoutNoticeBox(const QFont& font, const QString& text, int maxTextWidth) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QSize textSize =
        metrics.boundingRect(QRect(0, 0, maxTextWidth, 0), kTextFlags, text).size();
    return LayoutNoticeBox(metrics.horizontalAdvance(letters) / 52, metrics.height(),
                           metrics.horizontalAdvance(QStringLiteral("OK")), textSize);
}

NoticeBox::NoticeBox(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_text(text) {
    InstallAccessibleControls();
    setObjectName(QStringLiteral("NoticeBox"));
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setWindowModality(Qt::ApplicationModal);
    setFont(QApplication::font("QMessageBox"));

    const QScreen* screen = ActiveScreen();
    const int maxTextWidth = screen ? screen->geometry().width() / 2 : 0;
    m_layout = LayoutNoticeBox(font(), m_text, maxTextWidth);
    setFixedSize(m_layout.Client);

    (new NoticeText(m_text, this))
        ->setGeometry(QRect(m_layout.Text.topLeft(), QSize(maxTextWidth, m_layout.Text.height())));
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setGeometry(m_layout.Button);
    m_ok->setDefault(true);
    m_ok->setFocus();
    // Esc and the close box reject, Enter clicks the default button: each closes.
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString NoticeBox::clipboardText() const {
    return MessageBoxClipboardText(windowTitle(), m_text, {m_ok->text()});
}

void NoticeBox::centreOnActiveScreen() {
    const QScreen* activeScreen = ActiveScreen();
    if (activeScreen == nullptr) return;
    const QRect screen = activeScreen->geometry();
    // The frame is known, where the platform knows it before showing, once
    // the native window exists.
    create();
    const QSize outer = size().grownBy(windowHandle()->frameMargins());
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
}

void NoticeBox::keyPressEvent(QKeyEvent* event) {
    if (HandleCopyKey(event, clipboardText())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void NoticeBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

MessagePresenter SetNoticePresenter(MessagePresenter replacement) {
    return std::exchange(presenter(), std::move(replacement));
}

void ShowNotice(const QString& text) { PresentModalBox(presenter(), showRealBox, text); }

}  // namespace quillmark
