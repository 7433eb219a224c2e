<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
    <name>Form_dmcz1</name>
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
    <name>Form_hyzl</name>
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
        <source>确实要删除会员 &apos;%1&apos; ?</source>
        <translation>Delete the member &apos;%1&apos;?</translation>
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
    <name>Form_hyzl_add</name>
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
    <name>Form_hyzl_addmoney</name>
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
    <name>Form_sfjcJs</name>
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
    <name>Form_spFind</name>
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
    <name>Form_spbmdy</name>
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
    <name>Form_spgl</name>
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
</context>
<context>
    <name>FrmHYxfFind</name>
    <message>
        <source>会员消费查询列表</source>
        <translation>Member consumption</translation>
    </message>
</context>
<context>
    <name>FrmHYxfHz</name>
    <message>
        <source>会员消费汇总查询列表</source>
        <translation>Member consumption summary</translation>
    </message>
</context>
<context>
    <name>FrmHYxfScreen</name>
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
        <source>商品单价应为不小于 0 的数，最多两位小数。</source>
        <translation>The unit price must be a number not below 0, with at most two decimals.</translation>
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
</context>
<context>
    <name>MemberDeletion</name>
    <message>
        <source>会员 &apos;%1&apos; 的卡正在 %2 号台使用，不能删除！</source>
        <translation>The card of member &apos;%1&apos; is in use at table %2 and cannot be deleted.</translation>
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
        <source>金额请输入数字 ！</source>
        <translation>Amount: please enter a number.</translation>
    </message>
    <message>
        <source>时长请输入数字 ！</source>
        <translation>Time: please enter a number.</translation>
    </message>
    <message>
        <source>折扣请输入数字 ！</source>
        <translation>Discount: please enter a number.</translation>
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
</context>
<context>
    <name>MemberTopUp</name>
    <message>
        <source>存入卡中金额请输入大于 0 的数字，最多两位小数！</source>
        <translation>Credit to card: please enter a number above 0, with at most two decimals.</translation>
    </message>
    <message>
        <source>请输入实付金额！</source>
        <translation>Please enter the amount paid.</translation>
    </message>
    <message>
        <source>实付金额请输入不小于 0 的数字，最多两位小数！</source>
        <translation>Amount paid: please enter a number not below 0, with at most two decimals.</translation>
    </message>
    <message>
        <source>卡号 %1 的会员已不存在，存款没有记入。</source>
        <translation>The member with card %1 no longer exists. The top-up was not recorded.</translation>
    </message>
</context>
<context>
    <name>Report_sfjc</name>
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
    <name>Report_spbm</name>
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
</TS>
