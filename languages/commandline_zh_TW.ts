<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>quillmark::CommandLine</name>
    <message>
        <source>longitude</source>
        <translation>經度</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>a field letter</source>
        <translation>場字母</translation>
    </message>
    <message>
        <source>a square digit</source>
        <translation>方格數字</translation>
    </message>
    <message>
        <source>a subsquare letter</source>
        <translation>子方格字母</translation>
    </message>
    <message>
        <source>an extended square digit</source>
        <translation>延伸方格數字</translation>
    </message>
    <message>
        <source>an extended subsquare letter</source>
        <translation>延伸子方格字母</translation>
    </message>
    <message>
        <source>a byte that is no UTF-8</source>
        <translation>一個非 UTF-8 位元組</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>One character of a locator, quoted</extracomment>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>
Window options, Qt&apos;s own (one dash or two):
  -platform NAME               the display platform: xcb, wayland, offscreen...
  -platformpluginpath DIR      where to look for display platforms
  -platformtheme NAME          the desktop theme to follow
  -plugin NAME                 load an input device plugin
  -qwindowgeometry GEOMETRY    the window&apos;s place, for example +100+50
  -qwindowtitle TITLE          the window&apos;s title
  -qwindowicon FILE            the window&apos;s icon
  -geometry, -title, -icon     the same on X11
  -display DISPLAY             the X11 display to use
  -name NAME                   the X11 resource name
  -visual VISUAL               the X11 visual
  -style STYLE, -style=STYLE   the widget style
  -stylesheet FILE, -stylesheet=FILE  a style sheet for the widgets
  -reverse                     lay the window out right to left
  -session ID                  restore a desktop session
  -widgetcount                 count the widgets at exit
  -testability                 load Qt&apos;s testability plugin
  -nograb, -dograb             X11 mouse and keyboard grabs, for debugging
  -qmljsdebugger=OPTIONS       Qt&apos;s QML debugger
</source>
        <extracomment>--help-all adds these to --help. Keep the options as they are.</extracomment>
        <translation>
視窗選項，由 Qt 自行處理（一個或兩個連字號皆可）：
  -platform 名稱               顯示平台：xcb、wayland、offscreen……
  -platformpluginpath 目錄     尋找顯示平台的位置
  -platformtheme 名稱          要跟隨的桌面主題
  -plugin 名稱                 載入一個輸入裝置外掛
  -qwindowgeometry 位置        視窗的位置，例如 +100+50
  -qwindowtitle 標題           視窗的標題
  -qwindowicon 檔案            視窗的圖示
  -geometry, -title, -icon     在 X11 上的同樣選項
  -display 顯示器              要使用的 X11 顯示器
  -name 名稱                   X11 資源名稱
  -visual 視覺類型             X11 視覺類型（visual）
  -style 樣式, -style=樣式     元件樣式
  -stylesheet 檔案, -stylesheet=檔案  元件的樣式表
  -reverse                     由右至左排列視窗
  -session 識別碼              還原桌面工作階段
  -widgetcount                 結束時統計元件數量
  -testability                 載入 Qt 的可測試性外掛
  -nograb, -dograb             X11 滑鼠與鍵盤擷取，供除錯用
  -qmljsdebugger=選項          Qt 的 QML 除錯器
</translation>
    </message>
    <message>
        <source>%1; try &apos;quillmark --help&apos;</source>
        <extracomment>%1: what is wrong with the command line</extracomment>
        <translation>%1；請嘗試執行「quillmark --help」</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知的選項「%1」</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多餘的參數「%1」</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>選項 %1 需要一個值</translation>
    </message>
    <message>
        <source>--distance takes two locators, not %1</source>
        <translation>--distance 需要兩個網格，而不是 %1 個</translation>
    </message>
    <message>
        <source>--precision takes 2, 4, 6, 8 or 10, not &apos;%1&apos;</source>
        <extracomment>%1: what was given instead</extracomment>
        <translation>--precision 只接受 2、4、6、8 或 10，而不是「%1」</translation>
    </message>
    <message>
        <source>--precision goes with --locate</source>
        <translation>--precision 只能與 --locate 一起使用</translation>
    </message>
    <message>
        <source>give one of --locate, --position and --distance, once</source>
        <translation>--locate、--position 和 --distance 只能擇一，且只能指定一次</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; has no %3</source>
        <extracomment>%1: longitude or latitude; %2: the coordinate line; %3: such as &quot;degrees from 0 to 179&quot;</extracomment>
        <translation>%1「%2」缺少有效的%3</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; has a fraction of a second that is not up to 18 decimal digits</source>
        <extracomment>%1: longitude or latitude; %2: the coordinate line</extracomment>
        <translation>%1「%2」中秒的小數超過 18 位</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; has no hemisphere letter %3 or %4</source>
        <extracomment>%1: longitude or latitude; %2: the coordinate line; %3, %4: E and W, or N and S</extracomment>
        <translation>%1「%2」缺少半球字母 %3 或 %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <extracomment>%1: the text read as a whole number of degrees, minutes or seconds</extracomment>
        <translation>「%1」不是有效的整數值。</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has 1 character; a locator has 2 to 10</source>
        <translation>網格「%1」只有 1 個字元；網格應有 2 到 10 個字元</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has %2 characters; a locator has 2 to 10</source>
        <extracomment>%2: how many characters, 0 or more than 10</extracomment>
        <translation>網格「%1」有 %2 個字元；網格應有 2 到 10 個字元</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has an odd number of characters (%2); a locator has 2, 4, 6, 8 or 10</source>
        <translation>網格「%1」的字元數是奇數（%2）；網格應有 2、4、6、8 或 10 個字元</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has %2 at %3, which is neither a letter nor a digit</source>
        <extracomment>%2: the character, quoted, or &quot;a byte that is no UTF-8&quot;; %3: its place, from 1</extracomment>
        <translation>網格「%1」的第 %3 個字元是%2，既不是字母也不是數字</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has %2 at %3 where %4 goes, %5 to %6</source>
        <extracomment>%2: the character, quoted; %3: its place, from 1; %4: such as &quot;a field letter&quot;; %5 to %6: what that place takes, such as A to R</extracomment>
        <translation>網格「%1」的第 %3 個字元是%2，此處應為%4（%5 到 %6）</translation>
    </message>
    <message>
        <source>more than one tab; a line holds two columns</source>
        <translation>Tab 字元多於一個；每行只有兩欄</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>無法寫入輸出：%1</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>無法讀取標準輸入：%1</translation>
    </message>
    <message>
        <source>cannot load the window: %1</source>
        <extracomment>%1: the system&apos;s reason, in English</extracomment>
        <translation>無法載入視窗：%1</translation>
    </message>
    <message>
        <source>degrees from 0 to 179</source>
        <translation>度（0 到 179）</translation>
    </message>
    <message>
        <source>minutes from 0 to 59</source>
        <translation>分（0 到 59）</translation>
    </message>
    <message>
        <source>seconds from 0 to 59</source>
        <translation>秒（0 到 59）</translation>
    </message>
    <message>
        <source>Amap (Gaode)</source>
        <translation>高德地圖</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>百度地圖</translation>
    </message>
    <message>
        <source>Tencent Maps</source>
        <translation>騰訊地圖</translation>
    </message>
    <message>
        <source>Google Maps China</source>
        <translation>Google 地圖中國版</translation>
    </message>
    <message>
        <source>Usage: quillmark [OPTION]...
Maidenhead locators of positions, positions of locators and the distance between
them. Without options, opens the window.

  --locate POSITION            print the locator of a position copied from a
                               map, a GPS, a link or a text: decimal degrees
                               (&quot;23.1089, 113.2649&quot;, latitude first), degrees
                               and minutes, degrees minutes and seconds with
                               N S E W or 北纬 东经, APRS and NMEA, ISO 6709,
                               geo: URIs, Google Maps and OpenStreetMap links,
                               or a locator
  --locate LONGITUDE LATITUDE  print the locator of the position given as two
                               lines in the window&apos;s notation, for example
                               113°15&apos;53.76&quot;E 23°6&apos;32.02&quot;N (seconds exact with
                               up to 18 decimals)
  --locate -                   the same for each line of standard input: the
                               longitude, a tab and the latitude, or a
                               position without a tab
  --precision N                with --locate: 2, 4, 6, 8 or 10 characters
                               (6 unless given)
  --position LOCATOR           print the centre and the south-west and
                               north-east corners of a locator of 2 to 10
                               characters
  --distance FROM TO           print the distance and the initial azimuth from
                               the centre of one locator to the other&apos;s, by the
                               short path and by the long path
  -h, --help                   print this help
  --help-all                   print this help and the window&apos;s options
  -v, --version                print the version

Exit status: 0 done; 1 when a position or locator cannot be used (in a batch,
when any line cannot); 2 when the command line is not understood.
</source>
        <extracomment>--help. Keep the options as they are, each line within 80 columns (a Chinese character takes two) and the descriptions starting in column 32.</extracomment>
        <translation>用法：quillmark [選項]...
求位置的 Maidenhead 網格、網格的位置以及網格之間的距離。不加選項時開啟視窗。

  --locate 位置                印出從地圖、GPS、連結或文字複製來的位置所在的
                               網格：十進位度（&quot;23.1089, 113.2649&quot;，緯度在
                               前）、度分、帶 N S E W 或北緯東經的度分秒、
                               APRS 和 NMEA、ISO 6709、geo: URI、Google 地圖
                               和 OpenStreetMap 連結，或網格
  --locate 經度 緯度           印出按視窗寫法給出的經度和緯度所在的網格，
                               例如 113°15&apos;53.76&quot;E 23°6&apos;32.02&quot;N（秒可精確到
                               18 位小數）
  --locate -                   對標準輸入的每一行做同樣的計算：每行是經度、
                               一個 Tab 字元和緯度，或不含 Tab 的一個位置
  --precision N                與 --locate 一起使用：2、4、6、8 或 10 個字元
                               （未指定時為 6）
  --position 網格              印出 2 到 10 個字元的網格的中心點、西南角和
                               東北角
  --distance 起點 終點         印出從一個網格的中心到另一個網格的中心的距離
                               和起始方位角，短程與長程各一行
  -h, --help                   印出本說明
  --help-all                   印出本說明和視窗選項
  -v, --version                印出版本

結束狀態：0 完成；1 位置或網格無法使用（批次轉換時，有任何一行無法使用）；
2 命令列無法理解。
</translation>
    </message>
    <message>
        <source>--locate takes a position, two lines (the longitude and the latitude) or - for standard input, not %1</source>
        <extracomment>%1: how many were given</extracomment>
        <translation>--locate 需要一個位置、經度和緯度兩個值，或以 - 表示標準輸入，而不是 %1 個</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is empty</source>
        <translation>位置「%1」是空的</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is written in no notation quillmark reads</source>
        <translation>位置「%1」不是 quillmark 能讀出的寫法</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has one value; a position needs the latitude and the longitude</source>
        <translation>位置「%1」只有一個數值；位置需要緯度和經度兩個</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has more than two numbers</source>
        <translation>位置「%1」的數值多於兩個</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a latitude outside 90°S to 90°N, 90°N excluded</source>
        <translation>位置「%1」的緯度超出範圍（南緯 90° 至北緯 90°，北緯 90° 不含）</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a longitude outside 180°W to 180°E, 180°E excluded</source>
        <translation>位置「%1」的經度超出範圍（西經 180° 至東經 180°，東經 180° 不含）</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has two latitudes</source>
        <translation>位置「%1」的兩個數值都標為緯度</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has two longitudes</source>
        <translation>位置「%1」的兩個數值都標為經度</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; names the hemisphere of one value but not of the other</source>
        <translation>位置「%1」只有一個數值標明了半球</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a value with both a sign and a hemisphere</source>
        <translation>位置「%1」中有數值既帶正負號又標明了半球</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has minutes of 60 or more</source>
        <translation>位置「%1」中的分是 60 或更大</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has seconds of 60 or more</source>
        <translation>位置「%1」中的秒是 60 或更大</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has minutes or seconds without their mark before another number</source>
        <translation>位置「%1」中分或秒沒有符號，後面又是數字，分不清</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; looks like degrees and decimal minutes without their marks; write ° and &apos;</source>
        <translation>位置「%1」像是沒有符號的度和分；請寫上 ° 和 &apos;</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a - or + right after a number: a sign or a separator?</source>
        <translation>位置「%1」中數字後的 - 或 + 分不清是正負號還是分隔符</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a comma between digits: a decimal comma or a separator?</source>
        <translation>位置「%1」中數字之間的逗號分不清是小數點還是分隔符</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a number with an exponent</source>
        <translation>位置「%1」中的數字帶指數</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has NaN or infinity, which are no numbers</source>
        <translation>位置「%1」中有 NaN 或無窮大，它們不是數值</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has more than 18 decimals, which cannot be taken exactly</source>
        <translation>位置「%1」的小數多於 18 位，無法精確換算</translation>
    </message>
    <message>
        <source>the link &quot;%1&quot; holds no position (open a short link first and give the address it leads to)</source>
        <translation>連結「%1」中沒有位置（短網址請先開啟，再給出它指向的網址）</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has &quot;%2&quot;, which is no part of a position</source>
        <extracomment>%2: the words or characters, from the position</extracomment>
        <translation>位置「%1」中的「%2」不是位置的一部分</translation>
    </message>
    <message>
        <source>the link &quot;%1&quot; is to &quot;%2&quot;, whose positions quillmark does not read</source>
        <extracomment>%2: the link&apos;s host, such as www.bing.com</extracomment>
        <translation>連結「%1」指向「%2」，quillmark 讀不了它的位置</translation>
    </message>
    <message>
        <source>the link &quot;%1&quot; is to %2, whose coordinates are deliberately offset from WGS-84</source>
        <extracomment>%2: the map service, such as Baidu Maps</extracomment>
        <translation>連結「%1」指向%2，其座標刻意偏離 WGS-84</translation>
    </message>
</context>
</TS>
