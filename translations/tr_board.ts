<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BoardList</name>
    <message>
        <source>台号</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>End</translation>
    </message>
    <message>
        <source>时长</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>元/小时</source>
        <translation>Yuan/h</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>会员号</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>BoardMenus</name>
    <message>
        <source>计时</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>开始计时</source>
        <translation>Start timing</translation>
    </message>
    <message>
        <source>结账</source>
        <translation>Settle</translation>
    </message>
    <message>
        <source>结账计时停止</source>
        <translation>Settle and stop timing</translation>
    </message>
    <message>
        <source>预结</source>
        <translation>Pre-bill</translation>
    </message>
    <message>
        <source>预结单（不结帐）</source>
        <translation>Provisional bill (does not settle)</translation>
    </message>
    <message>
        <source>转台</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>销售</source>
        <translation>Sell</translation>
    </message>
    <message>
        <source>商品销售</source>
        <translation>Goods sale</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>锁定计算机</source>
        <translation>Lock the computer</translation>
    </message>
    <message>
        <source>解锁</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>解除锁定计算机</source>
        <translation>Unlock the computer</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Show the desktop</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>选中后结账后自动打印账单</source>
        <translation>When pressed, the bill is printed at checkout</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Remind</translation>
    </message>
    <message>
        <source>客人到时提醒时间录入</source>
        <translation>Enter when to remind the guest</translation>
    </message>
    <message>
        <source>押金</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>输入押金</source>
        <translation>Enter the deposit</translation>
    </message>
    <message>
        <source>互换</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>台位互换</source>
        <translation>Swap tables</translation>
    </message>
    <message>
        <source>基础数据设置(&amp;S)</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>&amp;1.锁定计算机</source>
        <translation>&amp;1. Lock the computer</translation>
    </message>
    <message>
        <source>&amp;2.台位设置</source>
        <translation>&amp;2. Tables</translation>
    </message>
    <message>
        <source>&amp;3.换    班</source>
        <translation>&amp;3. Change shift</translation>
    </message>
    <message>
        <source>&amp;4.台位时段收费标准设置</source>
        <translation>&amp;4. Table rates by time band</translation>
    </message>
    <message>
        <source>&amp;5.系统参数设置</source>
        <translation>&amp;5. System parameters</translation>
    </message>
    <message>
        <source>&amp;6.清空历史数据</source>
        <translation>&amp;6. Clear history data</translation>
    </message>
    <message>
        <source>&amp;8.计费方案设定</source>
        <translation>&amp;8. Rate plans</translation>
    </message>
    <message>
        <source>&amp;9.选择数据库位置</source>
        <translation>&amp;9. Database location</translation>
    </message>
    <message>
        <source>&amp;A.数 据 库 备 份</source>
        <translation>&amp;A. Database backup</translation>
    </message>
    <message>
        <source>退出系统</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>会员管理(&amp;M)</source>
        <translation>&amp;Members</translation>
    </message>
    <message>
        <source>&amp;1.会员登记</source>
        <translation>&amp;1. Member register</translation>
    </message>
    <message>
        <source>营业管理</source>
        <translation>Business</translation>
    </message>
    <message>
        <source>&amp;1.台位计时</source>
        <translation>&amp;1. Start timing</translation>
    </message>
    <message>
        <source>&amp;2.台位结帐</source>
        <translation>&amp;2. Settle table</translation>
    </message>
    <message>
        <source>&amp;3.转    台</source>
        <translation>&amp;3. Move table</translation>
    </message>
    <message>
        <source>&amp;4.刷新台位状态</source>
        <translation>&amp;4. Refresh tables</translation>
    </message>
    <message>
        <source>&amp;5.显示背景图</source>
        <translation>&amp;5. Show background picture</translation>
    </message>
    <message>
        <source>&amp;6.是否自动打印</source>
        <translation>&amp;6. Print bill automatically</translation>
    </message>
    <message>
        <source>&amp;7.客人提醒</source>
        <translation>&amp;7. Guest reminder</translation>
    </message>
    <message>
        <source>&amp;8.客人押金录入</source>
        <translation>&amp;8. Guest deposit</translation>
    </message>
    <message>
        <source>&amp;9.台位互换</source>
        <translation>&amp;9. Swap tables</translation>
    </message>
    <message>
        <source>&amp;A.重打上一张小票</source>
        <translation>&amp;A. Reprint last receipt</translation>
    </message>
    <message>
        <source>&amp;B.预结单（非正式收据）</source>
        <translation>&amp;B. Provisional bill (not a receipt)</translation>
    </message>
    <message>
        <source>&amp;C.商品销售</source>
        <translation>&amp;C. Goods sale</translation>
    </message>
    <message>
        <source>商品管理(&amp;D)</source>
        <translation>Goo&amp;ds</translation>
    </message>
    <message>
        <source>&amp;1.商品类别设置</source>
        <translation>&amp;1. Goods categories</translation>
    </message>
    <message>
        <source>&amp;2.商品进货</source>
        <translation>&amp;2. Goods purchase</translation>
    </message>
    <message>
        <source>&amp;3.商品销售</source>
        <translation>&amp;3. Goods sale</translation>
    </message>
    <message>
        <source>&amp;4.商品盘点</source>
        <translation>&amp;4. Stocktaking</translation>
    </message>
    <message>
        <source>数据查询(&amp;F)</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>&amp;1.当前班次营业报告</source>
        <translation>&amp;1. Current shift report</translation>
    </message>
    <message>
        <source>&amp;2.当日营业报告</source>
        <translation>&amp;2. Daily report</translation>
    </message>
    <message>
        <source>&amp;3.营业收入统计</source>
        <translation>&amp;3. Takings statistics</translation>
    </message>
    <message>
        <source>&amp;4.商品销售统计</source>
        <translation>&amp;4. Goods sales statistics</translation>
    </message>
    <message>
        <source>&amp;5.会员消费明细</source>
        <translation>&amp;5. Member spending details</translation>
    </message>
    <message>
        <source>&amp;6.会员消费汇总</source>
        <translation>&amp;6. Member spending summary</translation>
    </message>
    <message>
        <source>操作员管理(&amp;O)</source>
        <translation>&amp;Operators</translation>
    </message>
    <message>
        <source>&amp;1.操作员设置</source>
        <translation>&amp;1. Operators</translation>
    </message>
    <message>
        <source>&amp;2.操作员口令变更</source>
        <translation>&amp;2. Change password</translation>
    </message>
    <message>
        <source>&amp;3.操员日志</source>
        <translation>&amp;3. Operator log</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;1.帮助</source>
        <translation>&amp;1. Help</translation>
    </message>
    <message>
        <source>&amp;2.搜索有关帮助的信息</source>
        <translation>&amp;2. Search help</translation>
    </message>
    <message>
        <source>&amp;3.常见问题回答</source>
        <translation>&amp;3. Frequently asked questions</translation>
    </message>
    <message>
        <source>&amp;4.关于 Tavoro</source>
        <translation>&amp;4. About Tavoro</translation>
    </message>
</context>
<context>
    <name>BoardModel</name>
    <message>
        <source>使用</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>台号</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>End</translation>
    </message>
    <message>
        <source>时长</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>元/小时</source>
        <translation>Yuan/h</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>卡号</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>位名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Remind</translation>
    </message>
</context>
<context>
    <name>BoardPanel</name>
    <message>
        <source>0 为不打折 ，请输入大于 0 小于10的数字。</source>
        <translation>0 means no discount; otherwise enter a number above 0 and below 10.</translation>
    </message>
    <message>
        <source>0不提醒  如顾客要求1小时提醒 则数如 1 即可</source>
        <translation>0 means no reminder. For a reminder after 1 hour, enter 1.</translation>
    </message>
    <message>
        <source>客人所付押金,请输入整数。如 5元输入 5即可。</source>
        <translation>Deposit the guest paid, as a whole number: for 5 yuan enter 5.</translation>
    </message>
    <message>
        <source>全部台位灯光</source>
        <translation>All table lights</translation>
    </message>
    <message>
        <source>台位号</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>会员卡号</source>
        <translation>Card no.</translation>
    </message>
    <message>
        <source>密 码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>折扣率</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>提醒时长/分钟</source>
        <translation>Remind (min)</translation>
    </message>
    <message>
        <source>客户所付押金</source>
        <translation>Deposit</translation>
    </message>
    <message>
        <source>计时消费金额</source>
        <translation>Time charge</translation>
    </message>
    <message>
        <source>商品消费金额</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>消费总金额合计:</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>BoardRows</name>
    <message>
        <source>%1 分钟已到</source>
        <translation>%1 min up</translation>
    </message>
</context>
<context>
    <name>CheckoutReceipt</name>
    <message>
        <source>预结单（非正式收据）</source>
        <translation>Provisional bill (not a receipt)</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>无法打开数据文件 %1：%2</source>
        <translation>Cannot open the data file %1: %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>所在位置不支持 WAL 日志模式（SQLite 只给出“%1”模式），请把数据文件放在本机磁盘上</source>
        <translation>its location does not support WAL journal mode (SQLite only gives &quot;%1&quot; mode); put the data file on a local disk</translation>
    </message>
    <message>
        <source>。文件夹中没有备份（data*.bak），请与维护人员联系</source>
        <translation>. The folder holds no backup (data*.bak); contact your maintainer</translation>
    </message>
    <message>
        <source>。请退出程序，用最近的备份 %1（%2 保存）替换它后再启动</source>
        <translation>. Exit the program, replace it with the latest backup %1 (saved %2), then start again</translation>
    </message>
    <message>
        <source>%1：文件是空的</source>
        <translation>%1: the file is empty</translation>
    </message>
    <message>
        <source>%1：不是 SQLite 数据库文件</source>
        <translation>%1: not an SQLite database file</translation>
    </message>
    <message>
        <source>%1：其中没有 Tavoro 的数据表</source>
        <translation>%1: it holds no Tavoro tables</translation>
    </message>
    <message>
        <source>缺少数据表 %1</source>
        <translation>tables missing: %1</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>不是一个文件</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>没有读取这个文件的权限</source>
        <translation>no permission to read this file</translation>
    </message>
    <message>
        <source>所在文件夹 %1 是只读的，无法在其中建立日志文件</source>
        <translation>its folder %1 is read-only, so no journal file can be made there</translation>
    </message>
    <message>
        <source>文件已存在，不会覆盖：%1</source>
        <translation>The file already exists and is not overwritten: %1</translation>
    </message>
    <message>
        <source>无法创建文件 %1：%2</source>
        <translation>Cannot create the file %1: %2</translation>
    </message>
</context>
<context>
    <name>DbPlace</name>
    <message>
        <source>找不到随程序提供的空数据库（查找过 %1），无法建立数据文件 %2。请重新安装 Tavoro。</source>
        <translation>The empty database shipped with the program was not found (looked in %1), so the data file %2 cannot be made. Please reinstall Tavoro.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>无法建立文件夹 %1，数据文件 %2 没有建立。</source>
        <translation>Cannot make the folder %1; the data file %2 was not made.</translation>
    </message>
    <message>
        <source>无法从 %1 建立数据文件 %2：%3</source>
        <translation>Cannot make the data file %2 from %1: %3</translation>
    </message>
    <message>
        <source>无法设置数据文件 %1 的权限。</source>
        <translation>Cannot set the permissions of the data file %1.</translation>
    </message>
</context>
<context>
    <name>Form_menu</name>
    <message>
        <source>台号：%1</source>
        <translation>Table: %1</translation>
    </message>
    <message>
        <source>%1台位是否结帐</source>
        <translation>Settle table %1?</translation>
    </message>
    <message>
        <source>没有%1号台</source>
        <translation>No table %1</translation>
    </message>
    <message>
        <source>会员卡号错误，请重新输入 </source>
        <translation>Wrong member card number, please enter it again </translation>
    </message>
    <message>
        <source>%1号台没有开台，没有预结单。</source>
        <translation>Table %1 is not open, so there is no provisional bill.</translation>
    </message>
    <message>
        <source>此为定位卡 台号为  %1 &apos; %2 是否结帐？</source>
        <translation>This is the table card of table %1 (%2). Settle it?</translation>
    </message>
    <message>
        <source>此为定位卡 台号为  %1  ’名称为 %2 是否开台 ?</source>
        <translation>This is the table card of table %1 (%2). Open it?</translation>
    </message>
</context>
<context>
    <name>Form_whdy</name>
    <message>
        <source>位号设置</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source> 位    号</source>
        <translation>Table no.</translation>
    </message>
    <message>
        <source> 名    称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source> 使用标记</source>
        <translation>In use</translation>
    </message>
    <message>
        <source> 服务费率：</source>
        <translation>Service rate:</translation>
    </message>
    <message>
        <source>最小计费分钟</source>
        <translation>Billing unit (min)</translation>
    </message>
    <message>
        <source>   最小计费分钟数据为：如设置为15， 客人消费时间20分钟则系统按30分钟计算。</source>
        <translation>Billing unit in minutes: with 15, a guest who plays 20 minutes is charged for 30.</translation>
    </message>
    <message>
        <source>最低消费分钟 </source>
        <translation>Minimum (min)</translation>
    </message>
    <message>
        <source>   最低消费分钟：如设成0，则不计最低消费，如最低消费60 客人消费不足60分钟按60分钟计算超过则按时间时间计算。</source>
        <translation>Minimum charge in minutes: 0 means no minimum. With 60, a guest who plays less than 60 minutes is charged for 60; longer play is charged by the time played.</translation>
    </message>
    <message>
        <source>开台结帐卡号</source>
        <translation>Table card no.</translation>
    </message>
    <message>
        <source>开台卡号输入：此卡号不能是会员卡，只能是是会员卡中没有此卡号，在营业界面中刷此卡后回车，自动执行开台或结帐操作。</source>
        <translation>Table card: must not be a member card number. Swiping it on the board and pressing Enter opens or settles the table.</translation>
    </message>
    <message>
        <source>位号</source>
        <translation>Table no.</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>使用标记</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>服务费率</source>
        <translation>Service rate</translation>
    </message>
    <message>
        <source>最低消费分钟</source>
        <translation>Minimum (min)</translation>
    </message>
    <message>
        <source>数据库升级完成：台位增加了最小计费分钟、最低消费分钟和开台结帐卡号，现有台位按最小计费 15 分钟、最低消费 60 分钟计费，请核对。</source>
        <translation>Database upgraded: tables now have a billing unit, a minimum charge and a table card number. Existing tables are billed with a 15-minute unit and a 60-minute minimum; please check them.</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>台位类型</source>
        <translation>Table type</translation>
    </message>
    <message>
        <source>确认删除当前记录</source>
        <translation>Delete the current record?</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>请输入位号:</source>
        <translation>Enter the table number:</translation>
    </message>
    <message>
        <source>无符合条件记录</source>
        <translation>No matching record</translation>
    </message>
    <message>
        <source>没有找到计算器程序。</source>
        <translation>No calculator program was found.</translation>
    </message>
    <message>
        <source>位号不能为空</source>
        <translation>The table number must not be empty</translation>
    </message>
    <message>
        <source>名称不能为空</source>
        <translation>The name must not be empty</translation>
    </message>
</context>
<context>
    <name>LampRound</name>
    <message>
        <source>启动灯光校正</source>
        <translation>Start-up light check</translation>
    </message>
    <message>
        <source>灯光巡检</source>
        <translation>Light round</translation>
    </message>
    <message>
        <source>%1没有完成：%2</source>
        <translation>%1 not completed: %2</translation>
    </message>
</context>
<context>
    <name>ModCWCl</name>
    <message>
        <source>数据有误，请重新输入!</source>
        <translation>The data is wrong, please enter it again!</translation>
    </message>
    <message>
        <source>错误号 %1 %2，退出</source>
        <translation>Error %1 %2, stopped</translation>
    </message>
</context>
<context>
    <name>ModCheckDate</name>
    <message>
        <source>请在“控制面板”中的“区域设置” 中“日期”中设置“短日期样式”为：yyyy-mm-dd</source>
        <translation>Please set the short date format to yyyy-mm-dd in the regional settings of the system.</translation>
    </message>
</context>
<context>
    <name>ProvisionalBillScreen</name>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>磁盘已满，请先腾出磁盘空间</source>
        <translation>The disk is full; free some disk space first</translation>
    </message>
    <message>
        <source>数据文件是只读的，无法写入</source>
        <translation>The data file is read-only and cannot be written</translation>
    </message>
    <message>
        <source>读写磁盘出错，请检查磁盘</source>
        <translation>Disk read or write error; please check the disk</translation>
    </message>
    <message>
        <source>数据文件被其他程序锁定，请关闭正在使用它的程序后再试</source>
        <translation>The data file is locked by another program; close the program using it and try again</translation>
    </message>
    <message>
        <source>数据文件已损坏</source>
        <translation>The data file is damaged</translation>
    </message>
    <message>
        <source>不是 Tavoro 数据库</source>
        <translation>Not a Tavoro database</translation>
    </message>
    <message>
        <source>数据库操作失败</source>
        <translation>Database operation failed</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>数据库没有打开</source>
        <translation>The database is not open</translation>
    </message>
    <message>
        <source>找不到数据库结构定义</source>
        <translation>The database schema was not found</translation>
    </message>
</context>
<context>
    <name>TableDefinitions</name>
    <message>
        <source>数据库中没有台位表 zhdy。</source>
        <translation>The database has no table list zhdy.</translation>
    </message>
    <message>
        <source>位号不能为空</source>
        <translation>The table number must not be empty</translation>
    </message>
    <message>
        <source>位号必须是 1 到 %1 之间的整数，“%2”不是。</source>
        <translation>The table number must be a whole number from 1 to %1; &quot;%2&quot; is not.</translation>
    </message>
    <message>
        <source>名称不能为空</source>
        <translation>The name must not be empty</translation>
    </message>
    <message>
        <source>使用标记只能是 0（空闲）或 1（使用中）。</source>
        <translation>In use can only be 0 (free) or 1 (in use).</translation>
    </message>
    <message>
        <source>服务费率必须是不小于 0 的数，最多两位小数。</source>
        <translation>The service rate must be a number of at least 0, with at most two decimals.</translation>
    </message>
    <message>
        <source>最小计费分钟必须是 0 到 %1 之间的整数。</source>
        <translation>The billing unit must be a whole number of minutes from 0 to %1.</translation>
    </message>
    <message>
        <source>最低消费分钟必须是 0 到 %1 之间的整数。</source>
        <translation>The minimum charge must be a whole number of minutes from 0 to %1.</translation>
    </message>
    <message>
        <source>位号 %1 已经是台位“%2”，不能重复。</source>
        <translation>Table number %1 is already table &quot;%2&quot; and cannot be used twice.</translation>
    </message>
    <message>
        <source>%1 号台正在使用，不能改位号，请结帐后再改。</source>
        <translation>Table %1 is in use, so its number cannot change; settle it first.</translation>
    </message>
    <message>
        <source>开台结帐卡号 %1 是会员卡号，不能作开台卡。</source>
        <translation>Card %1 is a member card and cannot be a table card.</translation>
    </message>
    <message>
        <source>开台结帐卡号 %1 已用于 %2 号台。</source>
        <translation>Table card %1 is already used for table %2.</translation>
    </message>
    <message>
        <source>%1 号台正在使用，不能删除，请先结帐。</source>
        <translation>Table %1 is in use and cannot be deleted; settle it first.</translation>
    </message>
</context>
<context>
    <name>TableMarkScreen</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>桌 台 号：</source>
        <translation>Table:</translation>
    </message>
</context>
<context>
    <name>TableMarks</name>
    <message>
        <source>没有台号为 %1 的台位</source>
        <translation>There is no table number %1</translation>
    </message>
    <message>
        <source>提醒时长请输入 0 到 1440 之间的整数分钟。</source>
        <translation>Enter the reminder as a whole number of minutes from 0 to 1440.</translation>
    </message>
    <message>
        <source>押金请输入 0 到 100000 之间、最多两位小数的金额。</source>
        <translation>Enter the deposit as an amount from 0 to 100000 with at most two decimals.</translation>
    </message>
</context>
<context>
    <name>TableMove</name>
    <message>
        <source>%1 号台已没有未结账的客人，转台未完成。</source>
        <translation>Table %1 has no unsettled guest any more; the move was not made.</translation>
    </message>
    <message>
        <source>%1 号台已不是空台，转台未完成，请另选台位。</source>
        <translation>Table %1 is no longer free; the move was not made. Please choose another table.</translation>
    </message>
</context>
<context>
    <name>TableOpening</name>
    <message>
        <source>请先选择台位</source>
        <translation>Please choose a table first</translation>
    </message>
    <message>
        <source>没有台号为 %1 的台位</source>
        <translation>There is no table number %1</translation>
    </message>
</context>
<context>
    <name>ThirdParty</name>
    <message>
        <source>GNU LGPL 3.0（Qt Charts：GNU GPL 3.0）</source>
        <translation>GNU LGPL 3.0 (Qt Charts: GNU GPL 3.0)</translation>
    </message>
    <message>
        <source>Qt 的 Core、Gui、Widgets、Sql、SerialPort、PrintSupport 模块按 GNU 宽通用公共许可证第 3 版使用，Qt Charts 按 GNU 通用公共许可证第 3 版使用；使用的是系统中的共享库，可以换成同一版本系列的其他构建。许可证全文见 https://www.gnu.org/licenses/ ，Debian 系统中在 /usr/share/common-licenses/LGPL-3 和 GPL-3；Qt 的源代码见 https://download.qt.io/ 。Copyright (C) The Qt Company Ltd. and other contributors.</source>
        <translation>Qt&apos;s Core, Gui, Widgets, Sql, SerialPort and PrintSupport modules are used under the GNU Lesser General Public License version 3, and Qt Charts under the GNU General Public License version 3. The program uses the system&apos;s shared libraries, which can be replaced by another build of the same version series. The full licence texts are at https://www.gnu.org/licenses/ and, on Debian, in /usr/share/common-licenses/LGPL-3 and GPL-3; Qt&apos;s source code is at https://download.qt.io/ . Copyright (C) The Qt Company Ltd. and other contributors.</translation>
    </message>
    <message>
        <source>公有领域 (public domain)</source>
        <translation>Public domain</translation>
    </message>
</context>
<context>
    <name>TransferPanel</name>
    <message>
        <source>转出确认</source>
        <translation>Move out</translation>
    </message>
    <message>
        <source>取消转出</source>
        <translation>Undo out</translation>
    </message>
    <message>
        <source>转台</source>
        <translation>Move table</translation>
    </message>
    <message>
        <source>转入确认</source>
        <translation>Move in</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>先转出确认,选择台位后,点[转入确认]按钮.</source>
        <translation>Press Move out, choose a table, then press [Move in].</translation>
    </message>
    <message>
        <source>现 桌 台：</source>
        <translation>Table:</translation>
    </message>
    <message>
        <source>换入桌台：</source>
        <translation>New table:</translation>
    </message>
    <message>
        <source>%1 号桌的客人的账单已改为  %2  号台。</source>
        <translation>The bill of table %1&apos;s guest now belongs to table %2.</translation>
    </message>
</context>
<context>
    <name>frmTX</name>
    <message>
        <source>客人提醒时间录入</source>
        <translation>Guest reminder</translation>
    </message>
    <message>
        <source>先管理窗口点击任意台位，再点击【提醒】按钮或从菜单选择，然后输入提醒时长，如客人打算玩一个小时则输入60即可，点击【保存】当此客人从开始算起到一个小时，在提醒位置显示客人消费时间到。</source>
        <translation>Click a table on the board, then the [Remind] button or the menu item, and enter the reminder time: for a guest who plans to play one hour, enter 60 and click [Save]. One hour after the start, the Remind column shows that the time is up.</translation>
    </message>
    <message>
        <source>客人提醒时长</source>
        <translation>Remind after (min)</translation>
    </message>
    <message>
        <source>%1 号桌的客人的提醒时间  %2  已保存。</source>
        <translation>Reminder %2 for the guest at table %1 saved.</translation>
    </message>
</context>
<context>
    <name>frmYj</name>
    <message>
        <source>客人押金录入</source>
        <translation>Guest deposit</translation>
    </message>
    <message>
        <source>先管理窗口点击任意使用台位，再点击【押金】按钮或从菜单选择，然后输入客人交纳的金额，点击【保存】。 注意：押金最多到角分（两位小数）。</source>
        <translation>Click a table in use on the board, then the [Deposit] button or the menu item, enter the amount the guest paid and click [Save]. Note: the deposit has at most two decimals.</translation>
    </message>
    <message>
        <source>客人押金金额</source>
        <translation>Deposit amount</translation>
    </message>
    <message>
        <source>%1 号桌的客人的押金  %2  已保存。</source>
        <translation>Deposit %2 for the guest at table %1 saved.</translation>
    </message>
</context>
<context>
    <name>frmzt</name>
    <message>
        <source>台位互换</source>
        <translation>Swap tables</translation>
    </message>
    <message>
        <source>互换</source>
        <translation>Swap</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>现 桌 台：</source>
        <translation>Table:</translation>
    </message>
    <message>
        <source>换入桌台：</source>
        <translation>New table:</translation>
    </message>
    <message>
        <source>%1 号桌的客人的账单已改为  %2  号台。</source>
        <translation>The bill of table %1&apos;s guest now belongs to table %2.</translation>
    </message>
</context>
</TS>
