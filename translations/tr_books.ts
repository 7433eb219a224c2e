<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <source>会员价和非会员价必须是不小于0的数字（最多两位小数）！</source>
        <translation>Member and non-member rates must be numbers of 0 or more (at most two decimals)!</translation>
    </message>
    <message>
        <source>时段 %1 与已有时段 %2（编号 %3）重叠！</source>
        <translation>Period %1 overlaps the saved period %2 (no. %3)!</translation>
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
        <translation>Non-member (yuan/h)</translation>
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
</context>
<context>
    <name>ClsPrint</name>
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
    <name>DayTakings</name>
    <message>
        <source>没有登录的营业员，不能结清班次账务。</source>
        <translation>No operator is logged in: the shift&apos;s accounts cannot be settled.</translation>
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
    <name>Form_rb</name>
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
    <name>Form_yyfx</name>
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
    <name>Form_yyfxsp</name>
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
    <name>FrmsFbz</name>
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
    <name>FrmsFbzFA</name>
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
    <name>ModReport</name>
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
    <name>Ptprint40Layout</name>
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
    <name>RateSchemes</name>
    <message>
        <source>计费方案“%1”没有任何时段，不能分配！</source>
        <translation>The rate scheme &quot;%1&quot; has no periods and cannot be assigned!</translation>
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
    <name>ReportPreview</name>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
</context>
<context>
    <name>Report_rb</name>
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
<context>
    <name>Report_yyfx</name>
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
    <name>Report_zd</name>
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
    <name>Zdprint</name>
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
</TS>
