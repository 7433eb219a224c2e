<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
    <name>Form_datecz</name>
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
    <name>Form_kl</name>
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
    <name>Formstop</name>
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
    <name>FrmClearData</name>
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
    <name>Frm_czy_add</name>
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
    <name>Frm_czy_find</name>
    <message>
        <source>正在读入操作员信息，请稍候...</source>
        <translation>Reading the operators, please wait...</translation>
    </message>
</context>
<context>
    <name>Frm_czy_setup</name>
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
    <name>Frm_czyrz</name>
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
</context>
<context>
    <name>Frm_pathset</name>
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
</context>
<context>
    <name>FrmstcsSET</name>
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
    <name>ModZkCheck</name>
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
    <name>Modulback</name>
    <message>
        <source>数据库没有打开</source>
        <translation>The database is not open</translation>
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
    <name>ShippedRows</name>
    <message>
        <source>无法生成操作员口令</source>
        <translation>Cannot make the operator password</translation>
    </message>
</context>
<context>
    <name>frm_czy_password</name>
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
    <name>frm_syskey</name>
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
</TS>
