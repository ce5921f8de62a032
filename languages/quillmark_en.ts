<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>quillmark::Dispatch</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>quillmark::InvalidInteger</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
</context>
<context>
    <name>quillmark::LocatorError</name>
    <message>
        <source>经度参数出错！</source>
        <translation>Longitude out of range!</translation>
    </message>
    <message>
        <source>纬度参数出错！</source>
        <translation>Latitude out of range!</translation>
    </message>
</context>
<context>
    <name>quillmark::MessageBox</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Cannot open clipboard</translation>
    </message>
</context>
<context>
    <name>quillmark::NoticeBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quillmark::SpinControl</name>
    <message>
        <source>增加 %1</source>
        <translation>%1 up</translation>
    </message>
    <message>
        <source>减少 %1</source>
        <translation>%1 down</translation>
    </message>
</context>
<context>
    <name>quillmark::TForm1</name>
    <message>
        <source>制作：Brellwick</source>
        <translation>Made by: Brellwick</translation>
    </message>
    <message>
        <source>软件名称：Quillmark</source>
        <translation>Software: Quillmark</translation>
    </message>
    <message>
        <source>授权类型：免费 </source>
        <translation>Licence: freeware</translation>
    </message>
    <message>
        <source>版本：V1.0</source>
        <translation>Version: V1.0</translation>
    </message>
    <message>
        <source>本软件不捆绑任何插件</source>
        <translation>No bundled add-ons</translation>
    </message>
    <message>
        <source>Brellwick 主页</source>
        <translation>Brellwick home page</translation>
    </message>
    <message>
        <source>计算 QTH</source>
        <translation>Compute QTH</translation>
    </message>
    <message>
        <source>网格地图</source>
        <translation>Grid map</translation>
    </message>
    <message>
        <source>输入参数：</source>
        <translation>Enter coordinates:</translation>
    </message>
    <message>
        <source>经度：</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>纬度：</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>经度</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>纬度</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>你在全球的QTH(网格位置)：</source>
        <translation>Your QTH (grid locator):</translation>
    </message>
    <message>
        <source>你在全球的QTH(网格位置)</source>
        <translation>Your QTH (grid locator)</translation>
    </message>
    <message>
        <source>选择参数：</source>
        <translation>Select coordinates:</translation>
    </message>
    <message>
        <source>度:</source>
        <translation>°</translation>
    </message>
    <message>
        <source>分:</source>
        <translation>′</translation>
    </message>
    <message>
        <source>秒:</source>
        <translation>″</translation>
    </message>
    <message>
        <source>经度 度</source>
        <translation>Longitude degrees</translation>
    </message>
    <message>
        <source>经度 分</source>
        <translation>Longitude minutes</translation>
    </message>
    <message>
        <source>经度 秒</source>
        <translation>Longitude seconds</translation>
    </message>
    <message>
        <source>西经</source>
        <translation>W</translation>
    </message>
    <message>
        <source>西经</source>
        <comment>spoken name</comment>
        <translation>West</translation>
    </message>
    <message>
        <source>东经</source>
        <translation>E</translation>
    </message>
    <message>
        <source>东经</source>
        <comment>spoken name</comment>
        <translation>East</translation>
    </message>
    <message>
        <source>纬度 度</source>
        <translation>Latitude degrees</translation>
    </message>
    <message>
        <source>纬度 分</source>
        <translation>Latitude minutes</translation>
    </message>
    <message>
        <source>纬度 秒</source>
        <translation>Latitude seconds</translation>
    </message>
    <message>
        <source>北纬</source>
        <translation>N</translation>
    </message>
    <message>
        <source>北纬</source>
        <comment>spoken name</comment>
        <translation>North</translation>
    </message>
    <message>
        <source>南纬</source>
        <translation>S</translation>
    </message>
    <message>
        <source>南纬</source>
        <comment>spoken name</comment>
        <translation>South</translation>
    </message>
    <message>
        <source>已标出网格 %1</source>
        <translation>Field %1 marked</translation>
    </message>
    <message>
        <source>经度：</source>
        <comment>coordinate line</comment>
        <translation>Lon:</translation>
    </message>
    <message>
        <source>纬度：</source>
        <comment>coordinate line</comment>
        <translation>Lat:</translation>
    </message>
    <message>
        <source>复制 6 位网格</source>
        <translation>Copy the 6-character locator</translation>
    </message>
    <message>
        <source>复制 8 位网格</source>
        <translation>Copy the 8-character locator</translation>
    </message>
    <message>
        <source>高德地图</source>
        <translation>Amap (Gaode)</translation>
    </message>
    <message>
        <source>百度地图</source>
        <translation>Baidu Maps</translation>
    </message>
    <message>
        <source>腾讯地图</source>
        <translation>Tencent Maps</translation>
    </message>
    <message>
        <source>谷歌地图中国版</source>
        <translation>Google Maps China</translation>
    </message>
    <message>
        <source>不是能读出的位置写法</source>
        <translation>Not a position in any notation Quillmark reads</translation>
    </message>
    <message>
        <source>只有一个数值；位置需要纬度和经度两个</source>
        <translation>Only one value; a position needs a latitude and a longitude</translation>
    </message>
    <message>
        <source>数值多于两个</source>
        <translation>More than two numbers</translation>
    </message>
    <message>
        <source>纬度超出范围：南纬 90° 至北纬 90°，北纬 90° 不含</source>
        <translation>Latitude out of range: 90°S to 90°N, 90°N excluded</translation>
    </message>
    <message>
        <source>经度超出范围：西经 180° 至东经 180°，东经 180° 不含</source>
        <translation>Longitude out of range: 180°W to 180°E, 180°E excluded</translation>
    </message>
    <message>
        <source>两个数值都标为纬度</source>
        <translation>Both values are marked as latitudes</translation>
    </message>
    <message>
        <source>两个数值都标为经度</source>
        <translation>Both values are marked as longitudes</translation>
    </message>
    <message>
        <source>只有一个数值标明了方向（N、S、E、W 或北纬等）</source>
        <translation>Only one value names its hemisphere (N, S, E or W)</translation>
    </message>
    <message>
        <source>同一数值既有正负号又标明了方向</source>
        <translation>A value has both a sign and a hemisphere</translation>
    </message>
    <message>
        <source>分不能是 60 或更大</source>
        <translation>Minutes cannot be 60 or more</translation>
    </message>
    <message>
        <source>秒不能是 60 或更大</source>
        <translation>Seconds cannot be 60 or more</translation>
    </message>
    <message>
        <source>分或秒没有符号，后面又是数字，分不清</source>
        <translation>Minutes or seconds without their mark, then another number: unclear</translation>
    </message>
    <message>
        <source>像是没有符号的度和分（23 06.534）：请写上 ° 和 ′</source>
        <translation>Looks like degrees and minutes without marks (23 06.534): write ° and ′</translation>
    </message>
    <message>
        <source>数字后的 - 或 + 分不清是正负号还是分隔符</source>
        <translation>A - or + right after a number: a sign or a separator?</translation>
    </message>
    <message>
        <source>逗号分不清是小数点还是分隔符</source>
        <translation>A comma between digits: a decimal comma or a separator?</translation>
    </message>
    <message>
        <source>不接受指数写法</source>
        <translation>Numbers with an exponent are not taken</translation>
    </message>
    <message>
        <source>NaN 和无穷大不是数值</source>
        <translation>NaN and infinity are no numbers</translation>
    </message>
    <message>
        <source>小数多于 18 位，无法精确换算</source>
        <translation>More than 18 decimals cannot be taken exactly</translation>
    </message>
    <message>
        <source>“%1”不是位置的一部分</source>
        <translation>“%1” is no part of a position</translation>
    </message>
    <message>
        <source>不是有效的网格</source>
        <translation>Not a valid locator</translation>
    </message>
    <message>
        <source>这是纬度，请粘贴到纬度框</source>
        <translation>This is a latitude: paste it into the latitude line</translation>
    </message>
    <message>
        <source>这是经度，请粘贴到经度框</source>
        <translation>This is a longitude: paste it into the longitude line</translation>
    </message>
    <message>
        <source>链接中没有坐标；短链接请先在浏览器中打开，再复制完整地址</source>
        <translation>The link holds no position; open a short link in your browser first and copy the full address</translation>
    </message>
    <message>
        <source>读不了 %1 的链接</source>
        <translation>Links to %1 cannot be read</translation>
    </message>
    <message>
        <source>%1的坐标有意偏离 WGS-84，无法准确换算</source>
        <translation>%1 offsets its coordinates from WGS-84 on purpose: they cannot be taken exactly</translation>
    </message>
</context>
</TS>
