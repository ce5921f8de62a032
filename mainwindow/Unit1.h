// The main window Form1 of class TForm1: every control of the window, created
// and laid out in the window's creation order.
#pragma once

#include <QWidget>

#include "controls/dispatch.h"

class QAction;
class QGroupBox;
class QTimer;
class TZoomImage;

namespace quillmark {

class BitmapPicture;
class Label;
class Panel;
class Picture;
class RadioButton;
class SpinControl;
class TextBox;
class WebBrowser;

// Layout units: pixels at 96 dpi for a window font 13 pixels high. Positions
// are relative to the parent's client area (inside a Panel's border). Controls
// are owned by the window; each has objectName equal to its member name. The
// two timers count from creation; each is disposed of, and its member set to
// null, by its own tick handler once its page has been requested.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Creates every control, applies texts and check states, ties the spin
    // controls to their boxes and runs FormCreate through the dispatch. The
    // window is hidden; show() it, or showCentred().
    explicit TForm1(QWidget* parent = nullptr);

    // Shows the window centred on its screen (outer size, integer division),
    // and centres it again, once, when the window manager has framed it.
    void showCentred();

    BitmapPicture* ImgTemp = nullptr;
    Picture* ImgLogo = nullptr;
    Panel* Panel1 = nullptr;
    TZoomImage* ImgLocGraph = nullptr;
    QTimer* Timer1 = nullptr;
    Label* Label1 = nullptr;
    Label* Label6 = nullptr;
    Label* Label10 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    TextBox* EditLon = nullptr;
    TextBox* EditLat = nullptr;
    Label* Label11 = nullptr;
    Label* Label12 = nullptr;
    Label* Label13 = nullptr;
    Label* Label14 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    TextBox* EditResult = nullptr;
    // EditResult's context menu: copy the 6- or the 8-character locator.
    QAction* MenuCopy6 = nullptr;
    QAction* MenuCopy8 = nullptr;
    Label* Label15 = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;
    Label* Label4 = nullptr;
    TextBox* Edit1 = nullptr;
    SpinControl* UpDown1 = nullptr;
    SpinControl* UpDown2 = nullptr;
    TextBox* Edit2 = nullptr;
    TextBox* Edit3 = nullptr;
    SpinControl* UpDown3 = nullptr;
    RadioButton* RadioButton3 = nullptr;
    RadioButton* RadioButton4 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    Label* Label7 = nullptr;
    Label* Label8 = nullptr;
    Label* Label9 = nullptr;
    TextBox* Edit4 = nullptr;
    TextBox* Edit5 = nullptr;
    TextBox* Edit6 = nullptr;
    SpinControl* UpDown4 = nullptr;
    SpinControl* UpDown5 = nullptr;
    SpinControl* UpDown6 = nullptr;
    RadioButton* RadioButton1 = nullptr;
    RadioButton* RadioButton2 = nullptr;
    Panel* Panel2 = nullptr;
    WebBrowser* WebBrowser1 = nullptr;
    Panel* Panel3 = nullptr;
    WebBrowser* WebBrowser2 = nullptr;
    QTimer* Timer2 = nullptr;
    Picture* Image1 = nullptr;

    // Event handlers, each bound to its control when the window is created and
    // called through the dispatch. Creation: Unit1.cpp; input synchronisation:
    // Unit1_input.cpp; the locate action: Unit1_locate.cpp; the web panels and
    // links: Unit1_web.cpp.

    // Creation handler: runs once, after every control exists and before the
    // window is shown.
    void FormCreate();
    void Timer1Timer();
    void ImgLogoClick();
    void Label1Click();
    void WebBrowser1DocumentComplete();
    void WebBrowser2DocumentComplete();
    void EditLonChange();
    void EditLatChange();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit4Change();
    void Edit5Change();
    void Edit6Change();
    void Timer2Timer();
    void Image1Click();
    void MenuCopy6Click();
    void MenuCopy8Click();
    // Return or Enter in a coordinate line: a position the line's notation
    // does not read but the position reader does is put into the lines first,
    // as a paste of it would; then the locate action, as a click on Image1 (a
    // number box's Return runs Image1Click itself).
    void EditLonReturn();
    void EditLatReturn();
    // A text pasted or dropped into a coordinate line that the line's notation
    // does not read but the position reader does fills the lines in the
    // notation instead, as one edit; one the reader refuses goes in as it is,
    // with the reason in the line's tooltip.
    void EditLonPaste();
    void EditLatPaste();

protected:
    bool event(QEvent* event) override;

private:
    // `method` bound to this window, as a control's event handler.
    Handler bind(void (TForm1::*method)());

    void createWindowControls();
    void createCoordinateTexts();
    void createResult();
    void createLongitudeGroup();
    void createLatitudeGroup();
    void createWebPanels();
    void tieSpinControls();
    void centre();

    // Set while a shown window waits for its frame.
    bool m_centreWhenFramed = false;
};

}  // namespace quillmark
