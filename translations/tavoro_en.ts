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
    <name>BackupCopies</name>
    <message>
        <source>数据库没有打开</source>
        <translation>The database is not open</translation>
    </message>
    <message>
        <source>找不到 PostgreSQL 的备份程序 pg_dump，请安装 postgresql-client</source>
        <translation>PostgreSQL&apos;s backup program pg_dump was not found; please install postgresql-client</translation>
    </message>
    <message>
        <source>pg_dump 备份失败：%1</source>
        <translation>The pg_dump backup failed: %1</translation>
    </message>
</context>
<context>
    <name>BandCheck</name>
    <message>
        <source>台号必须是大于0的整数！</source>
        <translation>The table number must be a whole number greater than 0!</translation>
    </message>
    <message>
        <source>计费单位必须是大于0的整数！</source>
        <translation>The billing unit must be a whole number greater than 0!</translation>
    </message>
    <message>
        <source>开始时间和结束时间必须是一天中的时间（如 08:00:00）！</source>
        <translation>Start and end must be times of day (such as 08:00:00)!</translation>
    </message>
    <message>
        <source>开始时间必须早于结束时间！</source>
        <translation>The start time must be before the end time!</translation>
    </message>
    <message>
        <source>时段 %1 与已有时段 %2（编号 %3）重叠！</source>
        <translation>Period %1 overlaps the saved period %2 (no. %3)!</translation>
    </message>
    <message>
        <source>会员价和非会员价</source>
        <translation>Member and non-member rates</translation>
    </message>
</context>
<context>
    <name>BandEditor</name>
    <message>
        <source>台号</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>会员价(元/小时)</source>
        <translation>Member (yuan/h)</translation>
    </message>
    <message>
        <source>非会员价(元/小时)</source>
        <translation>Guest (yuan/h)</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>End</translation>
    </message>
    <message>
        <source>计费单位(小时)</source>
        <translation>Unit (hours)</translation>
    </message>
    <message>
        <source>首记录</source>
        <translation>First</translation>
    </message>
    <message>
        <source>上一条</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一条</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>末记录</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>增 加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修 改</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>保 存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>删 除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>退 出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>是否真的删除此条记录？</source>
        <translation>Really delete this record?</translation>
    </message>
</context>
<context>
    <name>BandStore</name>
    <message>
        <source>请先新增或选择一个计费方案！</source>
        <translation>Add or choose a rate scheme first!</translation>
    </message>
</context>
<context>
    <name>BillingErrors</name>
    <message>
        <source>溢出</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>类型不匹配</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>无效的过程调用或参数</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
</context>
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
    <message>
        <source>&amp;5.界面语言 Language</source>
        <translation>&amp;5. Language</translation>
    </message>
    <message>
        <source>&amp;B.店主网页口令</source>
        <translation>&amp;B.Owner&apos;s view password</translation>
    </message>
    <message>
        <source>&amp;C.开店向导</source>
        <translation>&amp;C. Hall set-up wizard</translation>
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
    <name>BoardScreen</name>
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
    <message>
        <source>%1号台已经开台（可能是在另一台电脑上），台位已刷新。</source>
        <translation>Table %1 is already open (perhaps from another computer). The board has been refreshed.</translation>
    </message>
    <message>
        <source>%1号台已经在 %2 开台，台位已刷新。</source>
        <translation>Table %1 was already opened at %2; the board has been refreshed.</translation>
    </message>
</context>
<context>
    <name>CardReader</name>
    <message>
        <source>读卡器</source>
        <translation>Card reader</translation>
    </message>
    <message>
        <source>读卡器没有设置</source>
        <translation>The card reader is not set up</translation>
    </message>
    <message>
        <source>参数“%1”的值“%2”不能用</source>
        <translation>The value &quot;%2&quot; of the parameter &quot;%1&quot; cannot be used</translation>
    </message>
    <message>
        <source>读卡器没有启用（“%1”不是 1）</source>
        <translation>The card reader is not in use (&quot;%1&quot; is not 1)</translation>
    </message>
    <message>
        <source>读卡器：%1</source>
        <translation>Card reader: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueImport</name>
    <message>
        <source>数据库中没有旧的商品表 %1，无法转换，没有写入任何数据。</source>
        <translation>The database has no old goods table %1. Nothing was converted and no data was written.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between table names</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CatalogueScreen</name>
    <message>
        <source> 商品编码</source>
        <translation> Goods code</translation>
    </message>
    <message>
        <source> 商品名称</source>
        <translation> Goods name</translation>
    </message>
    <message>
        <source> 商品简码</source>
        <translation> Short code</translation>
    </message>
    <message>
        <source> 计量单位</source>
        <translation> Unit</translation>
    </message>
    <message>
        <source> 商品单价</source>
        <translation> Unit price</translation>
    </message>
    <message>
        <source> 会员优惠 </source>
        <translation> Member discount </translation>
    </message>
    <message>
        <source>非会员优惠</source>
        <translation>Non-member discount</translation>
    </message>
    <message>
        <source> 规格型号</source>
        <translation> Spec/model</translation>
    </message>
    <message>
        <source> 产    地</source>
        <translation> Origin</translation>
    </message>
    <message>
        <source> 仓库编码</source>
        <translation> Store code</translation>
    </message>
    <message>
        <source> 仓库名称</source>
        <translation> Store name</translation>
    </message>
    <message>
        <source> 编码级别</source>
        <translation> Code level</translation>
    </message>
    <message>
        <source>【会员优惠】 与 【非会员优惠】使用说明
会员优惠：如果【商品单价】10 元 会员优惠 为 2  在商品销售时如果为会员购买则此种商品价格将为 8 元
非会员优惠：如果【商品单价】10 元 非会员优惠 为 1  在商品销售时如果是非会员购买，则此种商品价格将为 9 元</source>
        <translation>How [Member discount] and [Non-member discount] work
Member discount: if the [Unit price] is 10 yuan and the member discount is 2, a member buys this item for 8 yuan.
Non-member discount: if the [Unit price] is 10 yuan and the non-member discount is 1, a non-member buys this item for 9 yuan.</translation>
    </message>
    <message>
        <source>商品编码</source>
        <translation>Goods code</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
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
        <source>撤消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
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
        <source>商品名称</source>
        <translation>Goods name</translation>
    </message>
    <message>
        <source>商品简码</source>
        <translation>Short code</translation>
    </message>
    <message>
        <source>计量单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>商品单价</source>
        <translation>Unit price</translation>
    </message>
    <message>
        <source>商品列表</source>
        <translation>Goods list</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>是否删除当前记录</source>
        <translation>Delete the current record?</translation>
    </message>
    <message>
        <source>无符合条件的记录!</source>
        <translation>No records match.</translation>
    </message>
    <message>
        <source>商品编码没有打印：打印机不能使用。</source>
        <translation>The goods codes were not printed: the printer cannot be used.</translation>
    </message>
    <message>
        <source>数据转换,如果你已执行一次，请不要再次执行。</source>
        <translation>Data conversion: if you have already run it once, do not run it again.</translation>
    </message>
    <message>
        <source>数据转换完成! 新增商品 %1 条，仓库 %2 条。</source>
        <translation>Data conversion finished: %1 goods and %2 stores added.</translation>
    </message>
    <message>
        <source>没有找到计算器程序。</source>
        <translation>No calculator program was found.</translation>
    </message>
    <message>
        <source>商品名称不能为空</source>
        <translation>The goods name must not be empty.</translation>
    </message>
    <message>
        <source>计量单位不能为空</source>
        <translation>The unit must not be empty.</translation>
    </message>
</context>
<context>
    <name>Checkout</name>
    <message>
        <source>当前时间不在任何计费时段内，本次按开台时的单价 %1 元/小时一段计费。</source>
        <translation>The present time is in no rate period: this visit is billed as one period at the opening rate of %1 yuan/hour.</translation>
    </message>
    <message>
        <source>预结单没有算出。
</source>
        <translation>The provisional bill could not be priced.
</translation>
    </message>
    <message>
        <source>结帐未完成，本台继续计时。
</source>
        <translation>The checkout did not finish; the table keeps timing.
</translation>
    </message>
    <message>
        <source>会员卡错误或密码错误,请重新输入!</source>
        <translation>Wrong member card or password, please enter them again!</translation>
    </message>
    <message>
        <source>金额不足，请先存款！</source>
        <translation>The balance is too low, please top up first!</translation>
    </message>
    <message>
        <source>%1号台刚在另一台电脑上结账或转台，台位已刷新。</source>
        <translation>Table %1 was just settled or moved at another computer; the board has been refreshed.</translation>
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
    <name>ConsumptionCondition</name>
    <message>
        <source>日期输入错误</source>
        <translation>The date is not valid.</translation>
    </message>
    <message>
        <source>请输入数字</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>条件“%1”的类型“%2”不能用来查询，请检查数据字典。</source>
        <translation>The condition &quot;%1&quot; has the type &quot;%2&quot;, which cannot be searched. Please check the data dictionary.</translation>
    </message>
    <message>
        <source>“%1”不是可以查询的条件，请从列表中选择。</source>
        <translation>&quot;%1&quot; is not a condition you can search by. Please choose one from the list.</translation>
    </message>
    <message>
        <source>条件“%1”在数据字典中的字段名“%2”不可用，请检查数据字典。</source>
        <translation>The field name &quot;%2&quot; of the condition &quot;%1&quot; in the data dictionary cannot be used. Please check the data dictionary.</translation>
    </message>
    <message>
        <source>“%1”不是可用的比较符，请选择 %2 之一。</source>
        <translation>&quot;%1&quot; is not a comparison you can use. Please choose one of %2.</translation>
    </message>
    <message>
        <source> 或者 </source>
        <translation> or </translation>
    </message>
    <message>
        <source> 并且 </source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>ConsumptionDetailScreen</name>
    <message>
        <source>会员消费查询列表</source>
        <translation>Member consumption</translation>
    </message>
</context>
<context>
    <name>ConsumptionQuery</name>
    <message>
        <source>未结账</source>
        <translation>Not settled</translation>
    </message>
</context>
<context>
    <name>ConsumptionScreen</name>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>查询条件</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>查询结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>比较</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>关系</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>查询条件：</source>
        <translation>Conditions:</translation>
    </message>
    <message>
        <source>查询(&amp;F)</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>清除(&amp;C)</source>
        <translation>&amp;Clear</translation>
    </message>
    <message>
        <source>预览(&amp;V)</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>并且</source>
        <translation>and</translation>
    </message>
    <message>
        <source>或者</source>
        <translation>or</translation>
    </message>
    <message>
        <source>没有符合条件的记录。</source>
        <translation>No records match.</translation>
    </message>
</context>
<context>
    <name>ConsumptionTotalsScreen</name>
    <message>
        <source>会员消费汇总查询列表</source>
        <translation>Member consumption summary</translation>
    </message>
</context>
<context>
    <name>DailyTakingsScreen</name>
    <message>
        <source>日  期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>台 位 号</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>时  长</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>单  价</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>金  额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>操作员营业日报</source>
        <translation>Operator&apos;s daily takings</translation>
    </message>
    <message>
        <source>营业日报</source>
        <translation>Daily takings</translation>
    </message>
    <message>
        <source>营业报告</source>
        <translation>Takings report</translation>
    </message>
    <message>
        <source>使用专用打印机</source>
        <translation>Use receipt printer</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>结账</source>
        <translation>Settle</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>报表没有打印：打印机不能使用。</source>
        <translation>The report was not printed: the printer cannot be used.</translation>
    </message>
    <message>
        <source>账务没有结清，什么也没有改动：%1</source>
        <translation>The accounts were not settled and nothing was changed: %1</translation>
    </message>
    <message>
        <source>当前营业员，账务已结清，可以下班了!</source>
        <translation>The operator&apos;s accounts are settled; the shift may end!</translation>
    </message>
    <message>
        <source>当前营业日，账务已结清，可以下班了!</source>
        <translation>The business day&apos;s accounts are settled; the shift may end!</translation>
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
    <message>
        <source>无法打开服务器上的数据库 %1：%2</source>
        <translation>Cannot open the database on the server %1: %2</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>服务器要求输入密码</source>
        <translation>The server asks for a password</translation>
    </message>
    <message>
        <source>服务器上没有这个数据库或用户（%1）</source>
        <translation>The server has no such database or user (%1)</translation>
    </message>
    <message>
        <source>服务器没有响应，请检查服务器是否开着、地址和端口是否正确（%1）</source>
        <translation>The server does not answer; check that it is running and that the address and port are right (%1)</translation>
    </message>
    <message>
        <source>服务器的版本太旧（%1），需要 PostgreSQL 13 或更新的版本</source>
        <translation>The server is too old (%1); PostgreSQL 13 or newer is needed</translation>
    </message>
    <message>
        <source>数据库中没有 Tavoro 的表（缺少 %1）</source>
        <translation>The database lacks Tavoro&apos;s tables (missing %1)</translation>
    </message>
    <message>
        <source>数据库中已经有 Tavoro 的表，请换一个空的数据库</source>
        <translation>The database already holds Tavoro&apos;s tables; please choose an empty database</translation>
    </message>
</context>
<context>
    <name>DatabaseBackup</name>
    <message>
        <source>数据备份完成!备份后的文件名称为： %1!</source>
        <translation>Backup finished! The backup file is: %1!</translation>
    </message>
    <message>
        <source>数据备份失败!备份文件 %1 没有写成。
原因：%2</source>
        <translation>Backup failed! The backup file %1 was not written.
Cause: %2</translation>
    </message>
</context>
<context>
    <name>DatabaseFileDialog</name>
    <message>
        <source>设置数据文件</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>选择路径:名称为JSsfServer.MDB 的文件</source>
        <translation>Choose the file named JSsfServer.MDB:</translation>
    </message>
    <message>
        <source>系统操作员口令:</source>
        <translation>System operator password:</translation>
    </message>
    <message>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>确定(&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>数据文件 %1 没有写权限</source>
        <translation>No permission to write the data file %1</translation>
    </message>
    <message>
        <source>系统操作员口令不正确，数据库位置没有改变！</source>
        <translation>Wrong system operator password; the database location was not changed!</translation>
    </message>
    <message>
        <source>最后一笔结账在 %1</source>
        <translation>its last settlement was on %1</translation>
    </message>
    <message>
        <source>其中没有结账记录</source>
        <translation>it holds no settlements</translation>
    </message>
    <message>
        <source>下次启动时将使用数据文件
%1
%2，之后的会员余额和营业记录都以它为准。
确认更换数据库并退出程序吗?</source>
        <translation>From the next start the program uses the data file
%1
(%2); member balances and business records will then come from it.
Change the database and exit the program?</translation>
    </message>
    <message>
        <source>还没有选择数据文件，请先用“浏览...”选择。</source>
        <translation>No data file has been chosen. Choose one with &quot;Browse...&quot; first.</translation>
    </message>
    <message>
        <source>数据文件</source>
        <translation>Database file</translation>
    </message>
    <message>
        <source>数据库服务器（PostgreSQL）</source>
        <translation>Database server (PostgreSQL)</translation>
    </message>
    <message>
        <source>服务器名称、地址或套接字文件夹</source>
        <translation>Server name, address or socket folder</translation>
    </message>
    <message>
        <source>只用于这次检验，不保存</source>
        <translation>Used for this check only, never stored</translation>
    </message>
    <message>
        <source>服务器:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>端口:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>数据库:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>用户:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>服务器密码:</source>
        <translation>Server password:</translation>
    </message>
    <message>
        <source>请填写服务器、端口和数据库。</source>
        <translation>Please fill in the server, the port and the database.</translation>
    </message>
</context>
<context>
    <name>DateDialog</name>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DateFormatCheck</name>
    <message>
        <source>请在“控制面板”中的“区域设置” 中“日期”中设置“短日期样式”为：yyyy-mm-dd</source>
        <translation>Please set the short date format to yyyy-mm-dd in the regional settings of the system.</translation>
    </message>
</context>
<context>
    <name>DayReportScreen</name>
    <message>
        <source>营业日日报使用时间条件</source>
        <translation>Day report by time range</translation>
    </message>
    <message>
        <source>日期从</source>
        <translation>From</translation>
    </message>
    <message>
        <source>到</source>
        <translation>To</translation>
    </message>
</context>
<context>
    <name>DayTakings</name>
    <message>
        <source>没有登录的营业员，不能结清班次账务。</source>
        <translation>No operator is logged in: the shift&apos;s accounts cannot be settled.</translation>
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
    <name>DepositDialog</name>
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
    <name>DevicesSetupPage</name>
    <message>
        <source>第 4 步：灯光控制器和读卡器</source>
        <translation>Step 4: light controller and card reader</translation>
    </message>
    <message>
        <source>端口填串口号（1 即 COM1）或设备路径（如 /dev/ttyUSB0）。保存前可先测试。</source>
        <translation>Enter a port number (1 is COM1) or a device path (such as /dev/ttyUSB0). You can test before saving.</translation>
    </message>
    <message>
        <source>接有灯光控制器</source>
        <translation>A light controller is attached</translation>
    </message>
    <message>
        <source>接有读卡器</source>
        <translation>A card reader is attached</translation>
    </message>
    <message>
        <source>%1 秒内没有读到卡：请检查读卡器的端口和接线。</source>
        <translation>No card was read within %1 seconds: check the reader's port and cable.</translation>
    </message>
    <message>
        <source>测试灯光</source>
        <translation>Test lights</translation>
    </message>
    <message>
        <source>测试刷卡</source>
        <translation>Test card</translation>
    </message>
    <message>
        <source>端口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>灯光控制器和读卡器的设置在下次启动程序时生效。</source>
        <translation>The light controller and card reader settings take effect the next time the program starts.</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>打不开端口：%1</source>
        <translation>The port cannot be opened: %1</translation>
    </message>
    <message>
        <source>灯光控制器有回应：1 号台的灯开过又关了。</source>
        <translation>The light controller answers: table 1&apos;s lamp went on and off again.</translation>
    </message>
    <message>
        <source>测试没有通过：%1</source>
        <translation>The test failed: %1</translation>
    </message>
    <message>
        <source>正在测试：打开 1 号台的灯，再关上……</source>
        <translation>Testing: switching table 1&apos;s lamp on and off…</translation>
    </message>
    <message>
        <source>读到卡号：%1</source>
        <translation>Card read: %1</translation>
    </message>
    <message>
        <source>请在 %1 秒内刷一张卡……</source>
        <translation>Swipe a card within %1 seconds…</translation>
    </message>
</context>
<context>
    <name>DiscountCheck</name>
    <message>
        <source>折扣率权限未设定，请重新设定。</source>
        <translation>No discount right is set for you; please have it set.</translation>
    </message>
    <message>
        <source>折扣率超过你的最大折扣权限%1  ，请重新设定。</source>
        <translation>The discount exceeds your maximum discount right %1; please set it again.</translation>
    </message>
</context>
<context>
    <name>DiscountRate</name>
    <message>
        <source>折扣率只能输入 0（不打折）或小于 10、最多两位小数的数字，如 8.5，请重新设定。</source>
        <translation>The discount can only be 0 (no discount) or a number below 10 with at most two decimals, such as 8.5. Please enter it again.</translation>
    </message>
</context>
<context>
    <name>GoodsCatalogue</name>
    <message>
        <source>此商品是商品类别或已有进货，编码不能修改。</source>
        <translation>This item is a goods category or has purchases: its code cannot be changed.</translation>
    </message>
    <message>
        <source>商品名称不能为空</source>
        <translation>The goods name must not be empty.</translation>
    </message>
    <message>
        <source>计量单位不能为空</source>
        <translation>The unit must not be empty.</translation>
    </message>
    <message>
        <source>优惠应为不小于 0 的数，最多两位小数。</source>
        <translation>A discount must be a number not below 0, with at most two decimals.</translation>
    </message>
    <message>
        <source>优惠不能大于商品单价。</source>
        <translation>A discount cannot be greater than the unit price.</translation>
    </message>
    <message>
        <source>此商品是商品类别或已有进货，不能删除。</source>
        <translation>This item is a goods category or has purchases: it cannot be deleted.</translation>
    </message>
    <message>
        <source>商品单价</source>
        <translation>Unit price</translation>
    </message>
</context>
<context>
    <name>GoodsCode</name>
    <message>
        <source>商品长度应为%1</source>
        <translation>The goods code must be %1 characters long.</translation>
    </message>
    <message>
        <source>编码长度超过定义总长度%1</source>
        <translation>The code is longer than the defined total length %1.</translation>
    </message>
    <message>
        <source>编码长度应为%1</source>
        <translation>The code must be %1 characters long.</translation>
    </message>
    <message>
        <source>上级商品未定义！</source>
        <translation>The parent goods item is not defined.</translation>
    </message>
    <message>
        <source>商品编码重复！</source>
        <translation>This goods code already exists.</translation>
    </message>
</context>
<context>
    <name>GoodsDocument</name>
    <message>
        <source>商品不能为空，请输入，再保存</source>
        <translation>The goods must not be empty. Please enter them, then save.</translation>
    </message>
    <message>
        <source>日期格式错误，请重新输入，再保存</source>
        <translation>The date is not valid. Please enter it again, then save.</translation>
    </message>
    <message>
        <source>数量 请输入数字，请重新输入，再保存</source>
        <translation>Quantity: please enter a number, then save.</translation>
    </message>
    <message>
        <source>单价 请输入数字，请重新输入，再保存</source>
        <translation>Price: please enter a number, then save.</translation>
    </message>
    <message>
        <source>金额 请输入数字，请重新输入，再保存</source>
        <translation>Amount: please enter a number, then save.</translation>
    </message>
    <message>
        <source>%1 号台已结账或未开台，不能记入该台！</source>
        <translation>Table %1 is settled or not open: the goods cannot be charged to it.</translation>
    </message>
    <message>
        <source>当前数据已结帐不能修改！</source>
        <translation>This record is settled and cannot be changed.</translation>
    </message>
    <message>
        <source>当前数据已结帐不能删除！</source>
        <translation>This record is settled and cannot be deleted.</translation>
    </message>
    <message>
        <source>%1 不能超过 %2，请重新输入，再保存</source>
        <translation>%1 cannot exceed %2. Please correct it, then save.</translation>
    </message>
    <message>
        <source>数量 请输入大于 0 的数字，请重新输入，再保存</source>
        <translation>Quantity: please enter a number above 0, then save.</translation>
    </message>
    <message>
        <source>单价</source>
        <translation>Unit price</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>单据日期 %1 与营业日期 %2 相差较远，确实按这个日期保存吗？</source>
        <translation>The document date %1 is far from the business date %2. Save it with this date?</translation>
    </message>
</context>
<context>
    <name>GoodsDocumentsScreen</name>
    <message>
        <source>单据号</source>
        <translation>Doc no.</translation>
    </message>
    <message>
        <source>日  期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>数  量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>单  价</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>金  额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>经手人</source>
        <translation>Handled by</translation>
    </message>
    <message>
        <source>制  单</source>
        <translation>Entered by</translation>
    </message>
    <message>
        <source>备  注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>付款方式</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>商品进货</source>
        <translation>Goods purchases</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
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
        <source>撤消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>商品销售管理 </source>
        <translation>Goods sales </translation>
    </message>
    <message>
        <source>商品进货管理 </source>
        <translation>Goods purchases </translation>
    </message>
    <message>
        <source>选择台号</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>是否结账</source>
        <translation>Settled?</translation>
    </message>
    <message>
        <source>现金</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>刷卡</source>
        <translation>Card</translation>
    </message>
    <message>
        <source>已结账</source>
        <translation>Settled</translation>
    </message>
    <message>
        <source>未结账</source>
        <translation>Not settled</translation>
    </message>
    <message>
        <source>确认删除当前数据吗？</source>
        <translation>Delete the current record?</translation>
    </message>
    <message>
        <source>商品输入错误，请重新输入!</source>
        <translation>No such goods. Please enter it again.</translation>
    </message>
    <message>
        <source>没有找到计算器程序。</source>
        <translation>No calculator program was found.</translation>
    </message>
    <message>
        <source>商品销售</source>
        <translation>Goods sales</translation>
    </message>
</context>
<context>
    <name>GoodsFindDialog</name>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>仓库编码</source>
        <translation>Store code</translation>
    </message>
    <message>
        <source>商品编码</source>
        <translation>Goods code</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Goods name</translation>
    </message>
    <message>
        <source>&amp;Y.确定</source>
        <translation>&amp;Y. OK</translation>
    </message>
    <message>
        <source>&amp;N.放弃</source>
        <translation>&amp;N. Cancel</translation>
    </message>
</context>
<context>
    <name>GoodsPickList</name>
    <message>
        <source>商品帮助</source>
        <translation>Goods list</translation>
    </message>
    <message>
        <source>&amp;Y.确定</source>
        <translation>&amp;Y. OK</translation>
    </message>
    <message>
        <source>&amp;C.放弃</source>
        <translation>&amp;C. Cancel</translation>
    </message>
</context>
<context>
    <name>GoodsStatisticsScreen</name>
    <message>
        <source>商品销售分析报告</source>
        <translation>Goods sales analysis</translation>
    </message>
    <message>
        <source>按商品分类</source>
        <translation>By goods</translation>
    </message>
</context>
<context>
    <name>HallNamePage</name>
    <message>
        <source>第 1 步：球厅名称</source>
        <translation>Step 1: the hall&apos;s name</translation>
    </message>
    <message>
        <source>这个名称打印在账单和报表上。</source>
        <translation>This name is printed on bills and reports.</translation>
    </message>
    <message>
        <source>球厅名称：</source>
        <translation>Hall name:</translation>
    </message>
</context>
<context>
    <name>HallSetup</name>
    <message>
        <source>请填写球厅名称。</source>
        <translation>Please enter the hall&apos;s name.</translation>
    </message>
    <message>
        <source>球厅名称最多 %1 个字。</source>
        <translation>The hall&apos;s name can have at most %1 characters.</translation>
    </message>
    <message>
        <source>参数表中没有“公司名称”一行。</source>
        <translation>The parameter table has no company name row.</translation>
    </message>
    <message>
        <source>%1号台</source>
        <translation>Table %1</translation>
    </message>
    <message>
        <source>台数必须是 1 到 %1 之间的整数。</source>
        <translation>The number of tables must be a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>台名有 %1 个，台数是 %2，请核对台名。</source>
        <translation>There are %1 table names for %2 tables; please check the names.</translation>
    </message>
    <message>
        <source>%1号台：%2</source>
        <translation>Table %1: %2</translation>
    </message>
    <message>
        <source>开店方案</source>
        <translation>Opening plan</translation>
    </message>
    <message>
        <source>请填写计费方案名称。</source>
        <translation>Please enter the rate plan&apos;s name.</translation>
    </message>
    <message>
        <source>晚间开始的钟点必须是 1 到 23 之间的整数。</source>
        <translation>The hour the evening starts must be a whole number from 1 to 23.</translation>
    </message>
    <message>
        <source>计费方案“%1”已经存在，请换一个名称。</source>
        <translation>The rate plan &quot;%1&quot; already exists; please choose another name.</translation>
    </message>
    <message>
        <source>端口“%1”不能用：请填串口号（如 1 即 COM1）或设备路径（如 /dev/ttyUSB0）。</source>
        <translation>The port &quot;%1&quot; cannot be used: enter a port number (1 is COM1) or a device path (such as /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>参数表缺少灯光控制器或读卡器的行，请在系统参数设置中检查。</source>
        <translation>The parameter table lacks the light controller&apos;s or card reader&apos;s rows; please check them in System parameters.</translation>
    </message>
</context>
<context>
    <name>HallSetupRun</name>
    <message>
        <source>本店还没有台位，请系统操作员在“基础数据设置 › 开店向导”中设置。</source>
        <translation>The hall has no tables yet; the system operator must set them up in Setup › Hall set-up wizard.</translation>
    </message>
    <message>
        <source>本店还没有台位。现在用开店向导设置球厅名称、台位、计费方案和设备吗？
选“否”以后再说：开店向导在“基础数据设置”菜单中。</source>
        <translation>The hall has no tables yet. Set up its name, tables, rate plan and devices with the set-up wizard now?
Choose No to do it later: the wizard is in the Setup menu.</translation>
    </message>
</context>
<context>
    <name>HallSetupWizard</name>
    <message>
        <source>开店向导</source>
        <translation>Hall set-up wizard</translation>
    </message>
    <message>
        <source>跳过此步</source>
        <translation>Skip this step</translation>
    </message>
    <message>
        <source>保存，下一步 &gt;</source>
        <translation>Save, next &gt;</translation>
    </message>
    <message>
        <source>保存，完成</source>
        <translation>Save, finish</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>Later</translation>
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
    <name>HistoryClearingScreen</name>
    <message>
        <source>清除历史数据</source>
        <translation>Clear history</translation>
    </message>
    <message>
        <source>清除此日期以前的数据:</source>
        <translation>Clear data before this date:</translation>
    </message>
    <message>
        <source>确定(&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>将删除 %1 以前已结账的 %2 条台位记录和 %3 条商品记录，删除前先备份数据库。
确认删除吗?</source>
        <translation>This deletes %2 table records and %3 goods records settled before %1; the database is backed up first.
Delete them?</translation>
    </message>
    <message>
        <source>数据清除完成，删除了 %1 条台位记录和 %2 条商品记录。
备份文件：%3</source>
        <translation>History cleared: %1 table records and %2 goods records deleted.
Backup file: %3</translation>
    </message>
    <message>
        <source>清除日期不能晚于业务日期 %1，没有删除任何数据！</source>
        <translation>The date cannot be later than the business date %1; nothing was deleted!</translation>
    </message>
    <message>
        <source>数据库备份失败，没有删除任何数据！
备份文件：%1
原因：%2</source>
        <translation>The database backup failed; nothing was deleted!
Backup file: %1
Cause: %2</translation>
    </message>
</context>
<context>
    <name>IncomeStatisticsScreen</name>
    <message>
        <source>营业分析报告</source>
        <translation>Takings analysis</translation>
    </message>
    <message>
        <source>按台位号</source>
        <translation>By table</translation>
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
    <message>
        <source>重新连接后灯光校正</source>
        <translation>Light check after reconnecting</translation>
    </message>
    <message>
        <source>%1号台的灯没有跟上另一台电脑的改动：%2</source>
        <translation>The lamp of table %1 did not follow the change made at another counter: %2</translation>
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
    <name>LightController</name>
    <message>
        <source>灯光控制器</source>
        <translation>Light controller</translation>
    </message>
    <message>
        <source>灯光控制器的串口没有打开</source>
        <translation>The light controller&apos;s serial port is not open</translation>
    </message>
    <message>
        <source>灯光控制器：%1</source>
        <translation>Light controller: %1</translation>
    </message>
    <message>
        <source>%1号台开灯</source>
        <translation>light on at table %1</translation>
    </message>
    <message>
        <source>%1号台关灯</source>
        <translation>light off at table %1</translation>
    </message>
    <message>
        <source>全部台</source>
        <translation>all tables</translation>
    </message>
    <message>
        <source>灯光控制器没有回应“%1”的命令（已重发一次），请查看灯光</source>
        <translation>The light controller did not answer the command &quot;%1&quot; (sent twice); please check the lights</translation>
    </message>
</context>
<context>
    <name>ListingPrint</name>
    <message>
        <source>报表打印</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>报表没有打印：打印机不能使用。</source>
        <translation>The report was not printed: the printer cannot be used.</translation>
    </message>
</context>
<context>
    <name>LockScreen</name>
    <message>
        <source>当前操作员没有口令，请输入系统解锁码。</source>
        <translation>The current operator has no password; enter the system unlock code.</translation>
    </message>
    <message>
        <source>请输入操作员 %1 的口令。</source>
        <translation>Enter the password of operator %1.</translation>
    </message>
    <message>
        <source>按 ENTER 键入密码：</source>
        <translation>Press ENTER to type the password:</translation>
    </message>
    <message>
        <source>退出口令:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>解除锁定</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>System Control</source>
        <translation>System Control</translation>
    </message>
    <message>
        <source>%1  Seconds time to write a password.</source>
        <translation>%1 seconds left to type the password.</translation>
    </message>
</context>
<context>
    <name>LoginScreen</name>
    <message>
        <source>系统中没有操作员，无法登录！</source>
        <translation>There are no operators; nobody can log in!</translation>
    </message>
    <message>
        <source>系统登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>选择操作员,输入对应的口令</source>
        <translation>Choose an operator and enter the password</translation>
    </message>
    <message>
        <source>操作员姓名:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>操作员口令:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>操作员班次:</source>
        <translation>Shift:</translation>
    </message>
    <message>
        <source>业务日期:</source>
        <translation>Business date:</translation>
    </message>
    <message>
        <source>初始操作员 %1，口令 %2</source>
        <translation>Initial operator %1, password %2</translation>
    </message>
    <message>
        <source>确定(&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>放弃(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>业务日期不正确，请按 yyyy-mm-dd 的格式输入！</source>
        <translation>The business date is wrong; enter it as yyyy-mm-dd!</translation>
    </message>
    <message>
        <source>口令错误次数过多，请等待 %1 秒后再登录！</source>
        <translation>Too many wrong passwords; wait %1 seconds before logging in again!</translation>
    </message>
    <message>
        <source>对不起，您无权进入本系统！</source>
        <translation>Sorry, you may not use this system!</translation>
    </message>
    <message>
        <source>操作员口令不合法！</source>
        <translation>Wrong operator password!</translation>
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
    <message>
        <source>
服务器的位置记录在 %1（server 组）。</source>
        <translation>
The server&apos;s place is kept in %1 (group server).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
    <message>
        <source>还有 %1 张台没有结账，退出后它们继续计时。
是否退出%2？</source>
        <translation>%1 table(s) are not settled yet; they keep running after you exit.
Exit %2?</translation>
    </message>
    <message>
        <source>终端:%1</source>
        <translation>Counter: %1</translation>
    </message>
</context>
<context>
    <name>MemberDeletion</name>
    <message>
        <source>会员 &apos;%1&apos; 的卡正在 %2 号台使用，不能删除！</source>
        <translation>The card of member &apos;%1&apos; is in use at table %2 and cannot be deleted.</translation>
    </message>
    <message>
        <source>确实要删除会员 &apos;%1&apos; 吗？
卡上余额 %2 元将随会员删除（充值记录保留）。</source>
        <translation>Delete the member &apos;%1&apos;?
The balance of %2 yuan on the card is deleted with the member (the top-up records are kept).</translation>
    </message>
</context>
<context>
    <name>MemberFormScreen</name>
    <message>
        <source>修改</source>
        <translation>Edit member</translation>
    </message>
    <message>
        <source>注意:会员卡如果为【现金卡】或【现金优惠卡】结帐时,只有球费从卡中递减，会员如购商品则另外付费。</source>
        <translation>Note: with a &quot;现金卡&quot; or &quot;现金优惠卡&quot; card, settling takes only the table fee from the card; goods the member buys are paid separately.</translation>
    </message>
    <message>
        <source>身份证号在15-18之间</source>
        <translation>ID number: 15 to 18 characters</translation>
    </message>
    <message>
        <source>1为 正常；2为 禁用； 3为挂失；4为透支</source>
        <translation>1 normal; 2 blocked; 3 lost; 4 overdrawn</translation>
    </message>
    <message>
        <source>1为 现金卡； 2为机时卡；3为包月卡</source>
        <translation>1 cash card; 2 time card; 3 monthly card</translation>
    </message>
    <message>
        <source>空为非会员</source>
        <translation>Unticked: not a member</translation>
    </message>
    <message>
        <source>卡  号</source>
        <translation>Card no.</translation>
    </message>
    <message>
        <source>姓  名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>密  码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>确认密码</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>出生日期</source>
        <translation>Birth date</translation>
    </message>
    <message>
        <source>性  别</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>住  址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>会员类型</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>金  额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>时  长</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>性  质</source>
        <translation>State</translation>
    </message>
    <message>
        <source>有效日期</source>
        <translation>Valid until</translation>
    </message>
    <message>
        <source>折  扣</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>经办人</source>
        <translation>Clerk</translation>
    </message>
    <message>
        <source>备   注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>卡类型</source>
        <translation>Card type</translation>
    </message>
    <message>
        <source>累计机时</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>累计金额</source>
        <translation>Total amount</translation>
    </message>
    <message>
        <source>保存(S)</source>
        <translation>Save (S)</translation>
    </message>
    <message>
        <source>取消(&amp;E)</source>
        <translation>Canc&amp;el</translation>
    </message>
    <message>
        <source>增加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>Exit (&amp;Q)</translation>
    </message>
    <message>
        <source>男</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>女</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>禁用</source>
        <translation>Blocked</translation>
    </message>
    <message>
        <source>挂失</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>透支</source>
        <translation>Overdrawn</translation>
    </message>
    <message>
        <source>会员卡号 %1 已不在会员名单中。</source>
        <translation>Member card %1 is no longer in the member list.</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>Add member</translation>
    </message>
    <message>
        <source>卡号重复,请重新输入！</source>
        <translation>This card number is already taken. Please enter another.</translation>
    </message>
    <message>
        <source>用户姓名不能为空!</source>
        <translation>The member&apos;s name must not be empty.</translation>
    </message>
    <message>
        <source>密码输入错误，请重新输入！</source>
        <translation>The passwords do not match. Please enter them again.</translation>
    </message>
    <message>
        <source>日期必须大天当前日期</source>
        <translation>The date must be later than today.</translation>
    </message>
</context>
<context>
    <name>MemberList</name>
    <message>
        <source>姓 名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>性 别</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>开户日期</source>
        <translation>Opened</translation>
    </message>
    <message>
        <source>有效日期</source>
        <translation>Valid until</translation>
    </message>
    <message>
        <source>卡号</source>
        <translation>Card no.</translation>
    </message>
    <message>
        <source>余  款</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>剩余机时</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>性质</source>
        <translation>State</translation>
    </message>
    <message>
        <source>折扣</source>
        <translation>Disc.</translation>
    </message>
    <message>
        <source>卡类型</source>
        <translation>Card type</translation>
    </message>
    <message>
        <source>经办人</source>
        <translation>Clerk</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>累计机时</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>累计金额</source>
        <translation>Total amount</translation>
    </message>
</context>
<context>
    <name>MemberListScreen</name>
    <message>
        <source>会员管理</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>会员名单</source>
        <translation>Member list</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
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
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>存款</source>
        <translation>Top-up</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
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
        <source>没有会员可以存款！</source>
        <translation>There is no member to top up.</translation>
    </message>
    <message>
        <source>口令错误，请重新输入！</source>
        <translation>Wrong password. Please try again.</translation>
    </message>
    <message>
        <source>没有找到计算器程序。</source>
        <translation>No calculator program was found.</translation>
    </message>
</context>
<context>
    <name>MemberRecord</name>
    <message>
        <source>会员卡号不能为空！</source>
        <translation>The member card number must not be empty.</translation>
    </message>
    <message>
        <source>会员姓名不能为空！</source>
        <translation>The member&apos;s name must not be empty.</translation>
    </message>
    <message>
        <source>会员出生日期格式错误，请输入年-月-日 格式 ！</source>
        <translation>The birth date is not valid. Please enter it as year-month-day.</translation>
    </message>
    <message>
        <source>会员卡有效日期格式错误，请输入年-月-日 格式 ！</source>
        <translation>The card&apos;s valid-until date is not valid. Please enter it as year-month-day.</translation>
    </message>
    <message>
        <source>时长请输入数字 ！</source>
        <translation>Time: please enter a number.</translation>
    </message>
    <message>
        <source>会员卡号 %1 已不在会员名单中，未保存。</source>
        <translation>Member card %1 is no longer in the member list. Nothing was saved.</translation>
    </message>
    <message>
        <source>保存后找不到会员卡号 %1。</source>
        <translation>Member card %1 cannot be found after saving.</translation>
    </message>
    <message>
        <source>卡号重复,请重新输入！</source>
        <translation>This card number is already taken. Please enter another.</translation>
    </message>
    <message>
        <source>会员卡 %1 正在 %2 号台使用，结账后才能修改卡号！</source>
        <translation>Member card %1 is in use at table %2. Its number can be changed only after checkout.</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
</context>
<context>
    <name>MemberTopUp</name>
    <message>
        <source>请输入实付金额！</source>
        <translation>Please enter the amount paid.</translation>
    </message>
    <message>
        <source>卡号 %1 的会员已不存在，存款没有记入。</source>
        <translation>The member with card %1 no longer exists. The top-up was not recorded.</translation>
    </message>
    <message>
        <source>存入卡中金额请输入大于 0、不超过 %1 的数字，最多两位小数！</source>
        <translation>Credit to card: please enter a number above 0 and not above %1, with at most two decimals.</translation>
    </message>
    <message>
        <source>实付金额</source>
        <translation>Amount paid</translation>
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
    <name>OperatorAddDialog</name>
    <message>
        <source>增加操作员</source>
        <translation>Add operator</translation>
    </message>
    <message>
        <source>操作员姓名:</source>
        <translation>Operator name:</translation>
    </message>
    <message>
        <source>确定(&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>操作员姓名不可以为空！</source>
        <translation>The operator name cannot be empty!</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Rights</translation>
    </message>
    <message>
        <source>操作员姓名不可以超过 %1 个字！</source>
        <translation>The operator name cannot be longer than %1 characters!</translation>
    </message>
    <message>
        <source>操作员姓名不可以含有换行、制表等控制字符或不可见的格式字符！</source>
        <translation>The operator name cannot contain line breaks, tabs or other control or invisible format characters!</translation>
    </message>
    <message>
        <source>操作员姓名不可以重复！</source>
        <translation>An operator with this name already exists!</translation>
    </message>
</context>
<context>
    <name>OperatorLoadingNotice</name>
    <message>
        <source>正在读入操作员信息，请稍候...</source>
        <translation>Reading the operators, please wait...</translation>
    </message>
</context>
<context>
    <name>OperatorLogScreen</name>
    <message>
        <source>操作员日志</source>
        <translation>Operator log</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>员工工作情况</source>
        <translation>Staff activity</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>From</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>操作员姓名</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>内  容</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>开始时间</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>End</translation>
    </message>
    <message>
        <source>确认删除所有日志吗?</source>
        <translation>Delete the whole log?</translation>
    </message>
    <message>
        <source>终端</source>
        <translation>Counter</translation>
    </message>
</context>
<context>
    <name>OperatorRights</name>
    <message>
        <source>会员管理</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>会员登记</source>
        <translation>Member registration</translation>
    </message>
    <message>
        <source>台位设置</source>
        <translation>Table setup</translation>
    </message>
    <message>
        <source>台位时段收费设置</source>
        <translation>Table rates by period</translation>
    </message>
    <message>
        <source>清空历史数据</source>
        <translation>Clear history</translation>
    </message>
    <message>
        <source>系统参数设置</source>
        <translation>System parameters</translation>
    </message>
    <message>
        <source>计费方案设定</source>
        <translation>Rate plans</translation>
    </message>
    <message>
        <source>结账</source>
        <translation>Settle</translation>
    </message>
    <message>
        <source>交接班报告</source>
        <translation>Shift handover report</translation>
    </message>
    <message>
        <source>商品管理</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>商品类别设置</source>
        <translation>Goods categories</translation>
    </message>
    <message>
        <source>商品进货</source>
        <translation>Goods purchases</translation>
    </message>
    <message>
        <source>商品销货</source>
        <translation>Goods sales</translation>
    </message>
    <message>
        <source>商品销售表</source>
        <translation>Goods sales list</translation>
    </message>
    <message>
        <source>服务器上机日志</source>
        <translation>Server usage log</translation>
    </message>
    <message>
        <source>客户机上机日志</source>
        <translation>Client usage log</translation>
    </message>
    <message>
        <source>操作员管理</source>
        <translation>Operators</translation>
    </message>
    <message>
        <source>操作员设置</source>
        <translation>Operator setup</translation>
    </message>
    <message>
        <source>操作员日志</source>
        <translation>Operator log</translation>
    </message>
    <message>
        <source>营业收入统计</source>
        <translation>Revenue statistics</translation>
    </message>
    <message>
        <source>商品销售统计</source>
        <translation>Goods sales statistics</translation>
    </message>
    <message>
        <source>商品明细</source>
        <translation>Goods details</translation>
    </message>
    <message>
        <source>部门领用</source>
        <translation>Department usage</translation>
    </message>
    <message>
        <source>商品日报</source>
        <translation>Daily goods report</translation>
    </message>
    <message>
        <source>部门日消费报表</source>
        <translation>Daily department consumption</translation>
    </message>
    <message>
        <source>商品盘点</source>
        <translation>Stocktaking</translation>
    </message>
    <message>
        <source>商品库存</source>
        <translation>Goods stock</translation>
    </message>
    <message>
        <source>日成本报告</source>
        <translation>Daily cost report</translation>
    </message>
    <message>
        <source>销售处理</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>填制销售单</source>
        <translation>Write sales slips</translation>
    </message>
    <message>
        <source>销售单审核</source>
        <translation>Approve sales slips</translation>
    </message>
    <message>
        <source>部门销售汇总表</source>
        <translation>Department sales summary</translation>
    </message>
    <message>
        <source>部门商品日销售</source>
        <translation>Department daily goods sales</translation>
    </message>
    <message>
        <source>部门商品结存表</source>
        <translation>Department goods balance</translation>
    </message>
    <message>
        <source>查  询</source>
        <translation>Queries</translation>
    </message>
    <message>
        <source>当班营业报表</source>
        <translation>Shift business report</translation>
    </message>
    <message>
        <source>当日营业报表</source>
        <translation>Daily business report</translation>
    </message>
    <message>
        <source>会员消费明细</source>
        <translation>Member spending details</translation>
    </message>
    <message>
        <source>会员消费汇总</source>
        <translation>Member spending summary</translation>
    </message>
</context>
<context>
    <name>OperatorRightsScreen</name>
    <message>
        <source>操作员权限设置</source>
        <translation>Operator rights</translation>
    </message>
    <message>
        <source>增加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>清除口令</source>
        <translation>Clear password</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>清除操作员口令</source>
        <translation>Clear operator password</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>How to use</translation>
    </message>
    <message>
        <source>操作员列表:</source>
        <translation>Operators:</translation>
    </message>
    <message>
        <source>授权的权限组</source>
        <translation>Granted rights groups</translation>
    </message>
    <message>
        <source>在左边的操作员列表中选择操作员下的权限组，即可设置该组的权限。
勾选或取消上面的权限组，即授予或收回该组。</source>
        <translation>Select a rights group under an operator in the list on the left to set the rights of that group.
Tick or clear a group above to grant or withdraw it.</translation>
    </message>
    <message>
        <source>折扣率</source>
        <translation>Discount</translation>
    </message>
    <message>
        <source>保存折扣率</source>
        <translation>Save discount</translation>
    </message>
    <message>
        <source>0 为不打折 ，请输入大于 0 小于10的小数。先点击要设置的操作员:如8.5  为最高打折权限八五折。</source>
        <translation>0 means no discount; otherwise enter a decimal above 0 and below 10. Click the operator first: e.g. 8.5 allows at most 15% off.</translation>
    </message>
    <message>
        <source>折扣率设置错误，请重新设置。</source>
        <translation>The discount is wrong; please set it again.</translation>
    </message>
    <message>
        <source>%1 最大折扣率保存完成。</source>
        <translation>Maximum discount of %1 saved.</translation>
    </message>
    <message>
        <source>不可以删除系统管理员！</source>
        <translation>The system administrator cannot be deleted!</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Rights</translation>
    </message>
    <message>
        <source>是否删除操作员&apos;%1&apos;？</source>
        <translation>Delete operator &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>不可以清除系统管理员的口令！</source>
        <translation>The system administrator&apos;s password cannot be cleared!</translation>
    </message>
    <message>
        <source>是否清除操作员&apos;%1&apos;的口令？</source>
        <translation>Clear the password of operator &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>没有找到计算器程序。</source>
        <translation>The calculator program was not found.</translation>
    </message>
    <message>
        <source>先在左边的操作员列表中选择操作员：勾选权限组即授予该组，取消即收回；选择操作员下的权限组，勾选其中的权限，改动立即保存。
折扣率为该操作员可给的最低折扣（如 8.5 为八五折，0 为不打折），输入后点击“保存折扣率”。</source>
        <translation>First select an operator in the list on the left: tick a rights group to grant it, clear it to withdraw it; select a rights group under the operator and tick its rights; changes are saved at once.
The discount is the lowest rate this operator may give (e.g. 8.5 is 15% off, 0 is no discount); enter it and click &quot;Save discount&quot;.</translation>
    </message>
</context>
<context>
    <name>OwnerPages</name>
    <message>
        <source>台位</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>操作员</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>少收台费</source>
        <translation>Time fees given away</translation>
    </message>
    <message>
        <source>免费台次</source>
        <translation>Free visits</translation>
    </message>
    <message>
        <source>商品让价</source>
        <translation>Goods reductions</translation>
    </message>
    <message>
        <source>结账折让</source>
        <translation>Checkout discounts</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>优惠与赠送</source>
        <translation>Given away</translation>
    </message>
    <message>
        <source>店主密码</source>
        <translation>Owner&apos;s password</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>店主登录</source>
        <translation>Owner&apos;s login</translation>
    </message>
    <message>
        <source>营业额</source>
        <translation>Takings</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>库存</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>优惠</source>
        <translation>Given away</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>zh-CN</source>
        <translation>en</translation>
    </message>
    <message>
        <source>请求有误</source>
        <translation>Bad request</translation>
    </message>
    <message>
        <source>无法读取账目</source>
        <translation>The books cannot be read</translation>
    </message>
    <message>
        <source>账目暂时无法读取，请稍后再试。</source>
        <translation>The books cannot be read at the moment; please try again later.</translation>
    </message>
    <message>
        <source>参数 %1 只能给一次。</source>
        <translation>The parameter %1 may be given only once.</translation>
    </message>
    <message>
        <source>%1 不是一个有效日期（格式 yyyy-MM-dd）。</source>
        <translation>%1 is not a valid date (yyyy-MM-dd).</translation>
    </message>
    <message>
        <source>%1 不是一个有效月份（格式 yyyy-MM）。</source>
        <translation>%1 is not a valid month (yyyy-MM).</translation>
    </message>
    <message>
        <source>%1 只能是 %2。</source>
        <translation>%1 can only be %2.</translation>
    </message>
    <message>
        <source>开始日期不能晚于结束日期。</source>
        <translation>The start date cannot be after the end date.</translation>
    </message>
    <message>
        <source>台位费用</source>
        <translation>Table fees</translation>
    </message>
    <message>
        <source>商品销售</source>
        <translation>Goods sales</translation>
    </message>
    <message>
        <source>按日期</source>
        <translation>By day</translation>
    </message>
    <message>
        <source>按项目</source>
        <translation>By item</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>台位费用现金：</source>
        <translation>Table fees (cash):</translation>
    </message>
    <message>
        <source>营业统计</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>期初数量</source>
        <translation>Opening quantity</translation>
    </message>
    <message>
        <source>入库数量</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>出库数量</source>
        <translation>Sold</translation>
    </message>
    <message>
        <source>期末数量</source>
        <translation>Closing quantity</translation>
    </message>
    <message>
        <source>期末金额</source>
        <translation>Closing amount</translation>
    </message>
    <message>
        <source>本月无业务发生！</source>
        <translation>There was no business in this month.</translation>
    </message>
    <message>
        <source>商品</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>其他收入</source>
        <translation>Other takings</translation>
    </message>
    <message>
        <source>今天没有未交班的营业。</source>
        <translation>No shift with business is open today.</translation>
    </message>
    <message>
        <source>今日营业额</source>
        <translation>Today&apos;s takings</translation>
    </message>
</context>
<context>
    <name>OwnerPassword</name>
    <message>
        <source>内存不足，密码没有保存。</source>
        <translation>Out of memory; the password was not saved.</translation>
    </message>
</context>
<context>
    <name>OwnerPasswordDialog</name>
    <message>
        <source>店主网页口令</source>
        <translation>Owner&apos;s view password</translation>
    </message>
    <message>
        <source>设有口令时，店主可以启动只读的店主网页 tavoro-web，在手机上查看营业情况。
两栏都留空并确定，口令即清除，店主网页关闭。</source>
        <translation>While a password is set, the owner&apos;s read-only view tavoro-web can be started to follow the hall on a phone.
Confirm with both boxes empty to clear the password and turn the view off.</translation>
    </message>
    <message>
        <source>新 口 令:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>验证口令:</source>
        <translation>Repeat:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>现在：没有口令，店主网页关闭。</source>
        <translation>Now: no password; the owner&apos;s view is off.</translation>
    </message>
    <message>
        <source>现在：已设口令，店主网页可以启动。</source>
        <translation>Now: a password is set; the owner&apos;s view can be started.</translation>
    </message>
    <message>
        <source>只有系统操作员可以设置店主网页口令！</source>
        <translation>Only the system operator may set the owner&apos;s view password!</translation>
    </message>
    <message>
        <source>两次输入的口令不一致，请重新输入！</source>
        <translation>The two passwords differ. Please type them again!</translation>
    </message>
    <message>
        <source>店主网页口令已清除，店主网页已关闭。</source>
        <translation>The owner&apos;s view password is cleared; the owner&apos;s view is off.</translation>
    </message>
    <message>
        <source>店主网页口令已设置。</source>
        <translation>The owner&apos;s view password is set.</translation>
    </message>
</context>
<context>
    <name>OwnerServer</name>
    <message>
        <source>无法在 %1 端口 %2 上提供服务：%3</source>
        <translation>Cannot serve on %1 port %2: %3</translation>
    </message>
    <message>
        <source>无法读取 HTTPS 的证书或密钥文件 %1</source>
        <translation>Cannot read the HTTPS certificate or key file %1</translation>
    </message>
    <message>
        <source>不支持这种请求</source>
        <translation>This kind of request is not supported</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Please log in first</translation>
    </message>
    <message>
        <source>没有这个页面</source>
        <translation>There is no such page</translation>
    </message>
    <message>
        <source>口令错误次数过多，请等待 %1 秒后再登录！</source>
        <translation>Too many wrong passwords; wait %1 seconds before logging in again!</translation>
    </message>
    <message>
        <source>店主网页已关闭：柜台上没有设置店主网页口令。</source>
        <translation>The owner&apos;s view is off: no owner password is set at the counter.</translation>
    </message>
    <message>
        <source>口令不正确！</source>
        <translation>Wrong password!</translation>
    </message>
</context>
<context>
    <name>OwnerViewMain</name>
    <message>
        <source>店主网页：在手机上只读查看本店的台桌、营业额、统计、库存和赠送。
地址、端口和 HTTPS 证书在柜台程序设置文件的 web 组中设置。</source>
        <translation>Owner&apos;s view: the hall&apos;s tables, takings, statistics, stock and give-aways, read-only, on a phone.
The address, port and HTTPS certificate are set in group web of the counter program&apos;s settings file.</translation>
    </message>
    <message>
        <source>店主网页没有启动：还没有设置店主网页口令。请在柜台程序的“基础数据设置 › 店主网页口令”中设置后再启动。</source>
        <translation>The owner&apos;s view did not start: no owner&apos;s view password is set yet. Set it at the counter (Setup › Owner&apos;s view password), then start the view again.</translation>
    </message>
    <message>
        <source>web 组的 address 不是一个 IP 地址：%1</source>
        <translation>The address of group web is not an IP address: %1</translation>
    </message>
    <message>
        <source>店主网页已启动：%1://%2:%3/</source>
        <translation>The owner&apos;s view is serving at %1://%2:%3/</translation>
    </message>
</context>
<context>
    <name>ParametersScreen</name>
    <message>
        <source>参数设置</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>系统参数设置所做的改变，只有在下次进入时生效。</source>
        <translation>Changes to the system parameters take effect the next time the program starts.</translation>
    </message>
    <message>
        <source>保存设置的参数</source>
        <translation>Save parameters</translation>
    </message>
    <message>
        <source>关 闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1参数不能为空！</source>
        <translation>The parameter %1 cannot be empty!</translation>
    </message>
    <message>
        <source>正确参数保存完成！</source>
        <translation>The valid parameters were saved!</translation>
    </message>
</context>
<context>
    <name>PasswordChange</name>
    <message>
        <source>找不到操作员的记录</source>
        <translation>The operator&apos;s record was not found</translation>
    </message>
    <message>
        <source>口令加密失败</source>
        <translation>The password could not be encrypted</translation>
    </message>
</context>
<context>
    <name>PasswordChangeDialog</name>
    <message>
        <source>找不到操作员&apos;%1&apos;，无法变更口令!</source>
        <translation>Operator &apos;%1&apos; was not found; the password cannot be changed!</translation>
    </message>
    <message>
        <source>口令变更</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>操作员口令变更</source>
        <translation>Change operator password</translation>
    </message>
    <message>
        <source>原 口 令:</source>
        <translation>Old password:</translation>
    </message>
    <message>
        <source>新 口 令:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>验证口令:</source>
        <translation>Repeat:</translation>
    </message>
    <message>
        <source>变更口令确认(&amp;Y)</source>
        <translation>&amp;Change</translation>
    </message>
    <message>
        <source>变更口令取消(&amp;N)</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>输入原口令不正确,请重新输入!</source>
        <translation>The old password is wrong; please enter it again!</translation>
    </message>
    <message>
        <source>对不起,您无权变更操作员&apos;%1&apos;的口令!</source>
        <translation>Sorry, you may not change the password of operator &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>新口令两次不一致,请重新输入!</source>
        <translation>The two new passwords differ; please enter them again!</translation>
    </message>
    <message>
        <source>变更口令成功，按任意键返回！</source>
        <translation>Password changed. Press any key to return!</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>口令</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>请输入口令：</source>
        <translation>Enter the password:</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>PeriodChoice</name>
    <message>
        <source>当天</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>当月迄今</source>
        <translation>Month to date</translation>
    </message>
    <message>
        <source>本月</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>当年迄今</source>
        <translation>Year to date</translation>
    </message>
    <message>
        <source>本年</source>
        <translation>This year</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
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
    <name>RateBandsScreen</name>
    <message>
        <source>刷 新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>设定时段收费</source>
        <translation>Period rates</translation>
    </message>
    <message>
        <source>台位时段收费标准设置</source>
        <translation>Table rates by time of day</translation>
    </message>
    <message>
        <source>设定计费方案</source>
        <translation>Rate schemes</translation>
    </message>
</context>
<context>
    <name>RateSchemes</name>
    <message>
        <source>计费方案“%1”没有任何时段，不能分配！</source>
        <translation>The rate scheme &quot;%1&quot; has no periods and cannot be assigned!</translation>
    </message>
</context>
<context>
    <name>RateSchemesScreen</name>
    <message>
        <source>设定计费方案</source>
        <translation>Rate schemes</translation>
    </message>
    <message>
        <source>计费方案</source>
        <translation>Rate scheme</translation>
    </message>
    <message>
        <source>分配到台位</source>
        <translation>Assign to tables</translation>
    </message>
    <message>
        <source>保存计费方案</source>
        <translation>Save scheme</translation>
    </message>
    <message>
        <source>计费方案：</source>
        <translation>Rate scheme:</translation>
    </message>
    <message>
        <source>新增计费方案名称：</source>
        <translation>New scheme name:</translation>
    </message>
    <message>
        <source>台位</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>保存当前设定计费方案</source>
        <translation>Assign scheme</translation>
    </message>
    <message>
        <source>计费方案“%1”已经存在！</source>
        <translation>The rate scheme &quot;%1&quot; already exists!</translation>
    </message>
    <message>
        <source>新方案保存完成！</source>
        <translation>The new scheme is saved!</translation>
    </message>
    <message>
        <source>%1分配给选中台位吗？</source>
        <translation>Assign %1 to the selected tables?</translation>
    </message>
    <message>
        <source>方案设定完成！</source>
        <translation>The scheme is assigned!</translation>
    </message>
</context>
<context>
    <name>RatesSetupPage</name>
    <message>
        <source>第 3 步：计费方案</source>
        <translation>Step 3: rate plan</translation>
    </message>
    <message>
        <source>每小时的价格，会员和散客各一个，白天和晚间各一个。全部台位都用这个方案。</source>
        <translation>Prices per hour for members and guests, by day and in the evening. Every table uses this plan.</translation>
    </message>
    <message>
        <source>方案名称：</source>
        <translation>Plan name:</translation>
    </message>
    <message>
        <source>会员价（元/小时）</source>
        <translation>Member (yuan/h)</translation>
    </message>
    <message>
        <source>散客价（元/小时）</source>
        <translation>Guest (yuan/h)</translation>
    </message>
    <message>
        <source>白天：</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>晚间：</source>
        <translation>Evening:</translation>
    </message>
    <message>
        <source>晚间开始：</source>
        <translation>Evening starts:</translation>
    </message>
    <message>
        <source>点（白天从 0 点起，晚间到 24 点）</source>
        <translation>o&apos;clock (the day starts at 0:00, the evening ends at 24:00)</translation>
    </message>
    <message>
        <source>已有台位的时段收费标准会被这个方案替换。以后可在“台位时段收费标准设置”和“计费方案设定”中细分时段。</source>
        <translation>Tables that have rates by time band get this plan instead. More time bands can be set later in Table rates by time band and Rate plans.</translation>
    </message>
    <message>
        <source>已有 %1 张台位设了时段收费标准，保存后都换成这个方案。继续吗？</source>
        <translation>%1 tables have rates by time band; saving replaces them all with this plan. Go on?</translation>
    </message>
    <message>
        <source>没有保存计费方案。不需要改计费请按“跳过此步”。</source>
        <translation>The rate plan was not saved. To keep the rates, press Skip this step.</translation>
    </message>
</context>
<context>
    <name>RawReceiptPrinter</name>
    <message>
        <source>没有设备在接收：打印机没有开，或没有连上。</source>
        <translation>has no device receiving: the printer is off or not connected.</translation>
    </message>
    <message>
        <source>不存在：没有这个设备。</source>
        <translation>does not exist: there is no such device.</translation>
    </message>
    <message>
        <source>不能写：没有写这个设备的权限。</source>
        <translation>cannot be written: no permission to write to this device.</translation>
    </message>
    <message>
        <source>正被别的程序占用。</source>
        <translation>is in use by another program.</translation>
    </message>
    <message>
        <source>在 %1 秒内没有收下小票：打印机可能缺纸、卡纸或脱机。</source>
        <translation>did not take the receipt within %1 seconds: the printer may be out of paper, jammed or offline.</translation>
    </message>
    <message>
        <source>在打印中断开了。</source>
        <translation>was disconnected while printing.</translation>
    </message>
    <message>
        <source>不能用：%1</source>
        <translation>cannot be used: %1</translation>
    </message>
    <message>
        <source>没有代码为 %1 的端口。</source>
        <translation>There is no port with the code %1.</translation>
    </message>
    <message>
        <source>端口 %1（%2）</source>
        <translation>Port %1 (%2) </translation>
    </message>
</context>
<context>
    <name>Receipt</name>
    <message>
        <source>预结时间</source>
        <translation>Priced</translation>
    </message>
    <message>
        <source>结束时间</source>
        <translation>End</translation>
    </message>
    <message>
        <source>%1-%2 %3元/小时 %4分 %5元</source>
        <translation>%1-%2 %3 yuan/h %4 min %5 yuan</translation>
    </message>
</context>
<context>
    <name>ReceiptLayout</name>
    <message>
        <source>欢迎光临</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>操作员%1</source>
        <translation>Operator %1</translation>
    </message>
    <message>
        <source>台位%1</source>
        <translation>Table %1</translation>
    </message>
    <message>
        <source>会员卡号%1</source>
        <translation>Card %1</translation>
    </message>
    <message>
        <source>开始时间%1</source>
        <translation>Start %1</translation>
    </message>
    <message>
        <source>所用时间%1</source>
        <translation>Time used %1</translation>
    </message>
    <message>
        <source>折扣%1台球消费%2元</source>
        <translation>Discount %1 Table time %2 yuan</translation>
    </message>
    <message>
        <source>%1元</source>
        <translation>%1 yuan</translation>
    </message>
    <message>
        <source>商品消费%1元</source>
        <translation>Goods %1 yuan</translation>
    </message>
    <message>
        <source>合计%1元</source>
        <translation>Total %1 yuan</translation>
    </message>
    <message>
        <source>押金%1</source>
        <translation>Deposit %1</translation>
    </message>
    <message>
        <source>找零%1</source>
        <translation>Change %1</translation>
    </message>
    <message>
        <source>电话%1</source>
        <translation>Tel %1</translation>
    </message>
    <message>
        <source>%1%2</source>
        <extracomment>The end prompt and the end time, side by side</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>ReceiptLines</name>
    <message>
        <source>%1日%2</source>
        <translation>day %1 %2</translation>
    </message>
    <message>
        <source>%1       欢迎光临</source>
        <translation>%1       Welcome</translation>
    </message>
    <message>
        <source>营业员:%1</source>
        <translation>Operator: %1</translation>
    </message>
    <message>
        <source>台 位 号 %1  会员卡号%2</source>
        <translation>Table %1  Card %2</translation>
    </message>
    <message>
        <source>开始时间 </source>
        <translation>Start </translation>
    </message>
    <message>
        <source>所用时间 %1</source>
        <translation>Time used %1</translation>
    </message>
    <message>
        <source>折扣率：%1</source>
        <translation>Discount: %1</translation>
    </message>
    <message>
        <source>台球消费 %1 元</source>
        <translation>Table time %1 yuan</translation>
    </message>
    <message>
        <source>%1 元</source>
        <translation>%1 yuan</translation>
    </message>
    <message>
        <source>商品消费:%1 元</source>
        <translation>Goods: %1 yuan</translation>
    </message>
    <message>
        <source>合计:%1元</source>
        <translation>Total: %1 yuan</translation>
    </message>
    <message>
        <source>押金:%1 找零:%2</source>
        <translation>Deposit: %1 Change: %2</translation>
    </message>
    <message>
        <source>电话:%1</source>
        <translation>Tel: %1</translation>
    </message>
    <message>
        <source>地址:%1</source>
        <translation>Address: %1</translation>
    </message>
    <message>
        <source>小票没有打印：%1</source>
        <translation>The receipt was not printed: %1</translation>
    </message>
</context>
<context>
    <name>ReceiptPrinter</name>
    <message>
        <source>账单没有打印：打印机不能使用。</source>
        <translation>The bill was not printed: the printer cannot be used.</translation>
    </message>
    <message>
        <source>没有可以重打的小票：这次开机以来还没有结过账。</source>
        <translation>No receipt to print again: nothing has been settled since the program started.</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
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
    <name>ReportPreview</name>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
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
    <message>
        <source>与数据库服务器的连接断开了（服务器可能重新启动过或没有开着），这次操作没有完成，什么也没有写入</source>
        <translation>The connection to the database server was lost (the server may have restarted or be off); this command was not completed and nothing was written</translation>
    </message>
    <message>
        <source>另一台终端正在写入，或数据文件被其他程序锁定；等了一会儿仍无法写入，这次操作什么也没有写入，请稍后再试</source>
        <translation>Another counter is writing, or the data file is locked by another program; after waiting it still could not be written. Nothing of this operation was written; please try again shortly</translation>
    </message>
    <message>
        <source>另一台终端同时在改同样的数据，试了几次仍未成功，这次操作什么也没有写入，请再试一次</source>
        <translation>Another counter was changing the same data at the same moment; several tries did not succeed. Nothing of this operation was written; please try again</translation>
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
    <name>SerialLink</name>
    <message>
        <source>%1：%2，正在重试</source>
        <translation>%1: %2; retrying</translation>
    </message>
    <message>
        <source>写不出数据</source>
        <translation>cannot write</translation>
    </message>
    <message>
        <source>读不到数据</source>
        <translation>cannot read</translation>
    </message>
    <message>
        <source>%1：串口 %2 断开（%3），正在重试</source>
        <translation>%1: serial port %2 lost (%3); retrying</translation>
    </message>
    <message>
        <source>%1：串口 %2 已重新打开</source>
        <translation>%1: serial port %2 reopened</translation>
    </message>
</context>
<context>
    <name>SerialSettings</name>
    <message>
        <source>参数“%1”的值“%2”不能用</source>
        <translation>The value &quot;%2&quot; of the parameter &quot;%1&quot; cannot be used</translation>
    </message>
    <message>
        <source>找不到设备</source>
        <translation>device not found</translation>
    </message>
    <message>
        <source>无权使用或被别的程序占用</source>
        <translation>no permission, or in use by another program</translation>
    </message>
    <message>
        <source>无法打开串口 %1：%2</source>
        <translation>Cannot open serial port %1: %2</translation>
    </message>
</context>
<context>
    <name>ServerCopy</name>
    <message>
        <source>表 %1 的行数不一致：文件中 %2 行，服务器上 %3 行</source>
        <translation>The rows of table %1 differ: %2 in the file, %3 on the server</translation>
    </message>
    <message>
        <source>表 %1 的 %2 合计不一致：文件中 %3，服务器上 %4</source>
        <translation>The sum of %2 in table %1 differs: %3 in the file, %4 on the server</translation>
    </message>
    <message>
        <source>文件中表 %1 的列 %2 在服务器上没有</source>
        <translation>Column %2 of table %1 in the file is missing on the server</translation>
    </message>
    <message>
        <source>表 %1 的第 %2 至 %3 行中有无法写入服务器的行：%4</source>
        <translation>Among rows %2 to %3 of table %1, one cannot be written to the server: %4</translation>
    </message>
</context>
<context>
    <name>ServerUri</name>
    <message>
        <source>服务器地址 %1 不对：%2</source>
        <translation>The server address %1 is wrong: %2</translation>
    </message>
    <message>
        <source>应写成 postgresql://用户@主机:端口/数据库</source>
        <translation>write it as postgresql://user@host:port/database</translation>
    </message>
    <message>
        <source>不认识参数 %1</source>
        <translation>unknown parameter %1</translation>
    </message>
    <message>
        <source>端口不对</source>
        <translation>the port is wrong</translation>
    </message>
    <message>
        <source>没有写数据库名</source>
        <translation>the database name is missing</translation>
    </message>
</context>
<context>
    <name>ShiftHandOver</name>
    <message>
        <source>现金台费</source>
        <translation>Cash table fees</translation>
    </message>
    <message>
        <source>会员卡台费</source>
        <translation>Card table fees</translation>
    </message>
    <message>
        <source>吧台商品</source>
        <translation>Counter goods</translation>
    </message>
    <message>
        <source>台位商品</source>
        <translation>Table goods</translation>
    </message>
    <message>
        <source>会员充值实收</source>
        <translation>Top-ups received</translation>
    </message>
    <message>
        <source>会员充值到账</source>
        <translation>Top-ups credited</translation>
    </message>
    <message>
        <source>未结台押金</source>
        <translation>Deposits held</translation>
    </message>
    <message>
        <source>应有现金</source>
        <translation>Cash due</translation>
    </message>
    <message>
        <source>交班汇总</source>
        <translation>Shift hand-over</translation>
    </message>
</context>
<context>
    <name>ShippedRows</name>
    <message>
        <source>无法生成操作员口令</source>
        <translation>Cannot make the operator password</translation>
    </message>
</context>
<context>
    <name>SplashScreen</name>
    <message>
        <source>台球厅计费管理系统</source>
        <translation>Billiards hall billing system</translation>
    </message>
</context>
<context>
    <name>SpreadsheetExport</name>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV (逗号分隔) (*.csv)</source>
        <translation>CSV (comma separated) (*.csv)</translation>
    </message>
    <message>
        <source>导出 Excel</source>
        <translation>To Excel</translation>
    </message>
</context>
<context>
    <name>SpreadsheetFile</name>
    <message>
        <source>文件没有保存：不能在文件夹“%1”里写文件。文件夹可能不存在、没有写入权限或者已满。</source>
        <translation>The file was not saved: no file can be written in the folder &quot;%1&quot;. The folder may not exist, may not be writable or may be full.</translation>
    </message>
    <message>
        <source>文件“%1”没有保存：写入时出错，磁盘可能已满。原来的文件没有改动。</source>
        <translation>The file &quot;%1&quot; was not saved: writing it failed, the disk may be full. The file that was there is unchanged.</translation>
    </message>
    <message>
        <source>文件“%1”没有保存：不能替换同名的文件，它可能正被别的程序使用或者是只读的。</source>
        <translation>The file &quot;%1&quot; was not saved: the file of that name cannot be replaced; another program may be using it, or it may be read-only.</translation>
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
    <message>
        <source>数据库服务器 %1 要求口令。</source>
        <translation>The database server %1 asks for a password.</translation>
    </message>
</context>
<context>
    <name>StatisticsScreen</name>
    <message>
        <source>营业收入分析</source>
        <translation>Takings analysis</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>按日期</source>
        <translation>By date</translation>
    </message>
    <message>
        <source>日期从</source>
        <translation>From</translation>
    </message>
    <message>
        <source>到</source>
        <translation>To</translation>
    </message>
    <message>
        <source>金  额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>营业报告</source>
        <translation>Takings report</translation>
    </message>
    <message>
        <source>营业报告没有打印：打印机不能使用。</source>
        <translation>The takings report was not printed: the printer cannot be used.</translation>
    </message>
</context>
<context>
    <name>StockBalanceScreen</name>
    <message>
        <source>上期数量</source>
        <translation>Opening qty</translation>
    </message>
    <message>
        <source>入库数量</source>
        <translation>Received qty</translation>
    </message>
    <message>
        <source>销售数量</source>
        <translation>Sold qty</translation>
    </message>
    <message>
        <source>结存数量</source>
        <translation>Closing qty</translation>
    </message>
    <message>
        <source>上期金额</source>
        <translation>Opening amount</translation>
    </message>
    <message>
        <source>入库金额</source>
        <translation>Received amount</translation>
    </message>
    <message>
        <source>销售金额</source>
        <translation>Sold amount</translation>
    </message>
    <message>
        <source>结存金额</source>
        <translation>Closing amount</translation>
    </message>
    <message>
        <source>收发结存</source>
        <translation>Stock balance</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>商品结存账</source>
        <translation>Goods stock balance</translation>
    </message>
    <message>
        <source> 上期</source>
        <translation> Opening</translation>
    </message>
    <message>
        <source> 领入</source>
        <translation> Received</translation>
    </message>
    <message>
        <source> 销售</source>
        <translation> Sold</translation>
    </message>
    <message>
        <source> 结余</source>
        <translation> Closing</translation>
    </message>
    <message>
        <source>按仓库</source>
        <translation>By store</translation>
    </message>
    <message>
        <source>按商品分类</source>
        <translation>By goods category</translation>
    </message>
    <message>
        <source>包括为零的数据</source>
        <translation>Include zero rows</translation>
    </message>
    <message>
        <source>开始日期</source>
        <translation>From</translation>
    </message>
    <message>
        <source>结束日期</source>
        <translation>To</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Goods name</translation>
    </message>
    <message>
        <source>本月无业务发生！</source>
        <translation>There was no business in this period.</translation>
    </message>
    <message>
        <source>  商品名称</source>
        <translation>  Goods name</translation>
    </message>
    <message>
        <source>数  量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>金  额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>收发结存表</source>
        <translation>Stock balance sheet</translation>
    </message>
    <message>
        <source>收发结存表没有打印：打印机不能使用。</source>
        <translation>The stock balance sheet was not printed: the printer cannot be used.</translation>
    </message>
    <message>
        <source>没有找到计算器程序。</source>
        <translation>No calculator program was found.</translation>
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
    <message>
        <source>%1 号台有未结账的开台，使用标记只能是 1（使用中）。</source>
        <translation>Table %1 has an open visit: its in-use mark can only be 1 (in use).</translation>
    </message>
    <message>
        <source>%1 号台没有未结账的开台，使用标记只能是 0（空闲）。</source>
        <translation>Table %1 has no open visit: its in-use mark can only be 0 (free).</translation>
    </message>
</context>
<context>
    <name>TableDefinitionsScreen</name>
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
        <translation>Unit (min)</translation>
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
        <translation>Min. (min)</translation>
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
        <source>押金</source>
        <translation>Deposit</translation>
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
    <name>TableSwapDialog</name>
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
<context>
    <name>TablesSetupPage</name>
    <message>
        <source>第 2 步：台位</source>
        <translation>Step 2: tables</translation>
    </message>
    <message>
        <source>增加台位，并给每张台起名（双击台名可修改）。</source>
        <translation>Add tables and name each one (double-click a name to change it).</translation>
    </message>
    <message>
        <source>增加台数：</source>
        <translation>Tables to add:</translation>
    </message>
    <message>
        <source>1 到 %1 张</source>
        <translation>1 to %1</translation>
    </message>
    <message>
        <source>最小计费分钟：</source>
        <translation>Billing unit (min):</translation>
    </message>
    <message>
        <source>如设为 15，客人玩 20 分钟按 30 分钟计费；0 按实际分钟计费。</source>
        <translation>With 15, a guest who plays 20 minutes is charged for 30; 0 charges the minutes played.</translation>
    </message>
    <message>
        <source>最低消费分钟：</source>
        <translation>Minimum (min):</translation>
    </message>
    <message>
        <source>不足这个分钟数的按这个分钟数计费；0 不设最低消费。</source>
        <translation>Shorter play is charged for this many minutes; 0 sets no minimum.</translation>
    </message>
    <message>
        <source>还没有台位。新台从 1 号起编号。</source>
        <translation>There are no tables yet. New tables are numbered from 1.</translation>
    </message>
    <message>
        <source>已有台位，最大台号 %1。这里只增加新台位（从 %2 号起），不改动也不删除已有的；不需要增加请按“跳过此步”。</source>
        <translation>The hall has tables, the highest numbered %1. This step only adds new tables (from %2) and neither changes nor deletes the others; to add none, press Skip this step.</translation>
    </message>
</context>
<context>
    <name>TakingsScreen</name>
    <message>
        <source>营业员</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>台位费用现金</source>
        <translation>Table fees (cash)</translation>
    </message>
    <message>
        <source>其他销费</source>
        <translation>Other sales</translation>
    </message>
    <message>
        <source>合  计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>没有找到计算器程序。</source>
        <translation>No calculator program was found.</translation>
    </message>
</context>
<context>
    <name>TakingsSlip</name>
    <message>
        <source>=====%1台球对账单=====</source>
        <translation>=====%1 statement=====</translation>
    </message>
    <message>
        <source>====%1台球日报====</source>
        <translation>====%1 daily report====</translation>
    </message>
    <message>
        <source>操作员： %1</source>
        <translation>Operator: %1</translation>
    </message>
    <message>
        <source>位号  时长  单价  金额</source>
        <translation>Table  Time  Rate  Amount</translation>
    </message>
    <message>
        <source>台位费：      %1 元</source>
        <translation>Table fees:   %1 yuan</translation>
    </message>
    <message>
        <source>其他费：      %1 元</source>
        <translation>Other:        %1 yuan</translation>
    </message>
    <message>
        <source>合  计：      %1 元</source>
        <translation>Total:        %1 yuan</translation>
    </message>
    <message>
        <source>%1：  %2 元</source>
        <translation>%1:  %2 yuan</translation>
    </message>
    <message>
        <source>报表没有打印：%1</source>
        <translation>The report was not printed: %1</translation>
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
    <name>TopUpDialog</name>
    <message>
        <source>会员增加款</source>
        <translation>Member top-up</translation>
    </message>
    <message>
        <source>卡  号</source>
        <translation>Card no.</translation>
    </message>
    <message>
        <source>姓  名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>存入卡中金额</source>
        <translation>Credit to card</translation>
    </message>
    <message>
        <source>实付金额</source>
        <translation>Amount paid</translation>
    </message>
    <message>
        <source>确定(&amp;Y)</source>
        <translation>OK (&amp;Y)</translation>
    </message>
    <message>
        <source>退出(&amp;C)</source>
        <translation>Exit (&amp;C)</translation>
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
    <name>TypedNumber</name>
    <message>
        <source>%1请输入 0 到 %2 之间、最多两位小数的金额。</source>
        <translation>%1: please enter an amount from 0 to %2 with at most two decimals.</translation>
    </message>
</context>
<context>
    <name>UserDataFolder</name>
    <message>
        <source>Tavoro 的文件现在放在 %1。旧文件夹 %2 中的 %3 没有移过去：新文件夹中已有同名的文件，或者无法移动。请把它们整理到 %1 后再启动 Tavoro；在此之前程序不会使用其中任何文件。</source>
        <translation>Tavoro now keeps its files in %1. %3 in the old folder %2 could not be moved there: the new folder already holds a file of the same name, or it could not be moved. Sort them into %1, then start Tavoro again; until then it uses none of them.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>billReport</name>
    <message>
        <source>%1日%2</source>
        <translation>day %1 %2</translation>
    </message>
    <message>
        <source>总计:%1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>押金:%1 找零:%2</source>
        <translation> Deposit: %1 Change: %2</translation>
    </message>
    <message>
        <source>%1欢迎光临</source>
        <translation>Welcome to %1</translation>
    </message>
    <message>
        <source>开始时间 </source>
        <translation>Start </translation>
    </message>
    <message>
        <source>所用时间 %1 折扣率:%2</source>
        <translation>Time used %1 Discount: %2</translation>
    </message>
    <message>
        <source>台球消费 %1 元</source>
        <translation>Table time %1 yuan</translation>
    </message>
    <message>
        <source>操作员:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>台位号:</source>
        <translation>Table:</translation>
    </message>
    <message>
        <source>会员卡号:</source>
        <translation>Card:</translation>
    </message>
    <message>
        <source>商品</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>金额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>电话:%1</source>
        <translation>Tel: %1</translation>
    </message>
    <message>
        <source>地址:%1</source>
        <translation>Address: %1</translation>
    </message>
</context>
<context>
    <name>catalogueReport</name>
    <message>
        <source>商品编码</source>
        <translation>Goods code</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Goods name</translation>
    </message>
    <message>
        <source>商品简码</source>
        <translation>Short code</translation>
    </message>
    <message>
        <source>计量单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>商品单价</source>
        <translation>Unit price</translation>
    </message>
</context>
<context>
    <name>statisticsReport</name>
    <message>
        <source>日  期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Goods</translation>
    </message>
    <message>
        <source>台位号</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>商品销售</source>
        <translation>Goods sales</translation>
    </message>
    <message>
        <source>台位费用</source>
        <translation>Table fees</translation>
    </message>
    <message>
        <source>按日期</source>
        <translation>by date</translation>
    </message>
    <message>
        <source>按商品</source>
        <translation>by goods</translation>
    </message>
    <message>
        <source>按台位号</source>
        <translation>by table</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>营业报告</source>
        <translation>Takings report</translation>
    </message>
    <message>
        <source>营业员：</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>日期从 %1 至 %2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message>
        <source>金  额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>合  计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>台位费用现金：</source>
        <translation>Table fees (cash):</translation>
    </message>
</context>
<context>
    <name>stockBalanceReport</name>
    <message>
        <source>收发结存表</source>
        <translation>Stock balance sheet</translation>
    </message>
    <message>
        <source>%1 至 %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>期间：</source>
        <translation>Period: </translation>
    </message>
    <message>
        <source>编码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>商品名称</source>
        <translation>Goods name</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>上期数量</source>
        <translation>Open qty</translation>
    </message>
    <message>
        <source>上期金额</source>
        <translation>Open amt</translation>
    </message>
    <message>
        <source>入库数量</source>
        <translation>In qty</translation>
    </message>
    <message>
        <source>入库金额</source>
        <translation>In amt</translation>
    </message>
    <message>
        <source>销售数量</source>
        <translation>Sold qty</translation>
    </message>
    <message>
        <source>销售金额</source>
        <translation>Sold amt</translation>
    </message>
    <message>
        <source>结存数量</source>
        <translation>End qty</translation>
    </message>
    <message>
        <source>结存金额</source>
        <translation>End amt</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>takingsReport</name>
    <message>
        <source>营业报告</source>
        <translation>Takings report</translation>
    </message>
    <message>
        <source>营业员：</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>日  期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>台 位 号</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>时  长</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>单  价</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>金  额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>台位费用现金：</source>
        <translation>Table fees (cash):</translation>
    </message>
    <message>
        <source>其他销费：</source>
        <translation>Other sales:</translation>
    </message>
    <message>
        <source>合  计：</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
</context>
</TS>
