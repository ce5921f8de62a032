<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>quillmark::CommandLine</name>
    <message>
        <source>longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>a field letter</source>
        <translation>场字母</translation>
    </message>
    <message>
        <source>a square digit</source>
        <translation>方格数字</translation>
    </message>
    <message>
        <source>a subsquare letter</source>
        <translation>子方格字母</translation>
    </message>
    <message>
        <source>an extended square digit</source>
        <translation>扩展方格数字</translation>
    </message>
    <message>
        <source>an extended subsquare letter</source>
        <translation>扩展子方格字母</translation>
    </message>
    <message>
        <source>a byte that is no UTF-8</source>
        <translation>一个非 UTF-8 字节</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>One character of a locator, quoted</extracomment>
        <translation>“%1”</translation>
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
窗口选项，由 Qt 自己处理（一个或两个短横线均可）：
  -platform 名称               显示平台：xcb、wayland、offscreen……
  -platformpluginpath 目录     查找显示平台的位置
  -platformtheme 名称          要跟随的桌面主题
  -plugin 名称                 加载一个输入设备插件
  -qwindowgeometry 位置        窗口的位置，例如 +100+50
  -qwindowtitle 标题           窗口的标题
  -qwindowicon 文件            窗口的图标
  -geometry, -title, -icon     在 X11 上的同样选项
  -display 显示器              要使用的 X11 显示器
  -name 名称                   X11 资源名称
  -visual 视觉类型             X11 视觉类型（visual）
  -style 样式, -style=样式     部件样式
  -stylesheet 文件, -stylesheet=文件  部件的样式表
  -reverse                     从右到左布置窗口
  -session 标识                恢复桌面会话
  -widgetcount                 退出时统计部件数量
  -testability                 加载 Qt 的可测试性插件
  -nograb, -dograb             X11 鼠标和键盘抓取，用于调试
  -qmljsdebugger=选项          Qt 的 QML 调试器
</translation>
    </message>
    <message>
        <source>%1; try &apos;quillmark --help&apos;</source>
        <extracomment>%1: what is wrong with the command line</extracomment>
        <translation>%1；请尝试执行“quillmark --help”</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>--distance takes two locators, not %1</source>
        <translation>--distance 需要两个网格，而不是 %1 个</translation>
    </message>
    <message>
        <source>--precision takes 2, 4, 6, 8 or 10, not &apos;%1&apos;</source>
        <extracomment>%1: what was given instead</extracomment>
        <translation>--precision 只接受 2、4、6、8 或 10，而不是“%1”</translation>
    </message>
    <message>
        <source>--precision goes with --locate</source>
        <translation>--precision 只能与 --locate 一起使用</translation>
    </message>
    <message>
        <source>give one of --locate, --position and --distance, once</source>
        <translation>--locate、--position 和 --distance 只能选一个，且只能给出一次</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; has no %3</source>
        <extracomment>%1: longitude or latitude; %2: the coordinate line; %3: such as &quot;degrees from 0 to 179&quot;</extracomment>
        <translation>%1“%2”缺少有效的%3</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; has a fraction of a second that is not up to 18 decimal digits</source>
        <extracomment>%1: longitude or latitude; %2: the coordinate line</extracomment>
        <translation>%1“%2”中秒的小数超过 18 位</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; has no hemisphere letter %3 or %4</source>
        <extracomment>%1: longitude or latitude; %2: the coordinate line; %3, %4: E and W, or N and S</extracomment>
        <translation>%1“%2”缺少半球字母 %3 或 %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value.</source>
        <extracomment>%1: the text read as a whole number of degrees, minutes or seconds</extracomment>
        <translation>“%1”不是有效的整数值。</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has 1 character; a locator has 2 to 10</source>
        <translation>网格“%1”只有 1 个字符；网格应有 2 到 10 个字符</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has %2 characters; a locator has 2 to 10</source>
        <extracomment>%2: how many characters, 0 or more than 10</extracomment>
        <translation>网格“%1”有 %2 个字符；网格应有 2 到 10 个字符</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has an odd number of characters (%2); a locator has 2, 4, 6, 8 or 10</source>
        <translation>网格“%1”的字符数是奇数（%2）；网格应有 2、4、6、8 或 10 个字符</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has %2 at %3, which is neither a letter nor a digit</source>
        <extracomment>%2: the character, quoted, or &quot;a byte that is no UTF-8&quot;; %3: its place, from 1</extracomment>
        <translation>网格“%1”的第 %3 个字符是%2，既不是字母也不是数字</translation>
    </message>
    <message>
        <source>the locator &quot;%1&quot; has %2 at %3 where %4 goes, %5 to %6</source>
        <extracomment>%2: the character, quoted; %3: its place, from 1; %4: such as &quot;a field letter&quot;; %5 to %6: what that place takes, such as A to R</extracomment>
        <translation>网格“%1”的第 %3 个字符是%2，此处应为%4（%5 到 %6）</translation>
    </message>
    <message>
        <source>more than one tab; a line holds two columns</source>
        <translation>制表符多于一个；每行只有两列</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>无法写入输出：%1</translation>
    </message>
    <message>
        <source>cannot read standard input: %1</source>
        <translation>无法读取标准输入：%1</translation>
    </message>
    <message>
        <source>cannot load the window: %1</source>
        <extracomment>%1: the system&apos;s reason, in English</extracomment>
        <translation>无法加载窗口：%1</translation>
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
        <translation>高德地图</translation>
    </message>
    <message>
        <source>Baidu Maps</source>
        <translation>百度地图</translation>
    </message>
    <message>
        <source>Tencent Maps</source>
        <translation>腾讯地图</translation>
    </message>
    <message>
        <source>Google Maps China</source>
        <translation>谷歌地图中国版</translation>
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
        <translation>用法：quillmark [选项]...
求位置的 Maidenhead 网格、网格的位置以及网格之间的距离。不带选项时打开窗口。

  --locate 位置                打印从地图、GPS、链接或文本复制来的位置所在的
                               网格：十进制度（&quot;23.1089, 113.2649&quot;，纬度在
                               前）、度分、带 N S E W 或北纬东经的度分秒、
                               APRS 和 NMEA、ISO 6709、geo: URI、谷歌地图
                               和 OpenStreetMap 链接，或网格
  --locate 经度 纬度           打印按窗口写法给出的经度和纬度所在的网格，
                               例如 113°15&apos;53.76&quot;E 23°6&apos;32.02&quot;N（秒可精确到
                               18 位小数）
  --locate -                   对标准输入的每一行做同样的计算：每行是经度、
                               一个制表符和纬度，或不含制表符的一个位置
  --precision N                与 --locate 一起使用：2、4、6、8 或 10 个字符
                               （不给出时为 6）
  --position 网格              打印 2 到 10 个字符的网格的中心点、西南角和
                               东北角
  --distance 起点 终点         打印从一个网格的中心到另一个网格的中心的距离
                               和起始方位角，短程和长程各一行
  -h, --help                   打印本帮助
  --help-all                   打印本帮助和窗口选项
  -v, --version                打印版本

退出状态：0 完成；1 位置或网格无法使用（批量转换时，有任何一行无法使用）；
2 命令行无法理解。
</translation>
    </message>
    <message>
        <source>--locate takes a position, two lines (the longitude and the latitude) or - for standard input, not %1</source>
        <extracomment>%1: how many were given</extracomment>
        <translation>--locate 需要一个位置、经度和纬度两个值，或用 - 表示标准输入，而不是 %1 个</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is empty</source>
        <translation>位置“%1”是空的</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is written in no notation quillmark reads</source>
        <translation>位置“%1”不是 quillmark 能读出的写法</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has one value; a position needs the latitude and the longitude</source>
        <translation>位置“%1”只有一个数值；位置需要纬度和经度两个</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has more than two numbers</source>
        <translation>位置“%1”的数值多于两个</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a latitude outside 90°S to 90°N, 90°N excluded</source>
        <translation>位置“%1”的纬度超出范围（南纬 90° 至北纬 90°，北纬 90° 不含）</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a longitude outside 180°W to 180°E, 180°E excluded</source>
        <translation>位置“%1”的经度超出范围（西经 180° 至东经 180°，东经 180° 不含）</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has two latitudes</source>
        <translation>位置“%1”的两个数值都标为纬度</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has two longitudes</source>
        <translation>位置“%1”的两个数值都标为经度</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; names the hemisphere of one value but not of the other</source>
        <translation>位置“%1”只有一个数值标明了半球</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a value with both a sign and a hemisphere</source>
        <translation>位置“%1”中有数值既带正负号又标明了半球</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has minutes of 60 or more</source>
        <translation>位置“%1”中的分是 60 或更大</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has seconds of 60 or more</source>
        <translation>位置“%1”中的秒是 60 或更大</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has minutes or seconds without their mark before another number</source>
        <translation>位置“%1”中分或秒没有符号，后面又是数字，分不清</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; looks like degrees and decimal minutes without their marks; write ° and &apos;</source>
        <translation>位置“%1”像是没有符号的度和分；请写上 ° 和 &apos;</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a - or + right after a number: a sign or a separator?</source>
        <translation>位置“%1”中数字后的 - 或 + 分不清是正负号还是分隔符</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a comma between digits: a decimal comma or a separator?</source>
        <translation>位置“%1”中数字之间的逗号分不清是小数点还是分隔符</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has a number with an exponent</source>
        <translation>位置“%1”中的数字带指数</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has NaN or infinity, which are no numbers</source>
        <translation>位置“%1”中有 NaN 或无穷大，它们不是数值</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has more than 18 decimals, which cannot be taken exactly</source>
        <translation>位置“%1”的小数多于 18 位，无法精确换算</translation>
    </message>
    <message>
        <source>the link &quot;%1&quot; holds no position (open a short link first and give the address it leads to)</source>
        <translation>链接“%1”中没有位置（短链接请先打开，再给出它指向的地址）</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; has &quot;%2&quot;, which is no part of a position</source>
        <extracomment>%2: the words or characters, from the position</extracomment>
        <translation>位置“%1”中的“%2”不是位置的一部分</translation>
    </message>
    <message>
        <source>the link &quot;%1&quot; is to &quot;%2&quot;, whose positions quillmark does not read</source>
        <extracomment>%2: the link&apos;s host, such as www.bing.com</extracomment>
        <translation>链接“%1”指向“%2”，quillmark 读不了它的位置</translation>
    </message>
    <message>
        <source>the link &quot;%1&quot; is to %2, whose coordinates are deliberately offset from WGS-84</source>
        <extracomment>%2: the map service, such as Baidu Maps</extracomment>
        <translation>链接“%1”指向%2，其坐标有意偏离 WGS-84</translation>
    </message>
</context>
</TS>
