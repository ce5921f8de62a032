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
</context>
</TS>
