#include "mainwindow/Unit1.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "gridmap/zoomimage.h"

#include "controls/bitmappicture.h"
#include "controls/dispatch.h"
#include "controls/label.h"
#include "controls/panel.h"
#include "controls/radiobutton.h"
#include "controls/spincontrol.h"
#include "controls/textbox.h"
#include "controls/webbrowser.h"

#include "languages/languages.h"
#include "locator/dms_text.h"

#include "mainwindow/application.h"

namespace quillmark {

namespace {

const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
// The window-frame colour of the classic desktop schemes.
const QColor kWindowFrame(0, 0, 0);

constexpr int kLatitudeNumberTypingLimit = 30;

template <class Control>
Control* makeControl(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    setControlBounds(control, left, top, width, height);
    return control;
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    widget->setPalette(p);
}

Label* createLabel(QWidget* parent, const char* name, int left, int top, int width, int height,
                   const QString& caption) {
    auto* label = makeControl<Label>(parent, name, left, top, width, height);
    label->setText(caption);
    label->setTextFormat(Qt::PlainText);
    return label;
}

Label* createMaroonLabel(QWidget* parent, const char* name, int left, int top, int width,
                         const QString& caption) {
    auto* label = createLabel(parent, name, left, top, width, 13, caption);
    setTextColor(label, kMaroon);
    return label;
}

// "度:", "分:", "秒:" are drawn a little larger than the window font.
Label* createUnitLabel(QWidget* parent, const char* name, int left, int top,
                       const QString& caption) {
    auto* label = createLabel(parent, name, left, top, 15, 16, caption);
    label->setFont(LayoutFont(13));
    return label;
}

QGroupBox* createGroupBox(QWidget* parent, const char* name, int left, int top, int width,
                          int height, const QString& caption) {
    auto* box = makeControl<QGroupBox>(parent, name, left, top, width, height);
    box->setTitle(caption);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

TextBox* createTextBox(QWidget* parent, const char* name, int left, int top, int width, int height,
                       const QString& text, const QString& accessibleName) {
    auto* box = makeControl<TextBox>(parent, name, left, top, width, height);
    box->setText(text);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setAccessibleName(accessibleName);
    return box;
}

SpinControl* createSpinControl(QWidget* parent, const char* name, int left, int top, int maximum,
                               int position) {
    auto* spin = makeControl<SpinControl>(parent, name, left, top, 16, 21);
    spin->setMaximum(maximum);
    spin->setPosition(position);
    return spin;
}

RadioButton* createRadioButton(QWidget* parent, const char* name, int left, int top,
                               const QString& caption, const QString& accessibleName,
                               const QString& hint, bool checked) {
    auto* button = makeControl<RadioButton>(parent, name, left, top, 47, 17);
    button->setText(caption);
    button->setAccessibleName(accessibleName);
    button->setHint(hint);
    button->setInitialChecked(checked);
    return button;
}

// The locate button's picture in the current language: "<name>-<tag>.png",
// or the program's own "<name>.png".
QString pictureInLanguage(const QString& name) {
    const QString tag = LanguageTag(CurrentLanguage());
    return QStringLiteral(":/assets/") + name + (tag.isEmpty() ? QString() : u'-' + tag) +
           QStringLiteral(".png");
}

// What Chinese input methods type for the notation's marks, digits and letters
// (’ for ', ” for ", º for °, full-width forms), turned into the notation's own.
QString lookAlikesMapped(const QString& text) {
    return QString::fromStdString(mapLookAlikes(text.toStdString()));
}

QTimer* createTimer(QObject* owner, const char* name, int interval) {
    auto* timer = new QTimer(owner);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    // A coarse timer may fire up to 5 % early; the pages are due no sooner
    // than their interval after creation.
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

void bindMenuItem(QAction* item, Handler handler) {
    QObject::connect(item, &QAction::triggered, item, [handler] { Dispatch(handler); });
}

// Binds a tick handler; the timer starts counting here.
void bindTimer(QTimer* timer, Handler handler) {
    QObject::connect(timer, &QTimer::timeout, timer, [handler] { Dispatch(handler); });
    timer->start();
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kProductName));
    setWindowIcon(WindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(619, 398);
    setFont(LayoutFont(11));

    createWindowControls();
    createCoordinateTexts();
    createResult();
    createLongitudeGroup();
    createLatitudeGroup();
    createWebPanels();
    Timer1 = createTimer(this, "Timer1", 3000);
    Timer2 = createTimer(this, "Timer2", 3500);
    bindTimer(Timer1, bind(&TForm1::Timer1Timer));
    bindTimer(Timer2, bind(&TForm1::Timer2Timer));

    tieSpinControls();
    Dispatch([this] { FormCreate(); });

    // The first control in tab order; activating the window keeps the
    // selection made here.
    EditLon->setFocus(Qt::OtherFocusReason);
    EditLon->selectAll();
}

bool TForm1::event(QEvent* event) {
    // Shown before the window manager framed it, the window was centred by
    // its client size. The frame is known when the manager has moved the
    // window into it, at the latest when it activates the window; from then on
    // the window is the user's to move.
    const QEvent::Type type = event->type();
    if (m_centreWhenFramed &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::WindowActivate)) {
        if (const QWindow* window = windowHandle(); window && !window->frameMargins().isNull()) {
            m_centreWhenFramed = false;
            centre();
        }
        if (type == QEvent::WindowActivate) m_centreWhenFramed = false;
    }
    return QWidget::event(event);
}

Handler TForm1::bind(void (TForm1::*method)()) {
    return [this, method] { (this->*method)(); };
}

void TForm1::FormCreate() {
    // The origin is clamped against the bitmap and zoom of the moment: the map
    // and the zoom come first.
    ImgLocGraph->Bitmap().Assign(ImgTemp->bitmap());
    ImgLocGraph->setZoomPercent(200);
    ImgLocGraph->setOriginX(680);
    ImgLocGraph->setOriginY(140);
    ImgLocGraph->RefreshView();
    // The field highlight inverts the cell it draws.
    ImgLocGraph->Bitmap().Canvas().Pen.Mode = pmNot;
}

void TForm1::showCentred() {
    centre();
    m_centreWhenFramed = true;
    show();
    activateWindow();
}

void TForm1::centre() {
    const QRect screen =
        (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->geometry();
    const QSize outer = frameGeometry().size();
    move(screen.x() + (screen.width() - outer.width()) / 2,
         screen.y() + (screen.height() - outer.height()) / 2);
}

void TForm1::createWindowControls() {
    ImgTemp = makeControl<BitmapPicture>(this, "ImgTemp", 584, 312, 25, 25);
    ImgTemp->setCenter(true);
    ImgTemp->loadPicture(QStringLiteral(":/assets/gridmap.png"));
    ImgTemp->hide();

    Label1 = createLabel(this, "Label1", 491, 360, 129, 16, SiteAddress().host());
    QFont hostFont = LayoutFont(15);
    hostFont.setBold(true);
    Label1->setFont(hostFont);
    setTextColor(Label1, kMaroon);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setClickRole(Label::ClickRole::Link);
    Label1->setOnClick(bind(&TForm1::Label1Click));

    Label6 = createMaroonLabel(this, "Label6", 346, 379, 100, tr("制作：Brellwick"));
    Label10 = createMaroonLabel(this, "Label10", 146, 357, 183, tr("软件名称：Quillmark"));
    Label13 = createMaroonLabel(this, "Label13", 146, 378, 95, tr("授权类型：免费 "));
    Label14 = createMaroonLabel(this, "Label14", 347, 358, 84, tr("版本：V1.0"));

    Label15 = createLabel(this, "Label15", 472, 379, 140, 13, tr("本软件不捆绑任何插件"));
    Label15->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label15->setFont(LayoutSongFont(13));
    QPalette green = Label15->palette();
    green.setColor(QPalette::Window, kGreen);
    green.setColor(QPalette::WindowText, kWhite);
    Label15->setPalette(green);
    Label15->setAutoFillBackground(true);

    ImgLogo = makeControl<Picture>(this, "ImgLogo", 501, 6, 111, 93);
    ImgLogo->loadPicture(QStringLiteral(":/assets/logo.png"));
    ImgLogo->setCursor(Qt::PointingHandCursor);
    ImgLogo->setAccessibleName(tr("Brellwick 主页"));
    ImgLogo->setClickRole(Label::ClickRole::Link);
    ImgLogo->setOnClick(bind(&TForm1::ImgLogoClick));

    Image1 = makeControl<Picture>(this, "Image1", 152, 56, 110, 32);
    Image1->loadPicture(pictureInLanguage(QStringLiteral("locate-button")));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setAccessibleName(tr("计算 QTH"));
    Image1->setOnClick(bind(&TForm1::Image1Click));

    Panel1 = makeControl<Panel>(this, "Panel1", 144, 168, 468, 184);
    Panel1->setColor(kYellow);
    Panel1->setBorder(kWindowFrame);
    ImgLocGraph = makeControl<TZoomImage>(Panel1, "ImgLocGraph", 1, 1, 464, 180);
    ImgLocGraph->setBorderStyle(bsNone);
    ImgLocGraph->setCenter(false);
    ImgLocGraph->setAccessibleName(tr("网格地图"));
}

void TForm1::createCoordinateTexts() {
    GroupBox3 = createGroupBox(this, "GroupBox3", 8, 5, 121, 69, tr("输入参数："));
    // 36 pixels before the line: the group boxes below have room for more.
    Label11 = createLabel(GroupBox3, "Label11", 7, 21, 36, 13, tr("经度：", "coordinate line"));
    Label12 = createLabel(GroupBox3, "Label12", 6, 45, 36, 13, tr("纬度：", "coordinate line"));
    EditLon = createTextBox(GroupBox3, "EditLon", 40, 18, 73, 21, QStringLiteral("113°15'53.76\"E"),
                            tr("经度"));
    EditLon->setUpperCaseTyping(true);
    EditLon->setUserTextMap(lookAlikesMapped);
    EditLon->setTypingLimit(30);
    EditLon->setOnChange(bind(&TForm1::EditLonChange));
    EditLon->setOnReturn(bind(&TForm1::EditLonReturn));
    EditLon->setOnPaste(bind(&TForm1::EditLonPaste));
    Label11->setBuddy(EditLon);
    EditLat = createTextBox(GroupBox3, "EditLat", 40, 42, 73, 21, QStringLiteral(" 23° 6'32.02\"N"),
                            tr("纬度"));
    EditLat->setUpperCaseTyping(true);
    EditLat->setUserTextMap(lookAlikesMapped);
    EditLat->setTypingLimit(30);
    EditLat->setOnChange(bind(&TForm1::EditLatChange));
    EditLat->setOnReturn(bind(&TForm1::EditLatReturn));
    EditLat->setOnPaste(bind(&TForm1::EditLatPaste));
    Label12->setBuddy(EditLat);
}

void TForm1::createResult() {
    GroupBox4 = createGroupBox(this, "GroupBox4", 280, 5, 209, 94, tr("你在全球的QTH(网格位置)："));
    EditResult = createTextBox(GroupBox4, "EditResult", 8, 23, 193, 63, QString(),
                               tr("你在全球的QTH(网格位置)"));
    EditResult->setReadOnly(true);
    QFont resultFont = LayoutFont(45);
    resultFont.setBold(true);
    EditResult->setFont(resultFont);
    setTextColor(EditResult, kMaroon);
    // Nothing to copy before the first locator.
    MenuCopy6 = new QAction(tr("复制 6 位网格"), this);
    MenuCopy6->setObjectName(QStringLiteral("MenuCopy6"));
    MenuCopy8 = new QAction(tr("复制 8 位网格"), this);
    MenuCopy8->setObjectName(QStringLiteral("MenuCopy8"));
    for (QAction* item : {MenuCopy6, MenuCopy8}) {
        item->setEnabled(false);
        EditResult->addAction(item);
    }
    bindMenuItem(MenuCopy6, bind(&TForm1::MenuCopy6Click));
    bindMenuItem(MenuCopy8, bind(&TForm1::MenuCopy8Click));
}

void TForm1::createLongitudeGroup() {
    GroupBox6 = createGroupBox(this, "GroupBox6", 8, 83, 121, 310, tr("选择参数："));
    GroupBox2 = createGroupBox(GroupBox6, "GroupBox2", 6, 25, 109, 134, tr("经度："));
    Label2 = createUnitLabel(GroupBox2, "Label2", 8, 49, tr("度:"));
    Label3 = createUnitLabel(GroupBox2, "Label3", 8, 77, tr("分:"));
    Label4 = createUnitLabel(GroupBox2, "Label4", 8, 107, tr("秒:"));
    Edit1 = createTextBox(GroupBox2, "Edit1", 32, 49, 49, 21, QStringLiteral("113"), tr("经度 度"));
    Edit1->setTypingLimit(3);
    Edit1->setOnChange(bind(&TForm1::Edit1Change));
    Edit1->setOnReturn(bind(&TForm1::Image1Click));
    UpDown1 = createSpinControl(GroupBox2, "UpDown1", 81, 49, 179, 113);
    UpDown2 = createSpinControl(GroupBox2, "UpDown2", 81, 77, 59, 15);
    Edit2 = createTextBox(GroupBox2, "Edit2", 32, 77, 49, 21, QStringLiteral("15"), tr("经度 分"));
    Edit2->setTypingLimit(2);
    Edit2->setOnChange(bind(&TForm1::Edit2Change));
    Edit2->setOnReturn(bind(&TForm1::Image1Click));
    Edit3 = createTextBox(GroupBox2, "Edit3", 32, 106, 49, 21, QStringLiteral("53"), tr("经度 秒"));
    Edit3->setTypingLimit(2);
    Edit3->setOnChange(bind(&TForm1::Edit3Change));
    Edit3->setOnReturn(bind(&TForm1::Image1Click));
    UpDown3 = createSpinControl(GroupBox2, "UpDown3", 81, 106, 59, 53);
    Label2->setBuddy(Edit1);
    Label3->setBuddy(Edit2);
    Label4->setBuddy(Edit3);
    RadioButton3 = createRadioButton(GroupBox2, "RadioButton3", 8, 24, tr("西经"),
                                     tr("西经", "spoken name"), QStringLiteral("W"), false);
    RadioButton4 = createRadioButton(GroupBox2, "RadioButton4", 58, 24, tr("东经"),
                                     tr("东经", "spoken name"), QStringLiteral("E"), true);
    RadioButton::pair(RadioButton3, RadioButton4);
    RadioButton3->setOnClick(bind(&TForm1::RadioButton3Click));
    RadioButton4->setOnClick(bind(&TForm1::RadioButton4Click));
}

void TForm1::createLatitudeGroup() {
    GroupBox1 = createGroupBox(GroupBox6, "GroupBox1", 5, 169, 109, 134, tr("纬度："));
    Label7 = createUnitLabel(GroupBox1, "Label7", 9, 49, tr("度:"));
    Label8 = createUnitLabel(GroupBox1, "Label8", 9, 79, tr("分:"));
    Label9 = createUnitLabel(GroupBox1, "Label9", 9, 106, tr("秒:"));
    Edit4 = createTextBox(GroupBox1, "Edit4", 33, 49, 49, 21, QStringLiteral("23"), tr("纬度 度"));
    Edit5 = createTextBox(GroupBox1, "Edit5", 33, 77, 49, 21, QStringLiteral("6"), tr("纬度 分"));
    Edit6 = createTextBox(GroupBox1, "Edit6", 33, 103, 49, 21, QStringLiteral("32"), tr("纬度 秒"));
    // Every hemisphere letter in a coordinate text costs two more nested
    // handlers before the cascade ends, and the number boxes' texts go into it
    // whole: unlimited boxes let a long paste of N and S overflow the stack.
    // 30 characters, as in the coordinate boxes, is far more than any number.
    for (TextBox* box : {Edit4, Edit5, Edit6}) box->setTypingLimit(kLatitudeNumberTypingLimit);
    Edit4->setOnChange(bind(&TForm1::Edit4Change));
    Edit5->setOnChange(bind(&TForm1::Edit5Change));
    Edit6->setOnChange(bind(&TForm1::Edit6Change));
    for (TextBox* box : {Edit4, Edit5, Edit6}) box->setOnReturn(bind(&TForm1::Image1Click));
    UpDown4 = createSpinControl(GroupBox1, "UpDown4", 82, 49, 89, 23);
    UpDown5 = createSpinControl(GroupBox1, "UpDown5", 82, 77, 59, 6);
    UpDown6 = createSpinControl(GroupBox1, "UpDown6", 82, 103, 59, 32);
    Label7->setBuddy(Edit4);
    Label8->setBuddy(Edit5);
    Label9->setBuddy(Edit6);
    RadioButton1 = createRadioButton(GroupBox1, "RadioButton1", 8, 24, tr("北纬"),
                                     tr("北纬", "spoken name"), QStringLiteral("N"), true);
    RadioButton2 = createRadioButton(GroupBox1, "RadioButton2", 58, 24, tr("南纬"),
                                     tr("南纬", "spoken name"), QStringLiteral("S"), false);
    RadioButton::pair(RadioButton1, RadioButton2);
    RadioButton1->setOnClick(bind(&TForm1::RadioButton1Click));
    RadioButton2->setOnClick(bind(&TForm1::RadioButton2Click));
}

void TForm1::createWebPanels() {
    // Each browser is larger than its panel and starts 2 pixels above and left
    // of it, so that the panel clips the browser's own border away.
    Panel2 = makeControl<Panel>(this, "Panel2", 144, 106, 467, 60);
    WebBrowser1 = makeControl<WebBrowser>(Panel2, "WebBrowser1", -2, -2, 470, 62);
    WebBrowser1->setOnDocumentComplete(bind(&TForm1::WebBrowser1DocumentComplete));
    Panel3 = makeControl<Panel>(this, "Panel3", 152, 19, 110, 32);
    WebBrowser2 = makeControl<WebBrowser>(Panel3, "WebBrowser2", -2, -2, 117, 35);
    WebBrowser2->setOnDocumentComplete(bind(&TForm1::WebBrowser2DocumentComplete));
}

void TForm1::tieSpinControls() {
    UpDown1->associate(Edit1);
    UpDown2->associate(Edit2);
    UpDown3->associate(Edit3);
    UpDown4->associate(Edit4);
    UpDown5->associate(Edit5);
    UpDown6->associate(Edit6);
}

}  // namespace quillmark
