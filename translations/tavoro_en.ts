<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>关于 Tavoro</source>
        <translation>About Tavoro</translation>
    </message>
    <message>
        <source>Tavoro 台球厅计时收费系统</source>
        <translation>Tavoro billiards hall timing and billing</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;本程序使用以下软件：&lt;/p&gt;</source>
        <translation>&lt;p&gt;This program uses the following software:&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;许可证：%3&lt;/p&gt;&lt;p&gt;%4&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1 %2&lt;/h3&gt;&lt;p&gt;Licence: %3&lt;/p&gt;&lt;p&gt;%4&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Form_main</name>
    <message>
        <source>日期:%1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>操作员:%1</source>
        <translation>Operator: %1</translation>
    </message>
    <message>
        <source>班次:%1</source>
        <translation>Shift: %1</translation>
    </message>
    <message>
        <source>是否退出%1？</source>
        <translation>Exit %1?</translation>
    </message>
</context>
<context>
    <name>Frm_active</name>
    <message>
        <source>台球厅计费管理系统</source>
        <translation>Billiards hall billing system</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tavoro 帮助</source>
        <translation>Tavoro Help</translation>
    </message>
    <message>
        <source>目录(&amp;C)</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>后退(&amp;B)</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>输入要找的字词，按回车</source>
        <translation>Type the words to find and press Enter</translation>
    </message>
    <message>
        <source>查找(&amp;F)</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>查找：</source>
        <translation>Find:</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>界面语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Tavoro 下次启动时使用所选的语言。</source>
        <translation>Tavoro uses the chosen language from its next start.</translation>
    </message>
    <message>
        <source>跟随系统语言</source>
        <translation>The system&apos;s language</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>
数据文件的位置记录在 %1（main_path 组的 path 和 data）。</source>
        <translation>
The data file&apos;s location is kept in %1 (path and data of group main_path).</translation>
    </message>
    <message>
        <source>下列参数的值无法识别，本次运行使用初始值：
%1
请在“系统参数设置”中改正。</source>
        <translation>The values of these parameters could not be read; this run uses their initial values:
%1
Please correct them in &quot;System parameters&quot;.</translation>
    </message>
</context>
<context>
    <name>StartDatabase</name>
    <message>
        <source>文件夹 %1 中还没有 Tavoro 的数据文件 %2。
要在那里用随程序提供的空数据库建立它吗？
选“否”则程序结束，不建立任何文件。</source>
        <translation>The folder %1 has no Tavoro data file %2 yet.
Make it there from the empty database shipped with the program?
Choose &quot;No&quot; to end the program without making any file.</translation>
    </message>
</context>
</TS>
