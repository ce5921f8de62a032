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
    <message>
        <source>高德地图</source>
        <translation>高德地圖</translation>
    </message>
    <message>
        <source>百度地图</source>
        <translation>百度地圖</translation>
    </message>
    <message>
        <source>腾讯地图</source>
        <translation>騰訊地圖</translation>
    </message>
    <message>
        <source>谷歌地图中国版</source>
        <translation>Google 地圖中國版</translation>
    </message>
    <message>
        <source>不是能读出的位置写法</source>
        <translation>不是能讀出的位置寫法</translation>
    </message>
    <message>
        <source>只有一个数值；位置需要纬度和经度两个</source>
        <translation>只有一個數值；位置需要緯度和經度兩個</translation>
    </message>
    <message>
        <source>数值多于两个</source>
        <translation>數值多於兩個</translation>
    </message>
    <message>
        <source>纬度超出范围：南纬 90° 至北纬 90°，北纬 90° 不含</source>
        <translation>緯度超出範圍：南緯 90° 至北緯 90°，北緯 90° 不含</translation>
    </message>
    <message>
        <source>经度超出范围：西经 180° 至东经 180°，东经 180° 不含</source>
        <translation>經度超出範圍：西經 180° 至東經 180°，東經 180° 不含</translation>
    </message>
    <message>
        <source>两个数值都标为纬度</source>
        <translation>兩個數值都標為緯度</translation>
    </message>
    <message>
        <source>两个数值都标为经度</source>
        <translation>兩個數值都標為經度</translation>
    </message>
    <message>
        <source>只有一个数值标明了方向（N、S、E、W 或北纬等）</source>
        <translation>只有一個數值標明了方向（N、S、E、W 或北緯等）</translation>
    </message>
    <message>
        <source>同一数值既有正负号又标明了方向</source>
        <translation>同一數值既有正負號又標明了方向</translation>
    </message>
    <message>
        <source>分不能是 60 或更大</source>
        <translation>分不能是 60 或更大</translation>
    </message>
    <message>
        <source>秒不能是 60 或更大</source>
        <translation>秒不能是 60 或更大</translation>
    </message>
    <message>
        <source>分或秒没有符号，后面又是数字，分不清</source>
        <translation>分或秒沒有符號，後面又是數字，分不清</translation>
    </message>
    <message>
        <source>像是没有符号的度和分（23 06.534）：请写上 ° 和 ′</source>
        <translation>像是沒有符號的度和分（23 06.534）：請寫上 ° 和 ′</translation>
    </message>
    <message>
        <source>数字后的 - 或 + 分不清是正负号还是分隔符</source>
        <translation>數字後的 - 或 + 分不清是正負號還是分隔符</translation>
    </message>
    <message>
        <source>逗号分不清是小数点还是分隔符</source>
        <translation>逗號分不清是小數點還是分隔符</translation>
    </message>
    <message>
        <source>不接受指数写法</source>
        <translation>不接受指數寫法</translation>
    </message>
    <message>
        <source>NaN 和无穷大不是数值</source>
        <translation>NaN 和無窮大不是數值</translation>
    </message>
    <message>
        <source>小数多于 18 位，无法精确换算</source>
        <translation>小數多於 18 位，無法精確換算</translation>
    </message>
    <message>
        <source>“%1”不是位置的一部分</source>
        <translation>「%1」不是位置的一部分</translation>
    </message>
    <message>
        <source>不是有效的网格</source>
        <translation>不是有效的網格</translation>
    </message>
    <message>
        <source>这是纬度，请粘贴到纬度框</source>
        <translation>這是緯度，請貼到緯度框</translation>
    </message>
    <message>
        <source>这是经度，请粘贴到经度框</source>
        <translation>這是經度，請貼到經度框</translation>
    </message>
    <message>
        <source>链接中没有坐标；短链接请先在浏览器中打开，再复制完整地址</source>
        <translation>連結中沒有座標；短網址請先在瀏覽器中開啟，再複製完整網址</translation>
    </message>
    <message>
        <source>读不了 %1 的链接</source>
        <translation>讀不了 %1 的連結</translation>
    </message>
    <message>
        <source>%1的坐标有意偏离 WGS-84，无法准确换算</source>
        <translation>%1的座標刻意偏離 WGS-84，無法準確換算</translation>
    </message>
</context>
</TS>
