<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>quillmark::Dispatch</name>
    <message>
        <source>Unknown error</source>
        <translation>未知錯誤</translation>
    </message>
</context>
<context>
    <name>quillmark::InvalidInteger</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>「%1」不是有效的整數值</translation>
    </message>
</context>
<context>
    <name>quillmark::LocatorError</name>
    <message>
        <source>经度参数出错！</source>
        <translation>經度參數出錯！</translation>
    </message>
    <message>
        <source>纬度参数出错！</source>
        <translation>緯度參數出錯！</translation>
    </message>
</context>
<context>
    <name>quillmark::MessageBox</name>
    <message>
        <source>Cannot open clipboard</source>
        <translation>無法開啟剪貼簿</translation>
    </message>
</context>
<context>
    <name>quillmark::NoticeBox</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>quillmark::SpinControl</name>
    <message>
        <source>增加 %1</source>
        <translation>增加 %1</translation>
    </message>
    <message>
        <source>减少 %1</source>
        <translation>減少 %1</translation>
    </message>
</context>
<context>
    <name>quillmark::TForm1</name>
    <message>
        <source>制作：Brellwick</source>
        <translation>製作：Brellwick</translation>
    </message>
    <message>
        <source>软件名称：Quillmark</source>
        <translation>軟體名稱：Quillmark</translation>
    </message>
    <message>
        <source>授权类型：免费 </source>
        <translation>授權類型：免費 </translation>
    </message>
    <message>
        <source>版本：V1.0</source>
        <translation>版本：V1.0</translation>
    </message>
    <message>
        <source>本软件不捆绑任何插件</source>
        <translation>本軟體不綑綁任何外掛</translation>
    </message>
    <message>
        <source>Brellwick 主页</source>
        <translation>Brellwick 首頁</translation>
    </message>
    <message>
        <source>计算 QTH</source>
        <translation>計算 QTH</translation>
    </message>
    <message>
        <source>网格地图</source>
        <translation>網格地圖</translation>
    </message>
    <message>
        <source>输入参数：</source>
        <translation>輸入參數：</translation>
    </message>
    <message>
        <source>经度：</source>
        <translation>經度：</translation>
    </message>
    <message>
        <source>纬度：</source>
        <translation>緯度：</translation>
    </message>
    <message>
        <source>经度</source>
        <translation>經度</translation>
    </message>
    <message>
        <source>纬度</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>你在全球的QTH(网格位置)：</source>
        <translation>你在全球的QTH(網格位置)：</translation>
    </message>
    <message>
        <source>你在全球的QTH(网格位置)</source>
        <translation>你在全球的QTH(網格位置)</translation>
    </message>
    <message>
        <source>选择参数：</source>
        <translation>選擇參數：</translation>
    </message>
    <message>
        <source>度:</source>
        <translation>度:</translation>
    </message>
    <message>
        <source>分:</source>
        <translation>分:</translation>
    </message>
    <message>
        <source>秒:</source>
        <translation>秒:</translation>
    </message>
    <message>
        <source>经度 度</source>
        <translation>經度 度</translation>
    </message>
    <message>
        <source>经度 分</source>
        <translation>經度 分</translation>
    </message>
    <message>
        <source>经度 秒</source>
        <translation>經度 秒</translation>
    </message>
    <message>
        <source>西经</source>
        <translation>西經</translation>
    </message>
    <message>
        <source>西经</source>
        <comment>spoken name</comment>
        <translation>西經</translation>
    </message>
    <message>
        <source>东经</source>
        <translation>東經</translation>
    </message>
    <message>
        <source>东经</source>
        <comment>spoken name</comment>
        <translation>東經</translation>
    </message>
    <message>
        <source>纬度 度</source>
        <translation>緯度 度</translation>
    </message>
    <message>
        <source>纬度 分</source>
        <translation>緯度 分</translation>
    </message>
    <message>
        <source>纬度 秒</source>
        <translation>緯度 秒</translation>
    </message>
    <message>
        <source>北纬</source>
        <translation>北緯</translation>
    </message>
    <message>
        <source>北纬</source>
        <comment>spoken name</comment>
        <translation>北緯</translation>
    </message>
    <message>
        <source>南纬</source>
        <translation>南緯</translation>
    </message>
    <message>
        <source>南纬</source>
        <comment>spoken name</comment>
        <translation>南緯</translation>
    </message>
    <message>
        <source>已标出网格 %1</source>
        <translation>已標出網格 %1</translation>
    </message>
    <message>
        <source>经度：</source>
        <comment>coordinate line</comment>
        <translation>經度：</translation>
    </message>
    <message>
        <source>纬度：</source>
        <comment>coordinate line</comment>
        <translation>緯度：</translation>
    </message>
    <message>
        <source>复制 6 位网格</source>
        <translation>複製 6 位網格</translation>
    </message>
    <message>
        <source>复制 8 位网格</source>
        <translation>複製 8 位網格</translation>
    </message>
</context>
</TS>
