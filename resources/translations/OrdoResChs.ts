<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Ordo</source>
        <translation>关于 Ordo</translation>
    </message>
    <message>
        <source>Ordoteca Version 1.0 RC1</source>
        <translation>Ordoteca 版本 1.0 RC1</translation>
    </message>
    <message>
        <source>Quenlow Software</source>
        <translation>Quenlow Software</translation>
    </message>
</context>
<context>
    <name>BasicSearch</name>
    <message>
        <source>No search results found.</source>
        <translation>未找到搜索结果。</translation>
    </message>
</context>
<context>
    <name>CAccessibleNamer</name>
    <message>
        <source>More commands</source>
        <translation>更多命令</translation>
    </message>
</context>
<context>
    <name>CAddBookCommand</name>
    <message>
        <source>Do you want to add this book by hand?</source>
        <translation>是否要手动添加这本书？</translation>
    </message>
    <message>
        <source>This book is already in the catalogue as &quot;%1&quot;. Add another copy?</source>
        <translation>此书已在书库中，书名为“%1”。是否再添加一本？</translation>
    </message>
    <message>
        <source>The book&apos;s details could not be looked up; the sheet holds what the search listed. %1</source>
        <translation>无法查询到这本书的详细信息，“添加图书”窗口中填入的是搜索结果列出的内容。%1</translation>
    </message>
</context>
<context>
    <name>CAddBookDlg</name>
    <message>
        <source>Add Book</source>
        <translation>添加图书</translation>
    </message>
    <message>
        <source>Enter ISBNs below (one ISBN per line).</source>
        <translation>在下方输入 ISBN（每行一个）。</translation>
    </message>
    <message>
        <source>Tip: Use your barcode scanner here, e.g. CueCat</source>
        <translation>提示：可在此处使用条码扫描器，例如 CueCat</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>加载(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Scan with &amp;Camera...</source>
        <translation>用摄像头扫描(&amp;C)...</translation>
    </message>
    <message>
        <source>Scan &amp;Pictures...</source>
        <translation>扫描图片(&amp;P)...</translation>
    </message>
    <message>
        <source>ISBNs</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Query Online By &amp;ISBN(s)</source>
        <translation>按 ISBN 在线查询(&amp;I)</translation>
    </message>
    <message>
        <source>Query Online &amp;By Title, Author and Publisher</source>
        <translation>按书名、作者和出版社在线查询(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>书名(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>作者(&amp;A)：</translation>
    </message>
    <message>
        <source>P&amp;ublisher:</source>
        <translation>出版社(&amp;U)：</translation>
    </message>
    <message>
        <source>Add a Book &amp;Manually</source>
        <translation>手动添加图书(&amp;M)</translation>
    </message>
</context>
<context>
    <name>CBarcodeScanDlg</name>
    <message>
        <source>Scan ISBN Barcodes</source>
        <translation>扫描 ISBN 条码</translation>
    </message>
    <message>
        <source>&amp;Camera:</source>
        <translation>摄像头(&amp;C)：</translation>
    </message>
    <message>
        <source>No camera was found. Connect a camera and it appears here, or scan photos of the barcodes instead.</source>
        <translation>未找到摄像头。连接摄像头后它会显示在这里；也可以改为扫描条码的照片。</translation>
    </message>
    <message>
        <source>Scan &amp;Pictures...</source>
        <translation>扫描图片(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;ISBNs found:</source>
        <translation>找到的 ISBN(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Add Pic&amp;tures...</source>
        <translation>添加图片(&amp;T)...</translation>
    </message>
    <message>
        <source>%1 is the ISSN of a periodical, not an ISBN.</source>
        <translation>%1 是期刊的 ISSN，不是 ISBN。</translation>
    </message>
    <message>
        <source>%1 is the number of printed music, not an ISBN.</source>
        <translation>%1 是乐谱的编号，不是 ISBN。</translation>
    </message>
    <message>
        <source>%1 was misread (wrong check digit); try again.</source>
        <translation>%1 读取有误（校验位错误），请重试。</translation>
    </message>
    <message>
        <source>The barcode &quot;%1&quot; holds no ISBN.</source>
        <translation>条码“%1”中没有 ISBN。</translation>
    </message>
    <message>
        <source>%1 is not a book&apos;s barcode.</source>
        <translation>%1 不是图书的条码。</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>完成(&amp;D)</translation>
    </message>
    <message>
        <source>Each barcode found in the pictures is listed below.</source>
        <translation>下面列出在图片中找到的每个条码。</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Hold a book&apos;s barcode up to the camera.</source>
        <translation>请将图书的条码对准摄像头。</translation>
    </message>
    <message>
        <source>%1: Cannot read HEIC pictures here; save the photo as JPEG</source>
        <translation>%1：此处无法读取 HEIC 图片，请将照片另存为 JPEG</translation>
    </message>
    <message>
        <source>%1: Cannot read this picture</source>
        <translation>%1：无法读取此图片</translation>
    </message>
    <message>
        <source>%1: No ISBN barcode found</source>
        <translation>%1：未找到 ISBN 条码</translation>
    </message>
    <message numerus="yes">
        <source>All pictures read: %n ISBN(s) in the list.</source>
        <translation>
            <numerusform>所有图片已读取：列表中有 %n 个 ISBN。</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1.</source>
        <translation>已添加 %1。</translation>
    </message>
    <message numerus="yes">
        <source>Reading %n picture(s)...</source>
        <translation>
            <numerusform>正在读取 %n 张图片...</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CBasicSearchDlg</name>
    <message>
        <source>It also finds the books lent to or borrowed from a person whose name holds the keyword.</source>
        <translation>也会找出借给或借自姓名中含有该关键字的人的书。</translation>
    </message>
    <message>
        <source>Basic Search</source>
        <translation>基本搜索</translation>
    </message>
    <message>
        <source>Enter keyword:</source>
        <translation>输入关键字：</translation>
    </message>
    <message>
        <source>&amp;Clear items in Search Results first</source>
        <translation>先清空搜索结果中的项目(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Ignore accents (e also finds é, è and ê)</source>
        <translation>忽略重音符号(&amp;I)（e 也能找到 é、è 和 ê）</translation>
    </message>
    <message>
        <source>Basic Search is able to search the following 7 fields: Book Title, Author, ISBN, Description, Notes, User Text 1 and User Text 2.</source>
        <translation>基本搜索可搜索以下 7 个字段：书名、作者、ISBN、内容简介、备注、自定义文本 1 和自定义文本 2。</translation>
    </message>
    <message>
        <source>Please enter a search keyword.</source>
        <translation>请输入搜索关键字。</translation>
    </message>
    <message>
        <source>Only books</source>
        <translation>仅限图书</translation>
    </message>
    <message>
        <source>In a se&amp;ries named:</source>
        <translation>所属系列名称(&amp;R)：</translation>
    </message>
    <message>
        <source>Read in &amp;year:</source>
        <translation>阅读年份(&amp;Y)：</translation>
    </message>
    <message>
        <source>A series or a year narrows the search; either may be given without a keyword. A book counts as read in a year when one of its readings started, went on or finished in it.</source>
        <translation>系列或年份会缩小搜索范围；两者都可以在不填关键词时单独使用。某本书的一次阅读在某年开始、持续或结束，即算作该年读过。</translation>
    </message>
    <message>
        <source>Please enter a year such as 2025.</source>
        <translation>请输入年份，例如 2025。</translation>
    </message>
</context>
<context>
    <name>CBatchQueryDlg</name>
    <message>
        <source>Batch Mode</source>
        <translation>批量模式</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Add books already in the catalogue</source>
        <translation>也添加书库中已有的图书</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>错误：</translation>
    </message>
    <message>
        <source>Already in the catalogue</source>
        <translation>已在书库中</translation>
    </message>
    <message>
        <source>the book was not saved</source>
        <translation>图书未保存</translation>
    </message>
    <message>
        <source>Finishing off, please wait...</source>
        <translation>正在完成，请稍候...</translation>
    </message>
    <message>
        <source>Copies the ISBNs that were not found, failed or were not looked up, one per line, for another try.</source>
        <translation>复制未找到、失败或未查询的 ISBN，每行一个，以便再试一次。</translation>
    </message>
    <message>
        <source>Copy &amp;Failed ISBNs</source>
        <translation>复制失败的 ISBN(&amp;F)</translation>
    </message>
    <message>
        <source>Saves the ISBNs that were not found, failed or were not looked up to a text file, one per line, for another try.</source>
        <translation>将未找到、失败或未查询的 ISBN 保存到文本文件，每行一个，以便再试一次。</translation>
    </message>
    <message>
        <source>Sa&amp;ve Failed ISBNs...</source>
        <translation>保存失败的 ISBN(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <translation>
            <numerusform>已添加 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <translation>
            <numerusform>已更新 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the catalogue</source>
        <translation>
            <numerusform>%n 本已在书库中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found</source>
        <translation>
            <numerusform>未找到 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失败 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <translation>
            <numerusform>未查询 %n 本</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the batch summary</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>ISBNs and what was found</source>
        <translation>ISBN 及查找结果</translation>
    </message>
</context>
<context>
    <name>CBookBasicPage</name>
    <message>
        <source>&amp;Title:</source>
        <translation>书名(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Subtitle:</source>
        <translation>副书名(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>作者(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>网址(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Edition:</source>
        <translation>版次(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;ISBN:</source>
        <translation>ISBN(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Release Date:</source>
        <translation>出版日期(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Binding:</source>
        <extracomment>Hardcover, paperback...</extracomment>
        <translation>装帧(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Dimension:</source>
        <translation>尺寸(&amp;D)：</translation>
    </message>
    <message>
        <source>E&amp;xtras:</source>
        <extracomment>Material that comes with the book: CD-ROM, floppy disk, DVD, map...</extracomment>
        <translation>附件(&amp;X)：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of pages. Please type digits only, for example 340.</source>
        <translation>“%1”不是页数。请只输入数字，例如 340。</translation>
    </message>
    <message>
        <source>Publis&amp;her:</source>
        <translation>出版社(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Page:</source>
        <translation>页数(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>常规(&amp;G)</translation>
    </message>
    <message>
        <source>Part o&amp;f Series:</source>
        <translation>所属系列(&amp;F)：</translation>
    </message>
    <message>
        <source>Nu&amp;mber in Series:</source>
        <extracomment>The book&apos;s number within its series: 3, 3.5, III, Book 2...</extracomment>
        <translation>系列编号(&amp;M)：</translation>
    </message>
</context>
<context>
    <name>CBookCoversPage</name>
    <message>
        <source>Front Cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Back Cover</source>
        <translation>封底</translation>
    </message>
    <message>
        <source>Downloaded picture, saved with the book</source>
        <translation>已下载的图片，将随图书保存</translation>
    </message>
    <message>
        <source>Downloaded from %1</source>
        <translation>下载自 %1</translation>
    </message>
    <message>
        <source>Co&amp;vers</source>
        <translation>封面和封底(&amp;V)</translation>
    </message>
    <message>
        <source>Browse for the front cover</source>
        <translation>浏览封面图片</translation>
    </message>
    <message>
        <source>Clear the front cover</source>
        <translation>清除封面</translation>
    </message>
    <message>
        <source>Browse for the back cover</source>
        <translation>浏览封底图片</translation>
    </message>
    <message>
        <source>Clear the back cover</source>
        <translation>清除封底</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Back cover</source>
        <translation>封底</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>无图片</translation>
    </message>
</context>
<context>
    <name>CBookDescriptionPage</name>
    <message>
        <source>Des&amp;cription</source>
        <translation>内容简介(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CBookLinksPage</name>
    <message>
        <source>Add URLs, local files or folders which are related to this book.</source>
        <translation>添加与本书相关的网址、本地文件或文件夹。</translation>
    </message>
    <message>
        <source>e.g. author&apos;s website, ebook files.</source>
        <translation>例如作者网站、电子书文件。</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>编辑(&amp;E)...</translation>
    </message>
    <message>
        <source>Related Lin&amp;ks</source>
        <translation>相关链接(&amp;K)</translation>
    </message>
    <message>
        <source>Related links</source>
        <translation>相关链接</translation>
    </message>
</context>
<context>
    <name>CBookLoansPage</name>
    <message>
        <source>History:</source>
        <translation>历史记录：</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>借阅人</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>借出日期</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>应还日期</translation>
    </message>
    <message>
        <source>Returned</source>
        <translation>归还日期</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Lend and Return in the Edit menu record loans.</source>
        <translation>借阅记录由“编辑”菜单中的“借出”和“归还”生成。</translation>
    </message>
    <message>
        <source>Loan Histor&amp;y</source>
        <translation>借阅记录(&amp;Y)</translation>
    </message>
    <message>
        <source>Lent to %1 since %2</source>
        <translation>借给 %1，借出日期 %2</translation>
    </message>
    <message>
        <source>Borrowed from %1 since %2</source>
        <translation>借自 %1，借入日期 %2</translation>
    </message>
    <message>
        <source>, due %1</source>
        <translation>，应还日期 %1</translation>
    </message>
    <message>
        <source> (overdue)</source>
        <translation>（已逾期）</translation>
    </message>
    <message>
        <source>Not on loan.</source>
        <translation>未借出。</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>借出</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>借入</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>已逾期</translation>
    </message>
</context>
<context>
    <name>CBookNotesPage</name>
    <message>
        <source>&amp;Notes</source>
        <translation>备注(&amp;N)</translation>
    </message>
</context>
<context>
    <name>CBookPersonalPage</name>
    <message>
        <source>Purchase Info</source>
        <translation>购买信息</translation>
    </message>
    <message>
        <source>Purchase &amp;Date:</source>
        <translation>购买日期(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Purchase Price:</source>
        <translation>购买价格(&amp;P)：</translation>
    </message>
    <message>
        <source>L&amp;ist Price:</source>
        <translation>定价(&amp;I)：</translation>
    </message>
    <message>
        <source>Am&amp;azon Price:</source>
        <translation>Amazon 价格(&amp;A)：</translation>
    </message>
    <message>
        <source>Misc Info</source>
        <translation>其他信息</translation>
    </message>
    <message>
        <source>&amp;Location:</source>
        <extracomment>Where the book is kept: shelf, room, box...</extracomment>
        <translation>存放位置(&amp;L)：</translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <extracomment>What the book is to the owner: in the collection, on the wish list, for sale...</extracomment>
        <translation>状态(&amp;T)：</translation>
    </message>
    <message>
        <source>C&amp;urrent Page:</source>
        <translation>当前页(&amp;U)：</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>评分</translation>
    </message>
    <message>
        <source>Amazon &amp;Rating:</source>
        <translation>Amazon 评分(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;My Rating:</source>
        <translation>我的评分(&amp;M)：</translation>
    </message>
    <message>
        <source>Unrated</source>
        <translation>未评分</translation>
    </message>
    <message>
        <source>User Defined Texts</source>
        <translation>自定义文本</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>自定义文本 1(&amp;1)：</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>自定义文本 2(&amp;2)：</translation>
    </message>
    <message>
        <source>eBook Info</source>
        <translation>电子书信息</translation>
    </message>
    <message>
        <source>I only have &amp;ebook</source>
        <translation>只有电子书(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The file format of an e-book (PDF, EPUB, CHM...); not the verb &quot;to format&quot;.</extracomment>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>Si&amp;ze (in MB):</source>
        <translation>大小（MB）(&amp;Z)：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a price. Please type an amount, for example %2 or %3.</source>
        <translation>“%1”不是价格。请输入金额，例如 %2 或 %3。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a page number. Please type digits only, for example 120.</source>
        <translation>“%1”不是页码。请只输入数字，例如 120。</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <extracomment>The shop (bookshop, web shop) where the book was bought; not the verb &quot;to store&quot;.</extracomment>
        <translation>购买商店(&amp;S)：</translation>
    </message>
    <message>
        <source>Num&amp;ber of Reviews:</source>
        <translation>评论数(&amp;B)：</translation>
    </message>
    <message>
        <source>Pers&amp;onal</source>
        <translation>个人(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;When Added:</source>
        <translation>添加日期(&amp;W):</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>阅读记录</translation>
    </message>
</context>
<context>
    <name>CBorrowers</name>
    <message>
        <source>A borrower needs a name.</source>
        <translation>借阅人必须有姓名。</translation>
    </message>
    <message>
        <source>There is already a borrower called %1. To make the two one, use Merge.</source>
        <translation>已有名为 %1 的借阅人。要将两者合为一人，请使用“合并”。</translation>
    </message>
    <message>
        <source>This borrower has loans and cannot be deleted. Rename or merge instead.</source>
        <translation>此借阅人有借阅记录，不能删除。可以重命名或合并。</translation>
    </message>
</context>
<context>
    <name>CBorrowersDlg</name>
    <message>
        <source>Borrowers</source>
        <translation>借阅人</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Books now</source>
        <translation>当前借阅</translation>
    </message>
    <message>
        <source>Books ever</source>
        <translation>累计借阅</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Merge Into...</source>
        <translation>合并到(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Merge Into</source>
        <translation>合并到</translation>
    </message>
    <message>
        <source>Give every loan of this borrower to:</source>
        <translation>将此借阅人的所有借阅转给：</translation>
    </message>
</context>
<context>
    <name>CCatalogueBackup</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>The catalogue is busy.</source>
        <translation>书库正忙。</translation>
    </message>
    <message>
        <source>%1 is not a usable catalogue backup.</source>
        <translation>%1 不是可用的书库备份。</translation>
    </message>
</context>
<context>
    <name>CCatalogueCheck</name>
    <message>
        <source>The database file is intact.</source>
        <translation>数据库文件完好。</translation>
    </message>
    <message numerus="yes">
        <source>The database file is damaged (%n problem(s)):</source>
        <translation>
            <numerusform>数据库文件已损坏（%n 个问题）：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) belong to a book or category that no longer exists.</source>
        <translation>
            <numerusform>%n 行数据属于已不存在的图书或分类。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) in the images folder belong to no book:</source>
        <translation>
            <numerusform>图片文件夹中有 %n 张图片不属于任何图书：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were left by an interrupted save.</source>
        <translation>
            <numerusform>有 %n 个文件是保存中断后遗留的。</numerusform>
        </translation>
    </message>
    <message>
        <source>No problems were found.</source>
        <translation>未发现问题。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s).</source>
        <translation>
            <numerusform>已删除 %n 行。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cleared %n missing cover name(s).</source>
        <translation>
            <numerusform>已清除 %n 个指向缺失图片的封面记录。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moved %n picture(s) to the folder &quot;%1&quot;.</source>
        <translation>
            <numerusform>已将 %n 张图片移到文件夹“%1”。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Removed %n leftover file(s).</source>
        <translation>
            <numerusform>已删除 %n 个遗留文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>A damaged database file cannot be repaired here; restore a backup.</source>
        <translation>损坏的数据库文件无法在此修复，请恢复备份。</translation>
    </message>
    <message>
        <source>Book %1 (untitled): the cover picture %2 is missing.</source>
        <translation>图书 %1（无书名）：缺少封面图片 %2。</translation>
    </message>
    <message>
        <source>“%1” (book %2): the cover picture %3 is missing.</source>
        <translation>“%1”（图书 %2）：缺少封面图片 %3。</translation>
    </message>
</context>
<context>
    <name>CCatalogueMove</name>
    <message>
        <source>Copying the catalogue to %1...</source>
        <translation>正在把书库复制到 %1...</translation>
    </message>
    <message>
        <source>The catalogue is now on the server as %1. Open it there?</source>
        <translation>书库现已在服务器上，名为 %1。要在服务器上打开它吗？</translation>
    </message>
    <message>
        <source>%1 is the catalogue that is open. Choose another file.</source>
        <translation>%1 是当前打开的书库。请选择另一个文件。</translation>
    </message>
    <message>
        <source>Saving a copy of the catalogue to %1...</source>
        <translation>正在把书库的副本保存到 %1...</translation>
    </message>
    <message>
        <source>A copy of the catalogue was saved to %1.</source>
        <translation>书库的副本已保存到 %1。</translation>
    </message>
</context>
<context>
    <name>CCatalogueTools</name>
    <message>
        <source>The automatic backup failed: %1</source>
        <translation>自动备份失败：%1</translation>
    </message>
    <message>
        <source>Repair what can be repaired?</source>
        <translation>是否修复可以修复的问题？</translation>
    </message>
    <message>
        <source>There is no backup of this catalogue yet.</source>
        <translation>此书库还没有备份。</translation>
    </message>
    <message>
        <source>Replace the whole catalogue by the backup %1?
Its present contents are kept as a backup of their own.</source>
        <translation>是否用备份 %1 替换整个书库？
书库当前的内容会另存为一个备份。</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>恢复备份</translation>
    </message>
    <message>
        <source>Replace the catalogue by this backup:</source>
        <translation>用此备份替换书库：</translation>
    </message>
</context>
<context>
    <name>CCategoryGeneralPage</name>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>包含：</translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation>最后更新：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>备注：</translation>
    </message>
</context>
<context>
    <name>CCopyProgress</name>
    <message>
        <source>These values could not be copied as they were:</source>
        <translation>以下值无法按原样复制：</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>……还有 %n 个。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCsvParser</name>
    <message>
        <source>A quoted field that starts on line %1 never ends.</source>
        <translation>从第 %1 行开始的带引号字段没有结束。</translation>
    </message>
</context>
<context>
    <name>CDatePickerWithNone</name>
    <message>
        <source>Clear the box to leave the date empty</source>
        <translation>取消勾选可不填日期</translation>
    </message>
    <message>
        <source>Has a date</source>
        <translation>有日期</translation>
    </message>
</context>
<context>
    <name>CExportCatalogDlg</name>
    <message>
        <source>Export Catalogue</source>
        <translation>导出书库</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>图书</translation>
    </message>
    <message>
        <source>The &amp;whole catalogue</source>
        <translation>整个书库(&amp;W)</translation>
    </message>
    <message>
        <source>The current &amp;category</source>
        <translation>当前分类(&amp;C)</translation>
    </message>
    <message>
        <source>with its &amp;sub-categories</source>
        <translation>包括其子分类(&amp;S)</translation>
    </message>
    <message>
        <source>The s&amp;elected books</source>
        <translation>所选图书(&amp;E)</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (UTF-8)</source>
        <translation>适用于电子表格的 CSV (UTF-8)</translation>
    </message>
    <message>
        <source>Tellico collection with covers (.tc)</source>
        <translation>带封面的 Tellico 收藏 (.tc)</translation>
    </message>
    <message>
        <source>Book XML (as Save As XML)</source>
        <translation>图书 XML（同“另存为 XML”）</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Tellico Collections (*.tc)</source>
        <translation>Tellico 收藏 (*.tc)</translation>
    </message>
    <message>
        <source>XML Files (*.xml)</source>
        <translation>XML 文件 (*.xml)</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Ordoteca Help</source>
        <translation>Ordoteca 帮助</translation>
    </message>
</context>
<context>
    <name>CHtmlEditorPage</name>
    <message>
        <source>URL:</source>
        <translation>网址：</translation>
    </message>
</context>
<context>
    <name>CImportWizard</name>
    <message>
        <source>Import Books</source>
        <translation>导入图书</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>A spreadsheet saved as CSV or tab-separated text, a Goodreads or LibraryThing export, or a Tellico collection (.tc or .xml).</source>
        <translation>另存为 CSV 或制表符分隔文本的电子表格、Goodreads 或 LibraryThing 的导出文件，或 Tellico 收藏（.tc 或 .xml）。</translation>
    </message>
    <message>
        <source>Book lists (*.csv *.tsv *.txt *.tc *.xml);;All Files (*)</source>
        <translation>图书列表 (*.csv *.tsv *.txt *.tc *.xml);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Choose the book field each column of the file goes into. The choice is remembered for files of this kind.</source>
        <translation>为文件的每一列选择要导入的图书字段。程序会为同类文件记住此选择。</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>First value</source>
        <translation>第一个值</translation>
    </message>
    <message>
        <source>Book field</source>
        <translation>图书字段</translation>
    </message>
    <message>
        <source>Where the books go</source>
        <translation>导入位置</translation>
    </message>
    <message>
        <source>Into the &amp;category</source>
        <translation>放入分类(&amp;C)</translation>
    </message>
    <message>
        <source>Shelves, tags and groups become &amp;sub-categories</source>
        <translation>将书架、标签和分组转为子分类(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;kip books already in the catalogue (same ISBN, or same title and author)</source>
        <translation>跳过书库中已有的图书(&amp;K)（ISBN 相同，或书名和作者相同）</translation>
    </message>
    <message>
        <source>&amp;Update them with the file&apos;s values</source>
        <translation>用文件中的值更新它们(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Look the ISBNs up online afterwards to fill empty fields and covers</source>
        <translation>之后在线查询 ISBN 以填写空字段和封面(&amp;L)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>The first books of the file as they will be imported.</source>
        <translation>预览文件中前几本书的导入结果。</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>书名</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n book(s)</source>
        <translation>
            <numerusform>%1，%n 本书</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Choose the column that holds the title or the ISBN.</source>
        <translation>请选择包含书名或 ISBN 的列。</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>浏览(&amp;R)...</translation>
    </message>
    <message>
        <source>Into a ne&amp;w category under it, named</source>
        <translation>放入其下的新分类(&amp;W)，名称为</translation>
    </message>
    <message>
        <source>File to import</source>
        <translation>要导入的文件</translation>
    </message>
</context>
<context>
    <name>CInputSQLDlg</name>
    <message>
        <source>Run SQL</source>
        <translation>运行 SQL</translation>
    </message>
    <message>
        <source>Input SQL statement:</source>
        <translation>输入 SQL 语句：</translation>
    </message>
    <message>
        <source>Note: Advanced users only.</source>
        <translation>注意：仅供高级用户使用。</translation>
    </message>
    <message>
        <source>SQL statement cannot be empty.</source>
        <translation>SQL 语句不能为空。</translation>
    </message>
</context>
<context>
    <name>CLendDlg</name>
    <message>
        <source>Lend</source>
        <translation>借出</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>书名(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>作者(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Borrower:</source>
        <translation>借阅人(&amp;B)：</translation>
    </message>
    <message>
        <source>&amp;Loan date:</source>
        <translation>借出日期(&amp;L)：</translation>
    </message>
    <message>
        <source>D&amp;ue date:</source>
        <translation>应还日期(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
    <message>
        <source>Borrowed Book</source>
        <translation>借入的书</translation>
    </message>
    <message>
        <source>Borrowed &amp;from:</source>
        <translation>借自(&amp;F)：</translation>
    </message>
    <message>
        <source>Borrowed &amp;on:</source>
        <translation>借入日期(&amp;O)：</translation>
    </message>
    <message>
        <source>Please enter the title of the book.</source>
        <translation>请输入书名。</translation>
    </message>
    <message>
        <source>Please enter who the book is lent to.</source>
        <translation>请输入借书人。</translation>
    </message>
    <message>
        <source>Please enter who the book is borrowed from.</source>
        <translation>请输入书的出借人。</translation>
    </message>
    <message>
        <source>The due date cannot come before the date of the loan.</source>
        <translation>应还日期不能早于借出日期。</translation>
    </message>
</context>
<context>
    <name>CLinkGeneralPage</name>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>网址</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>标题(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>路径(&amp;P)：</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
    <message>
        <source>(Optional)</source>
        <translation>（可选）</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
</context>
<context>
    <name>CListFilterBar</name>
    <message>
        <source>Filter this list</source>
        <translation>筛选此列表</translation>
    </message>
    <message>
        <source>Show only the books whose title, subtitle, author, ISBN, publisher or series hold every word typed; Esc clears</source>
        <extracomment>Tooltip of the filter bar above the book list.</extracomment>
        <translation>只显示书名、副书名、作者、ISBN、出版社或系列中含有所输入全部词语的图书；按 Esc 清除</translation>
    </message>
</context>
<context>
    <name>CLoanTools</name>
    <message>
        <source>Show the books on loan</source>
        <translation>显示借出的书</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) are overdue</source>
        <translation>
            <numerusform>%n 本书已逾期</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) were on loan already and kept their loan.</source>
        <translation>
            <numerusform>%n 本书已借出，保留原借阅记录。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CLoans</name>
    <message>
        <source>Please enter who the book is lent to or borrowed from.</source>
        <translation>请输入借书人或出借人。</translation>
    </message>
    <message>
        <source>Please enter the date of the loan.</source>
        <translation>请输入借出日期。</translation>
    </message>
    <message>
        <source>The due date cannot come before the date of the loan.</source>
        <translation>应还日期不能早于借出日期。</translation>
    </message>
    <message>
        <source>Please enter the date the book came back.</source>
        <translation>请输入归还日期。</translation>
    </message>
    <message>
        <source>A book cannot come back before the date it was lent. Nothing was returned.</source>
        <translation>书的归还日期不能早于借出日期。没有归还任何书。</translation>
    </message>
</context>
<context>
    <name>CLookupProgressDlg</name>
    <message>
        <source>Add Book</source>
        <translation>添加图书</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>No CSS files found.</source>
        <translation>未找到 CSS 文件。</translation>
    </message>
    <message>
        <source>No XSL files found.</source>
        <translation>未找到 XSL 文件。</translation>
    </message>
    <message>
        <source>&amp;New Database...</source>
        <translation>新建数据库(&amp;N)...</translation>
    </message>
    <message>
        <source>Create a new book database
New Database</source>
        <translation>创建新的图书数据库
新建数据库</translation>
    </message>
    <message>
        <source>&amp;Open Database...</source>
        <translation>打开数据库(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing book database
Open Database</source>
        <translation>打开现有的图书数据库
打开数据库</translation>
    </message>
    <message>
        <source>Save As &amp;HTML...</source>
        <translation>另存为 HTML(&amp;H)...</translation>
    </message>
    <message>
        <source>Save the book page as an HTML file
Save As HTML</source>
        <translation>将图书页面另存为 HTML 文件
另存为 HTML</translation>
    </message>
    <message>
        <source>Save the selected books as an XML file
Save As XML</source>
        <translation>将所选图书另存为 XML 文件
另存为 XML</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>页面设置(&amp;U)...</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>更改打印选项
页面设置</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>打印预览(&amp;V)...</translation>
    </message>
    <message>
        <source>Display the book page as it will be printed
Print Preview</source>
        <translation>显示图书页面的打印效果
打印预览</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the book page
Print</source>
        <translation>打印图书页面
打印</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>退出应用程序
退出</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>剪切所选内容并放到剪贴板上
剪切</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>复制所选内容并放到剪贴板上
复制</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>插入剪贴板内容
粘贴</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>Select everything
Select All</source>
        <translation>选择全部内容
全选</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤消(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>撤消上一步操作
撤消</translation>
    </message>
    <message>
        <source>Add a sub category to the selected category
Add Sub Category</source>
        <translation>在所选分类下添加子分类
添加子分类</translation>
    </message>
    <message>
        <source>Delete the selected category
Remove Category</source>
        <translation>删除所选分类
删除分类</translation>
    </message>
    <message>
        <source>Rename or annotate the selected category
Edit Category</source>
        <translation>重命名所选分类或为其添加备注
编辑分类</translation>
    </message>
    <message>
        <source>Add &amp;Book...</source>
        <translation>添加图书(&amp;B)...</translation>
    </message>
    <message>
        <source>Add a book to the selected category
Add Book</source>
        <translation>向所选分类添加图书
添加图书</translation>
    </message>
    <message>
        <source>&amp;Remove Book</source>
        <translation>移除图书(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the selected books
Remove Book</source>
        <translation>移除所选图书
移除图书</translation>
    </message>
    <message>
        <source>&amp;Edit Book...</source>
        <translation>编辑图书(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit the selected book
Edit Book</source>
        <translation>编辑所选图书
编辑图书</translation>
    </message>
    <message>
        <source>&amp;Favorites</source>
        <translation>收藏夹(&amp;F)</translation>
    </message>
    <message>
        <source>Add the selected books to Favorites
Favorites</source>
        <translation>将所选图书添加到收藏夹
收藏夹</translation>
    </message>
    <message>
        <source>&amp;Reading List</source>
        <translation>阅读清单(&amp;R)</translation>
    </message>
    <message>
        <source>Add the selected books to the Reading List
Reading List</source>
        <translation>将所选图书添加到阅读清单
阅读清单</translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation>搜索结果(&amp;S)</translation>
    </message>
    <message>
        <source>Add the selected books to Search Results
Search Results</source>
        <translation>将所选图书添加到搜索结果
搜索结果</translation>
    </message>
    <message>
        <source>Basic &amp;Search</source>
        <translation>基本搜索(&amp;S)</translation>
    </message>
    <message>
        <source>Search the catalogue for a keyword
Basic Search</source>
        <translation>在书库中搜索关键字
基本搜索</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation>显示或隐藏工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Show the book page again
Refresh</source>
        <translation>重新显示图书页面
刷新</translation>
    </message>
    <message>
        <source>&amp;Run SQL...</source>
        <translation>运行 SQL(&amp;R)...</translation>
    </message>
    <message>
        <source>Submit SQL statement to the database
Run SQL</source>
        <translation>向数据库提交 SQL 语句
运行 SQL</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>Set default values and the interface language
Options</source>
        <translation>设置默认值和界面语言
选项</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>Open the user guide
Help Topics</source>
        <translation>打开用户指南
帮助主题</translation>
    </message>
    <message>
        <source>&amp;About Ordo...</source>
        <translation>关于 Ordo(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>Ordoteca &amp;Website</source>
        <translation>Ordoteca 网站(&amp;W)</translation>
    </message>
    <message>
        <source>Visit the Ordoteca web site
Website</source>
        <translation>访问 Ordoteca 网站
网站</translation>
    </message>
    <message>
        <source>Support &amp;Forum</source>
        <translation>支持论坛(&amp;F)</translation>
    </message>
    <message>
        <source>Visit the Ordoteca support forum
Forum</source>
        <translation>访问 Ordoteca 支持论坛
论坛</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Display help for the current task
Help</source>
        <translation>显示当前任务的帮助
帮助</translation>
    </message>
    <message>
        <source>Help &amp;Mode</source>
        <translation>帮助模式(&amp;M)</translation>
    </message>
    <message>
        <source>Display help for clicked buttons, menus and windows
Help</source>
        <translation>显示所点击按钮、菜单和窗口的帮助
帮助</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>下一窗格</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>切换到下一个窗格
下一窗格</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>上一窗格</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>切换回上一个窗格
上一窗格</translation>
    </message>
    <message>
        <source>Open this database</source>
        <translation>打开此数据库</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>%1 (read-only) - Ordoteca</source>
        <translation>%1（只读）- Ordoteca</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message>
        <source>Bring in books from a spreadsheet, Goodreads, LibraryThing or Tellico
Import</source>
        <translation>从电子表格、Goodreads、LibraryThing 或 Tellico 导入图书
导入</translation>
    </message>
    <message>
        <source>Export &amp;Catalogue...</source>
        <translation>导出书库(&amp;C)...</translation>
    </message>
    <message>
        <source>Write the catalogue, a category or the selected books to a file
Export Catalogue</source>
        <translation>将书库、一个分类或所选图书写入文件
导出书库</translation>
    </message>
    <message>
        <source>&amp;Check Catalogue...</source>
        <translation>检查书库(&amp;C)...</translation>
    </message>
    <message>
        <source>Check the catalogue and its cover pictures and repair what can be repaired
Check Catalogue</source>
        <translation>检查书库及其封面图片，并修复可以修复的问题
检查书库</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>恢复备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Replace the catalogue by one of its automatic backups
Restore Backup</source>
        <translation>用书库的某个自动备份替换书库
恢复备份</translation>
    </message>
    <message>
        <source>User Guide in Web &amp;Browser</source>
        <translation>在网页浏览器中打开用户指南(&amp;B)</translation>
    </message>
    <message>
        <source>Open the user guide in the desktop&apos;s web browser
User Guide in Web Browser</source>
        <translation>在桌面的网页浏览器中打开用户指南
在网页浏览器中打开用户指南</translation>
    </message>
    <message>
        <source>Save As X&amp;ML...</source>
        <translation>另存为 XML(&amp;M)...</translation>
    </message>
    <message>
        <source>Add S&amp;ub Category...</source>
        <translation>添加子分类(&amp;U)...</translation>
    </message>
    <message>
        <source>Re&amp;move Category</source>
        <translation>删除分类(&amp;M)</translation>
    </message>
    <message>
        <source>Edit Cate&amp;gory...</source>
        <translation>编辑分类(&amp;G)...</translation>
    </message>
    <message>
        <source>Se&amp;nd To</source>
        <translation>发送到(&amp;N)</translation>
    </message>
    <message>
        <source>Content T&amp;emplate</source>
        <translation>内容模板(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Display Style</source>
        <translation>显示样式(&amp;D)</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>图书</translation>
    </message>
    <message>
        <source>Book page</source>
        <translation>图书页面</translation>
    </message>
    <message>
        <source>&amp;Lend...</source>
        <translation>借出(&amp;L)...</translation>
    </message>
    <message>
        <source>Record that the selected books are lent to someone
Lend</source>
        <translation>记录所选的书已借给某人
借出</translation>
    </message>
    <message>
        <source>Record that the selected books on loan came back
Return</source>
        <translation>记录所选借出的书已归还
归还</translation>
    </message>
    <message>
        <source>Borro&amp;wed Book...</source>
        <translation>借入的书(&amp;W)...</translation>
    </message>
    <message>
        <source>Add a book you borrowed, so that you remember to give it back
Borrowed Book</source>
        <translation>添加借来的书，以免忘记归还
借入的书</translation>
    </message>
    <message>
        <source>&amp;Borrowers...</source>
        <translation>借阅人(&amp;B)...</translation>
    </message>
    <message>
        <source>Rename, merge or delete the people books are lent to
Borrowers</source>
        <translation>重命名、合并或删除借阅人
借阅人</translation>
    </message>
    <message>
        <source>Return Boo&amp;k...</source>
        <translation>归还(&amp;K)...</translation>
    </message>
    <message>
        <source>Start Rea&amp;ding</source>
        <translation>开始阅读(&amp;D)</translation>
    </message>
    <message>
        <source>Log that you began reading the selected books today
Start Reading</source>
        <translation>记录今天开始阅读所选图书
开始阅读</translation>
    </message>
    <message>
        <source>F&amp;inished Reading</source>
        <translation>读完(&amp;I)</translation>
    </message>
    <message>
        <source>Log that you finished reading the selected books today
Finished Reading</source>
        <translation>记录今天读完所选图书
读完</translation>
    </message>
    <message>
        <source>Series &amp;Columns</source>
        <translation>系列列(&amp;C)</translation>
    </message>
    <message>
        <source>Show or hide the series and the number in it in the book list
Series Columns</source>
        <translation>在图书列表中显示或隐藏系列及书在其中的编号
系列列</translation>
    </message>
    <message>
        <source>S&amp;ort by Series</source>
        <translation>按系列排序(&amp;O)</translation>
    </message>
    <message>
        <source>List the books by series, then by their number in it
Sort by Series</source>
        <translation>按系列、再按书在系列中的编号排列图书
按系列排序</translation>
    </message>
    <message>
        <source>&amp;Filter List</source>
        <translation>筛选列表(&amp;F)</translation>
    </message>
    <message>
        <source>Show only the books of the list that hold the words you type
Filter List</source>
        <translation>只列出含有所输入全部词语的图书
筛选列表</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>统计(&amp;T)...</translation>
    </message>
    <message>
        <source>Count the books, authors and prices and chart them by category, author, year and more
Statistics</source>
        <translation>统计图书、作者和价格，并按分类、作者、年份等绘制图表
统计</translation>
    </message>
    <message>
        <source>Open Server Ca&amp;talogue...</source>
        <translation>打开服务器上的书库(&amp;T)...</translation>
    </message>
    <message>
        <source>Open a catalogue kept on a PostgreSQL server
Open Server Catalogue</source>
        <translation>打开保存在 PostgreSQL 服务器上的书库
打开服务器上的书库</translation>
    </message>
    <message>
        <source>Ne&amp;w Server Catalogue...</source>
        <translation>新建服务器上的书库(&amp;W)...</translation>
    </message>
    <message>
        <source>Make a catalogue in an empty database on a PostgreSQL server
New Server Catalogue</source>
        <translation>在 PostgreSQL 服务器的空数据库中创建书库
新建服务器上的书库</translation>
    </message>
    <message>
        <source>&amp;Reconnect</source>
        <translation>重新连接(&amp;R)</translation>
    </message>
    <message>
        <source>Connect again to the server whose connection was lost
Reconnect</source>
        <translation>重新连接到已断开的服务器
重新连接</translation>
    </message>
    <message>
        <source>Cop&amp;y Catalogue to Server...</source>
        <translation>把书库复制到服务器(&amp;Y)...</translation>
    </message>
    <message>
        <source>Copy the open catalogue file into a new catalogue on a PostgreSQL server
Copy Catalogue to Server</source>
        <translation>把打开的书库文件复制到 PostgreSQL 服务器上的新书库
把书库复制到服务器</translation>
    </message>
    <message>
        <source>Save &amp;Local Copy...</source>
        <translation>保存本地副本(&amp;L)...</translation>
    </message>
    <message>
        <source>Copy the server catalogue into a catalogue file on this computer
Save Local Copy</source>
        <translation>把服务器上的书库复制到本机的书库文件
保存本地副本</translation>
    </message>
</context>
<context>
    <name>COnlineQueryResultsDlg</name>
    <message>
        <source>Please select one from the following:</source>
        <translation>请从以下项目中选择一项：</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Books found</source>
        <translation>找到的图书</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最后一页</translation>
    </message>
</context>
<context>
    <name>COptionsDefaultPage</name>
    <message>
        <source>The following default values will be used when adding new books.</source>
        <translation>添加新书时将使用以下默认值。</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <extracomment>Material that comes with the book: CD-ROM, floppy disk, DVD, map...</extracomment>
        <translation>附件(&amp;X)：</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <extracomment>Where the book is kept: shelf, room, box...</extracomment>
        <translation>存放位置(&amp;O)：</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>自定义文本 1(&amp;1)：</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>自定义文本 2(&amp;2)：</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <extracomment>The file format of an e-book (PDF, EPUB, CHM...); not the verb &quot;to format&quot;.</extracomment>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Purchase Date:</source>
        <translation>购买日期(&amp;P)：</translation>
    </message>
    <message>
        <source>Clear for no purchase date</source>
        <translation>取消勾选表示无购买日期</translation>
    </message>
    <message>
        <source>Each new book gets the day it is added</source>
        <translation>每本新书使用其添加当天的日期</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>今天(&amp;T)</translation>
    </message>
    <message>
        <source>I only have &amp;eBook:</source>
        <translation>只有电子书(&amp;E)：</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <extracomment>What the book is to the owner: in the collection, on the wish list, for sale...</extracomment>
        <translation>状态(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <extracomment>The shop (bookshop, web shop) where the book was bought; not the verb &quot;to store&quot;.</extracomment>
        <translation>购买商店(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Default Values</source>
        <translation>默认值(&amp;D)</translation>
    </message>
    <message>
        <source>Da&amp;ys until a loan is due:</source>
        <translation>借阅天数(&amp;Y)：</translation>
    </message>
    <message>
        <source>No due date</source>
        <translation>无应还日期</translation>
    </message>
</context>
<context>
    <name>COptionsOnlinePage</name>
    <message>
        <source>(optional)</source>
        <translation>（可选）</translation>
    </message>
    <message>
        <source>Contact &amp;e-mail:</source>
        <translation>联系电子邮件(&amp;E)：</translation>
    </message>
    <message>
        <source>Sent with every request, so that a service can reach you instead of blocking the program.</source>
        <translation>随每个请求一并发送，以便服务提供方在必要时联系您，而不是直接封禁本程序。</translation>
    </message>
    <message>
        <source>Store &amp;ISBNs as:</source>
        <extracomment>The verb: how ISBNs are written into the catalogue (ISBN-10, ISBN-13). Not the shop of the Store field.</extracomment>
        <translation>ISBN 保存格式(&amp;I)：</translation>
    </message>
    <message>
        <source>When the chosen source does not know an ISBN, &amp;ask these sources too:</source>
        <translation>所选来源查不到某个 ISBN 时，也查询以下来源(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>测试连接(&amp;T)</translation>
    </message>
    <message>
        <source>ISBN-10 where there is one</source>
        <translation>有 ISBN-10 时用 ISBN-10</translation>
    </message>
    <message>
        <source>ISBN-13</source>
        <translation>ISBN-13</translation>
    </message>
    <message>
        <source>As entered</source>
        <translation>保持输入原样</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>正在查询 %1...</translation>
    </message>
    <message>
        <source>%1 answered in %2 ms.</source>
        <translation>%1 已响应，用时 %2 毫秒。</translation>
    </message>
    <message>
        <source>The test was cancelled.</source>
        <translation>测试已取消。</translation>
    </message>
    <message>
        <source>Service addresses</source>
        <translation>服务地址</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Back to %1</source>
        <translation>恢复为 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address Ordoteca can use for %2.
Please enter an address that starts with http:// or https://, for example %3.</source>
        <translation>“%1”不是 Ordoteca 可用于%2的网址。
请输入以 http:// 或 https:// 开头的地址，例如 %3。</translation>
    </message>
    <message>
        <source>&amp;Look books up at:</source>
        <translation>查询图书的来源(&amp;L)：</translation>
    </message>
    <message>
        <source>Google Books API &amp;key:</source>
        <translation>Google Books API 密钥(&amp;K)：</translation>
    </message>
    <message>
        <source>O&amp;nline</source>
        <translation>在线(&amp;N)</translation>
    </message>
</context>
<context>
    <name>COptionsUIPage</name>
    <message>
        <source>&amp;Interface Language:</source>
        <translation>界面语言(&amp;I)：</translation>
    </message>
    <message>
        <source>(Restart of Ordoteca is needed.)</source>
        <translation>（需要重新启动 Ordoteca。）</translation>
    </message>
    <message>
        <source>&amp;User Interface</source>
        <translation>用户界面(&amp;U)</translation>
    </message>
</context>
<context>
    <name>COrdoApp</name>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>打开数据库</translation>
    </message>
    <message>
        <source>New Database</source>
        <translation>新建数据库</translation>
    </message>
    <message>
        <source>Save Local Copy</source>
        <translation>保存本地副本</translation>
    </message>
</context>
<context>
    <name>COrdoDoc</name>
    <message>
        <source>%1 was not found.</source>
        <translation>未找到 %1。</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>拒绝访问 %1。</translation>
    </message>
    <message>
        <source>%1 is not an Ordoteca catalogue.</source>
        <translation>%1 不是 Ordoteca 书库。</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n row(s) left behind by books or categories deleted outside Ordoteca.</source>
        <translation>
            <numerusform>已清除 %n 条遗留记录（由在 Ordoteca 之外删除的图书或分类留下）。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>COrdoHtmlView</name>
    <message>
        <source>Save As XML</source>
        <translation>另存为 XML</translation>
    </message>
    <message>
        <source>Save As HTML</source>
        <translation>另存为 HTML</translation>
    </message>
    <message numerus="yes">
        <source>Show the next %n books</source>
        <translation>
            <numerusform>显示接下来的 %n 本书</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Show all %n books</source>
        <translation>
            <numerusform>显示全部 %n 本书</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Preparing %n books...</source>
        <translation>
            <numerusform>正在准备 %n 本书...</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>COrdoListView</name>
    <message>
        <source>Are you sure you want to permanently delete the selected book(s)?</source>
        <translation>确实要永久删除所选图书吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected book(s) from this category?</source>
        <translation>确实要从此分类中移除所选图书吗？</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>书名</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>版次</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s); %1</source>
        <extracomment>%1 is the number of selected books, &quot;%n selected&quot;.</extracomment>
        <translation>
            <numerusform>%n 本书；%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>已选择 %n 本</numerusform>
        </translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>添加日期</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>已逾期</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>借阅人</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>应还日期</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>The number of a book within its series, as a short column heading.</extracomment>
        <translation>编号</translation>
    </message>
</context>
<context>
    <name>COrdoTreeView</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>无效的日期时间</translation>
    </message>
    <message>
        <source>All Books</source>
        <translation>全部图书</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this category?
Note: this will delete all books and subcategories in this category.</source>
        <translation>确实要删除此分类吗？
注意：此操作将删除此分类中的所有图书和子分类。</translation>
    </message>
    <message>
        <source>Cannot paste: source category does not exist.</source>
        <translation>无法粘贴：源分类不存在。</translation>
    </message>
    <message>
        <source>Cannot paste: destination cannot be the source category itself, its parent category, or its sub categories.</source>
        <translation>无法粘贴：目标不能是源分类本身、其父分类或其子分类。</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>On Loan</source>
        <translation>已借出</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>借入</translation>
    </message>
</context>
<context>
    <name>CPagePrinter</name>
    <message>
        <source>The page could not be printed.</source>
        <translation>无法打印页面。</translation>
    </message>
    <message>
        <source>Preparing the print preview...</source>
        <translation>正在准备打印预览...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The page could not be rendered for printing.</source>
        <translation>无法生成用于打印的页面。</translation>
    </message>
</context>
<context>
    <name>CPasswordDialog</name>
    <message>
        <source>Server Password</source>
        <translation>服务器密码</translation>
    </message>
    <message>
        <source>The password for %1:</source>
        <translation>%1 的密码：</translation>
    </message>
    <message>
        <source>The password of %1 for %2:</source>
        <translation>%1 在 %2 上的密码：</translation>
    </message>
    <message>
        <source>&amp;Remember in the desktop&apos;s keyring</source>
        <translation>保存在桌面密钥环中(&amp;R)</translation>
    </message>
</context>
<context>
    <name>CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>页面设置(&amp;U)...</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>适合宽度(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Printed pages</source>
        <translation>打印页面</translation>
    </message>
    <message>
        <source>Zoom In (%1)</source>
        <translation>放大 (%1)</translation>
    </message>
    <message>
        <source>Zoom Out (%1)</source>
        <translation>缩小 (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Page %1 of %n</source>
        <translation>
            <numerusform>第 %1 页，共 %n 页</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CReadingLogTable</name>
    <message>
        <source>Add Reading</source>
        <translation>添加阅读</translation>
    </message>
    <message>
        <source>Remove Reading</source>
        <translation>删除阅读</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>读完</translation>
    </message>
    <message>
        <source>Read to the End</source>
        <translation>已读完</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>阅读记录</translation>
    </message>
</context>
<context>
    <name>CReturnDlg</name>
    <message>
        <source>Return</source>
        <translation>归还</translation>
    </message>
    <message>
        <source>&amp;Return date:</source>
        <translation>归还日期(&amp;R)：</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) on loan will be marked as returned.</source>
        <translation>
            <numerusform>%n 本借出的书将标记为已归还。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CServerDialog</name>
    <message>
        <source>Open Server Catalogue</source>
        <translation>打开服务器上的书库</translation>
    </message>
    <message>
        <source>New Server Catalogue</source>
        <translation>新建服务器上的书库</translation>
    </message>
    <message>
        <source>Where is the catalogue? Ask the server&apos;s administrator for these values.</source>
        <translation>书库在哪里？请向服务器管理员询问这些值。</translation>
    </message>
    <message>
        <source>Where is the catalogue to be made? The database (or its schema) must exist and be empty.</source>
        <translation>要在哪里创建书库？数据库（或其模式）必须已存在且为空。</translation>
    </message>
    <message>
        <source>public</source>
        <translation>public</translation>
    </message>
    <message>
        <source>Never (disable)</source>
        <translation>从不 (disable)</translation>
    </message>
    <message>
        <source>When the server offers it (prefer)</source>
        <translation>服务器提供时 (prefer)</translation>
    </message>
    <message>
        <source>Always (require)</source>
        <translation>总是 (require)</translation>
    </message>
    <message>
        <source>Always, checking the server&apos;s certificate (verify-full)</source>
        <translation>总是，并检查服务器证书 (verify-full)</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>主机(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>端口(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>数据库(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>用户(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Schema:</source>
        <translation>模式(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Encryption:</source>
        <translation>加密(&amp;E)：</translation>
    </message>
    <message>
        <source>Enter the name or address of the server.</source>
        <translation>请输入服务器的名称或地址。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>端口必须是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>Enter the name of the database.</source>
        <translation>请输入数据库的名称。</translation>
    </message>
</context>
<context>
    <name>CSqlRunProgress</name>
    <message>
        <source>Running the SQL statement...</source>
        <translation>正在运行 SQL 语句...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止...</translation>
    </message>
</context>
<context>
    <name>CStatisticsWindow</name>
    <message>
        <source>Working…</source>
        <translation>正在统计…</translation>
    </message>
    <message>
        <source>The numbers could not be counted: %1</source>
        <translation>无法完成统计：%1</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>未填写</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>&amp;Count:</source>
        <translation>统计范围(&amp;C)：</translation>
    </message>
    <message>
        <source>Whole catalogue</source>
        <translation>整个书库</translation>
    </message>
    <message>
        <source>Current category and its sub-categories</source>
        <translation>当前分类及其子分类</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; and its sub-categories</source>
        <translation>分类“%1”及其子分类</translation>
    </message>
    <message>
        <source>Selected books</source>
        <translation>选定的图书</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>Books:</source>
        <translation>图书：</translation>
    </message>
    <message>
        <source>Authors:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>Publishers:</source>
        <translation>出版社：</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>页数：</translation>
    </message>
    <message>
        <source>Value by purchase price:</source>
        <translation>按购买价格计的价值：</translation>
    </message>
    <message>
        <source>Value by list price:</source>
        <translation>按定价计的价值：</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>保存图表(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Print Chart...</source>
        <translation>打印图表(&amp;P)...</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>Authors</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Bindings</source>
        <translation>装帧</translation>
    </message>
    <message>
        <source>Release Decades</source>
        <translation>出版年代</translation>
    </message>
    <message>
        <source>Added per Year</source>
        <translation>每年添加</translation>
    </message>
    <message>
        <source>Read per Month</source>
        <translation>每月读完</translation>
    </message>
    <message>
        <source>Read per Year</source>
        <translation>每年读完</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>借出</translation>
    </message>
    <message>
        <source>Books per category (the %1 largest)</source>
        <translation>各分类的图书数（最多的 %1 个）</translation>
    </message>
    <message>
        <source>Books per category</source>
        <translation>各分类的图书数</translation>
    </message>
    <message>
        <source>The %1 authors with the most books</source>
        <translation>图书最多的 %1 位作者</translation>
    </message>
    <message>
        <source>The %1 publishers with the most books</source>
        <translation>图书最多的 %1 家出版社</translation>
    </message>
    <message>
        <source>Books per language</source>
        <translation>各语言的图书数</translation>
    </message>
    <message>
        <source>Books per binding</source>
        <translation>各装帧的图书数</translation>
    </message>
    <message>
        <source>Books per decade of release</source>
        <translation>各出版年代的图书数</translation>
    </message>
    <message>
        <source>Books added to the catalogue per year</source>
        <translation>每年加入书库的图书数</translation>
    </message>
    <message>
        <source>Books finished per month</source>
        <translation>每月读完的图书数</translation>
    </message>
    <message>
        <source>Books finished per month (the last %1 months)</source>
        <translation>每月读完的图书数（最近 %1 个月）</translation>
    </message>
    <message>
        <source>Books finished per year</source>
        <translation>每年读完的图书数</translation>
    </message>
    <message>
        <source>Loans per borrower</source>
        <translation>各借阅人的借出次数</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>未填写</translation>
    </message>
    <message>
        <source>%1s</source>
        <comment>decade: 1990s</comment>
        <translation>%1年代</translation>
    </message>
    <message>
        <source>Nothing to show for these books</source>
        <translation>这些图书没有可显示的内容</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>图书</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>保存图表</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG 图片 (*.png);;SVG 矢量图 (*.svg)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>无法将图表保存为 %1。</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>打印图表</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>无法打印图表。</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>Importing books...</source>
        <translation>正在导入图书...</translation>
    </message>
    <message>
        <source>Export Catalogue</source>
        <translation>导出书库</translation>
    </message>
    <message>
        <source>Exporting books...</source>
        <translation>正在导出图书...</translation>
    </message>
    <message>
        <source>The report was shortened. Save the whole report to a text file?</source>
        <translation>报告已被缩短。要把完整的报告保存到文本文件吗？</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>无法把报告保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>CUrlLabel</name>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>无法打开超链接：

</translation>
    </message>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统内存
或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝
访问指定的文件。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成此操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 文件无效
（非 Win32 .EXE 或 .EXE 映像有错误）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件名关联
不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>请求超时，
DDE 事务无法完成。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>由于正在处理其他 DDE 事务，
DDE 事务
无法完成。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与该文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>发生未知错误 (%1)。</translation>
    </message>
</context>
<context>
    <name>CWelcomePage</name>
    <message>
        <source>A catalogue holds your books and their categories in one file. Create a new one, or open one you already have.</source>
        <translation>书库将您的图书及其分类保存在一个文件中。请新建一个书库，或打开已有的书库。</translation>
    </message>
    <message>
        <source>Create a new catalogue...</source>
        <translation>新建书库...</translation>
    </message>
    <message>
        <source>Open a catalogue...</source>
        <translation>打开书库...</translation>
    </message>
    <message>
        <source>Welcome to Ordoteca</source>
        <translation>欢迎使用 Ordoteca</translation>
    </message>
</context>
<context>
    <name>CZipReader</name>
    <message>
        <source>The archive cannot be read: %1.</source>
        <translation>无法读取压缩包：%1。</translation>
    </message>
    <message>
        <source>The archive holds no %1.</source>
        <translation>压缩包中没有 %1。</translation>
    </message>
    <message>
        <source>%1 in the archive is too large.</source>
        <translation>压缩包中的 %1 太大。</translation>
    </message>
    <message>
        <source>%1 in the archive cannot be read: %2.</source>
        <translation>无法读取压缩包中的 %1：%2。</translation>
    </message>
    <message>
        <source>%1 in the archive is damaged.</source>
        <translation>压缩包中的 %1 已损坏。</translation>
    </message>
</context>
<context>
    <name>CZipWriter</name>
    <message>
        <source>The archive cannot be read back.</source>
        <translation>压缩包写入后无法重新读取。</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>No new number is free: the highest one is already in use.</source>
        <translation>没有可用的新编号：最大编号已被使用。</translation>
    </message>
</context>
<context>
    <name>CatalogueCopy</name>
    <message>
        <source>Nothing to copy from or to.</source>
        <translation>没有可复制的来源或目标。</translation>
    </message>
    <message>
        <source>The copy was cancelled; nothing was kept.</source>
        <translation>复制已取消；未保留任何内容。</translation>
    </message>
    <message>
        <source>The table %1 has no place in the copy and was left out.</source>
        <translation>副本中没有表 %1 的位置，已略过。</translation>
    </message>
    <message>
        <source>The column %1.%2 has no place in the copy and was left out.</source>
        <translation>副本中没有列 %1.%2 的位置，已略过。</translation>
    </message>
    <message>
        <source>%1 %2: &quot;%3&quot; in %4 is not a number and was left empty.</source>
        <translation>%1 %2：%4 中的“%3”不是数字，已留空。</translation>
    </message>
    <message>
        <source>The cover picture %1 is missing from %2 and was not copied.</source>
        <translation>%2 中缺少封面图片 %1，未复制。</translation>
    </message>
    <message>
        <source>The picture name %1 cannot be a file name and was not copied.</source>
        <translation>图片名称 %1 不能用作文件名，未复制。</translation>
    </message>
    <message>
        <source>Unable to write the picture %1.</source>
        <translation>无法写入图片 %1。</translation>
    </message>
    <message>
        <source>Unable to create the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Unable to read the picture %1.</source>
        <translation>无法读取图片 %1。</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>文件 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not an Ordoteca catalogue: the file is not a database.</source>
        <translation>%1 不是 Ordoteca 书库：该文件不是数据库。</translation>
    </message>
    <message>
        <source>%1 is in use by another program. Close it there and try again.</source>
        <translation>%1 正被另一个程序使用。请先在该程序中关闭它，然后重试。</translation>
    </message>
    <message>
        <source>%1 holds no Ordoteca catalogue yet.</source>
        <translation>%1 中还没有 Ordoteca 书库。</translation>
    </message>
    <message>
        <source>The catalogue %1 was made by a newer version of Ordoteca. Update the program to open it; nothing was changed.</source>
        <translation>书库 %1 由较新版本的 Ordoteca 创建。请更新程序后再打开；未作任何更改。</translation>
    </message>
    <message>
        <source>%1 already holds a catalogue; nothing was changed.</source>
        <translation>%1 中已有书库；未作任何更改。</translation>
    </message>
    <message>
        <source>The server asks for a password.</source>
        <translation>服务器要求输入密码。</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>服务器拒绝了用户名或密码。</translation>
    </message>
    <message>
        <source>No encrypted (TLS) connection could be made, and the chosen TLS mode requires one.</source>
        <translation>无法建立加密 (TLS) 连接，而所选的 TLS 模式要求加密。</translation>
    </message>
    <message>
        <source>The server does not answer. Check that it is running and that the host and port are right.</source>
        <translation>服务器没有响应。请检查服务器是否正在运行，以及主机和端口是否正确。</translation>
    </message>
    <message>
        <source>The server has no such database or user.</source>
        <translation>服务器上没有此数据库或用户。</translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>服务器拒绝了连接。</translation>
    </message>
    <message>
        <source>The connection to the server was lost. Nothing was changed by this step; try again once the server is back.</source>
        <translation>与服务器的连接已断开。此步骤未作任何更改；请在服务器恢复后重试。</translation>
    </message>
    <message>
        <source>You have no right to do this on the server: %1</source>
        <translation>您在服务器上没有执行此操作的权限：%1</translation>
    </message>
    <message>
        <source>%1 has no meaning on a server catalogue.</source>
        <translation>%1 对服务器上的书库没有意义。</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>My Books</source>
        <translation>我的图书</translation>
    </message>
    <message>
        <source>The file cannot be written: %1.</source>
        <translation>无法写入文件：%1。</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <translation>无法以写入方式打开文件。</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Title</source>
        <translation>书名</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>副书名</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>网址</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>版次</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>出版日期</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>ISBN</source>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>装帧</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Purchase date</source>
        <translation>购买日期</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>购买商店</translation>
    </message>
    <message>
        <source>Purchase price</source>
        <translation>购买价格</translation>
    </message>
    <message>
        <source>List price</source>
        <translation>定价</translation>
    </message>
    <message>
        <source>Online price</source>
        <translation>网上价格</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>存放位置</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>当前页</translation>
    </message>
    <message>
        <source>Average rating</source>
        <translation>平均评分</translation>
    </message>
    <message>
        <source>Number of reviews</source>
        <translation>评论数</translation>
    </message>
    <message>
        <source>My rating</source>
        <translation>我的评分</translation>
    </message>
    <message>
        <source>User text 1</source>
        <translation>自定义文本 1</translation>
    </message>
    <message>
        <source>User text 2</source>
        <translation>自定义文本 2</translation>
    </message>
    <message>
        <source>E-book only</source>
        <translation>仅有电子书</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Book size</source>
        <translation>电子书大小</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>内容简介</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Categories (shelves, groups)</source>
        <translation>分类（书架、分组）</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Back cover</source>
        <translation>封底</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>（不导入）</translation>
    </message>
    <message>
        <source>Delimited text (CSV/TSV)</source>
        <translation>分隔文本 (CSV/TSV)</translation>
    </message>
    <message>
        <source>Goodreads export</source>
        <translation>Goodreads 导出文件</translation>
    </message>
    <message>
        <source>LibraryThing export</source>
        <translation>LibraryThing 导出文件</translation>
    </message>
    <message>
        <source>Tellico collection (.tc)</source>
        <translation>Tellico 收藏 (.tc)</translation>
    </message>
    <message>
        <source>Tellico XML</source>
        <translation>Tellico XML</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>The collection is not well-formed XML (line %1: %2).</source>
        <translation>该收藏不是格式正确的 XML（第 %1 行：%2）。</translation>
    </message>
    <message>
        <source>The file is not a Tellico collection.</source>
        <translation>该文件不是 Tellico 收藏。</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 was not found.</source>
        <translation>%1：未找到封面图片 %2。</translation>
    </message>
    <message>
        <source>The import was cancelled; the catalogue is unchanged.</source>
        <translation>导入已取消，书库未改变。</translation>
    </message>
    <message>
        <source>The import failed; the catalogue is unchanged.</source>
        <translation>导入失败，书库未改变。</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>已添加：%1</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>已更新：%1</translation>
    </message>
    <message>
        <source>Skipped as duplicates: %1</source>
        <translation>因重复而跳过：%1</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <source>  ... and %1 more</source>
        <translation>  ... 还有 %1 项</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>条目 %1</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>The row has neither a title nor an ISBN.</source>
        <translation>该行既没有书名也没有 ISBN。</translation>
    </message>
    <message>
        <source>The file is neither delimited text nor a Tellico collection.</source>
        <translation>该文件既不是分隔文本，也不是 Tellico 收藏。</translation>
    </message>
    <message>
        <source>The file holds no books: it needs a header row and at least one row of data.</source>
        <translation>文件中没有图书：需要一个标题行和至少一行数据。</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>文件 %1 不存在。</translation>
    </message>
    <message>
        <source>The file is too large to import (%1 MB; at most %2 MB).</source>
        <translation>文件太大，无法导入（%1 MB；最大 %2 MB）。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>无法读取文件：%1。</translation>
    </message>
    <message>
        <source>It is not a Tellico collection.</source>
        <translation>它不是 Tellico 收藏。</translation>
    </message>
    <message>
        <source>The collection holds no books.</source>
        <translation>该收藏中没有图书。</translation>
    </message>
    <message>
        <source>The archive cannot be read.</source>
        <translation>无法读取压缩包。</translation>
    </message>
    <message>
        <source>Values repaired or left out: %1</source>
        <translation>已修复或略去的值：%1</translation>
    </message>
    <message>
        <source>Covers: %1</source>
        <translation>封面：%1</translation>
    </message>
    <message>
        <source>%1: text that was not UTF-8 read as Windows-1252.</source>
        <translation>%1：非 UTF-8 的文本已按 Windows-1252 读取。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid ISBN; kept in the notes.</source>
        <translation>%1：“%2”不是有效的 ISBN；已保留在备注中。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; had lost its leading zero; stored as %3.</source>
        <translation>%1：“%2”丢失了开头的零；已存为 %3。</translation>
    </message>
    <message>
        <source>ISBN in the imported file: %1</source>
        <translation>导入文件中的 ISBN：%1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; left empty.</source>
        <translation>%1：“%2”不是数字；已留空。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; read as %3.</source>
        <translation>%1：“%2”读作 %3。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a rating; left empty.</source>
        <translation>%1：“%2”不是评分；已留空。</translation>
    </message>
    <message>
        <source>Date added</source>
        <translation>添加日期</translation>
    </message>
    <message>
        <source>Gift</source>
        <translation>礼物</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields where the header row has %3</source>
        <translation>第 %1 行有 %2 个字段，而标题行有 %3 个</translation>
    </message>
    <message>
        <source>Most rows disagree with the header: the file is damaged or not delimited the same way throughout.</source>
        <translation>大多数行与标题行不一致：文件已损坏，或各处的分隔方式不同。</translation>
    </message>
    <message>
        <source>Line %1, %2</source>
        <translation>第 %1 行，%2</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is larger than %3; it was left out.</source>
        <translation>%1：封面图片 %2 大于 %3；已略去。</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 could not be read.</source>
        <translation>%1：无法读取封面图片 %2。</translation>
    </message>
    <message>
        <source>%1: %2 is not a picture; it was left out.</source>
        <translation>%1：%2 不是图片；已略去。</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is too large or has too many frames to be shown; it was left out.</source>
        <translation>%1：封面图片 %2 太大或帧数太多，无法显示；已略去。</translation>
    </message>
    <message>
        <source>%1: the cover picture %2 is not in the folder of the imported file; it was left out.</source>
        <translation>%1：封面图片 %2 不在导入文件所在的文件夹中；已略去。</translation>
    </message>
    <message>
        <source>The cover pictures of this file take %1, more than the disk of the images folder can spare (%2, half of its free space).</source>
        <translation>此文件的封面图片占用 %1，超过了图片文件夹所在磁盘可以提供的空间（%2，即可用空间的一半）。</translation>
    </message>
    <message>
        <source>Nothing can be written to the images folder %1.</source>
        <translation>无法写入图片文件夹 %1。</translation>
    </message>
    <message>
        <source>The cover picture %1 could not be written.</source>
        <translation>无法写入封面图片 %1。</translation>
    </message>
    <message>
        <source>Lent to</source>
        <translation>借给</translation>
    </message>
    <message>
        <source>Loan date</source>
        <translation>借出日期</translation>
    </message>
    <message>
        <source>Due date</source>
        <translation>应还日期</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>Number in series</source>
        <translation>系列编号</translation>
    </message>
    <message>
        <source>Readings (days finished)</source>
        <translation>阅读记录（读完日期）</translation>
    </message>
    <message>
        <source>Date started</source>
        <translation>开始日期</translation>
    </message>
    <message>
        <source>Times read</source>
        <translation>阅读次数</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date; kept as the reading&apos;s note.</source>
        <translation>“%1”不是日期；已作为该次阅读的备注保留。</translation>
    </message>
    <message>
        <source>Also in the series: %1</source>
        <translation>也属于系列：%1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of readings; left out.</source>
        <translation>%1：“%2”不是阅读次数；已略去。</translation>
    </message>
</context>
<context>
    <name>LanguageTable</name>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
</context>
<context>
    <name>LinkOpenRule</name>
    <message>
        <source>This link is not a web or mail address:
%1

Open it with the program your desktop chooses for it?</source>
        <translation>此链接不是网址或邮件地址：
%1

是否用系统为其指定的默认程序打开？</translation>
    </message>
</context>
<context>
    <name>LookupSources</name>
    <message>
        <source>Bookstore service</source>
        <translation>书店服务</translation>
    </message>
    <message>
        <source>Bookstore web service:</source>
        <translation>书店网络服务：</translation>
    </message>
    <message>
        <source>Bookstore product pages:</source>
        <translation>书店商品页面：</translation>
    </message>
    <message>
        <source>Google Books</source>
        <translation>Google Books</translation>
    </message>
    <message>
        <source>Google Books:</source>
        <translation>Google Books：</translation>
    </message>
    <message>
        <source>Library of Congress</source>
        <translation>美国国会图书馆</translation>
    </message>
    <message>
        <source>Library of Congress (SRU):</source>
        <translation>美国国会图书馆（SRU）：</translation>
    </message>
    <message>
        <source>Open Library</source>
        <translation>Open Library</translation>
    </message>
    <message>
        <source>Open Library:</source>
        <translation>Open Library：</translation>
    </message>
    <message>
        <source>Open Library covers:</source>
        <translation>Open Library 封面：</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Recordset</name>
    <message>
        <source>The SQL text holds no statement.</source>
        <translation>SQL 文本中没有语句。</translation>
    </message>
    <message>
        <source>Only one SQL statement can be run at a time.</source>
        <translation>一次只能运行一条 SQL 语句。</translation>
    </message>
</context>
<context>
    <name>SaveConflict</name>
    <message>
        <source>Someone else</source>
        <translation>其他人</translation>
    </message>
    <message>
        <source>%1 deleted this book at %2 while you were editing it.</source>
        <translation>在您编辑这本书时，%1 于 %2 删除了它。</translation>
    </message>
    <message>
        <source>%1 changed this book at %2 after you opened it.</source>
        <translation>在您打开这本书之后，%1 于 %2 修改了它。</translation>
    </message>
    <message>
        <source>Save as &amp;New Book</source>
        <translation>另存为新书(&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>覆盖(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>重新加载(&amp;R)</translation>
    </message>
    <message>
        <source>Discard your changes and show the book as %1 saved it?</source>
        <translation>放弃您的修改，显示 %1 保存的这本书吗？</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>%1 is not a server catalogue address (postgresql://user@host:port/database).</source>
        <translation>%1 不是服务器书库地址 (postgresql://用户@主机:端口/数据库)。</translation>
    </message>
    <message>
        <source>%1 is not a valid address: %2</source>
        <translation>%1 不是有效的地址：%2</translation>
    </message>
    <message>
        <source>Addresses of server catalogues never hold a password; remove it from %1.</source>
        <translation>服务器书库的地址中不能包含密码；请从 %1 中删除它。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>端口必须是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>The address %1 names no database.</source>
        <translation>地址 %1 中没有指定数据库。</translation>
    </message>
    <message>
        <source>Unknown TLS mode &quot;%1&quot;; use disable, prefer, require or verify-full.</source>
        <translation>未知的 TLS 模式“%1”；请使用 disable、prefer、require 或 verify-full。</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%2 上的 %1</translation>
    </message>
</context>
<context>
    <name>ServerOpen</name>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>服务器拒绝了用户名或密码。</translation>
    </message>
    <message>
        <source>%1 holds no Ordoteca catalogue yet. Create one there?</source>
        <translation>%1 中还没有 Ordoteca 书库。要在那里创建一个吗？</translation>
    </message>
</context>
<context>
    <name>SqlConsole</name>
    <message>
        <source>SQL statement cannot be empty.</source>
        <translation>SQL 语句不能为空。</translation>
    </message>
    <message>
        <source>Records affected: %1
Number of records in the returned recordset: %2</source>
        <translation>受影响的记录数：%1
返回的记录集中的记录数：%2</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Simplified Chinese</source>
        <comment>129</comment>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <comment>130</comment>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>English</source>
        <comment>131</comment>
        <extracomment>The interface language, as listed in Options.</extracomment>
        <translation>英语</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <comment>135</comment>
        <translation>无法以写入方式打开文件。</translation>
    </message>
    <message>
        <source>Failed to instantiate an XML/XSL DOM.</source>
        <comment>136</comment>
        <translation>无法创建 XML/XSL DOM 对象。</translation>
    </message>
    <message>
        <source>Failed to load XML.</source>
        <comment>137</comment>
        <translation>无法加载 XML。</translation>
    </message>
    <message>
        <source>Failed to load XSL.</source>
        <comment>138</comment>
        <translation>无法加载 XSL。</translation>
    </message>
    <message>
        <source>Operation failed. Please make sure the following is a valid path:
%s</source>
        <comment>139</comment>
        <translation>操作失败。请确认以下路径有效：
%s</translation>
    </message>
    <message>
        <source>Unable to create directory:
%s</source>
        <comment>140</comment>
        <translation>无法创建文件夹：
%s</translation>
    </message>
    <message>
        <source>Unable to download the cover picture.</source>
        <comment>142</comment>
        <translation>无法下载封面图片。</translation>
    </message>
    <message>
        <source>Failed to load book info from Amazon.com.</source>
        <comment>143</comment>
        <translation>无法从 Amazon.com 加载图书信息。</translation>
    </message>
    <message>
        <source>Error message returned from Amazon:
%s</source>
        <comment>144</comment>
        <translation>Amazon 返回的错误信息：
%s</translation>
    </message>
    <message>
        <source>Unable to download the html page.</source>
        <comment>145</comment>
        <translation>无法下载 HTML 页面。</translation>
    </message>
    <message>
        <source>No valid ISBN found.</source>
        <comment>147</comment>
        <translation>未找到有效的 ISBN。</translation>
    </message>
    <message>
        <source>Please enter at least one of them: title, author and publisher.</source>
        <comment>148</comment>
        <translation>请至少输入以下一项：书名、作者或出版社。</translation>
    </message>
    <message>
        <source>Cannot open file for reading.</source>
        <comment>149</comment>
        <translation>无法以读取方式打开文件。</translation>
    </message>
    <message>
        <source>%s is not a valid ISBN. Ignore this one?</source>
        <comment>150</comment>
        <translation>%s 不是有效的 ISBN。是否忽略此项？</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <comment>151</comment>
        <translation>没有可保存的内容。</translation>
    </message>
    <message>
        <source>File has been saved.</source>
        <comment>152</comment>
        <translation>文件已保存。</translation>
    </message>
    <message>
        <source>Fatal error occurred. Job will be cancelled.</source>
        <comment>153</comment>
        <translation>发生严重错误，任务将被取消。</translation>
    </message>
    <message>
        <source>Query queue is empty.</source>
        <comment>154</comment>
        <translation>查询队列为空。</translation>
    </message>
    <message>
        <source>Book title cannot be empty.</source>
        <comment>155</comment>
        <translation>书名不能为空。</translation>
    </message>
    <message>
        <source>Please select one item from the list.</source>
        <comment>156</comment>
        <translation>请从列表中选择一项。</translation>
    </message>
    <message>
        <source>URL is not valid.</source>
        <comment>158</comment>
        <translation>URL 无效。</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <comment>159</comment>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>Folder does not exist.</source>
        <comment>160</comment>
        <translation>文件夹不存在。</translation>
    </message>
    <message>
        <source>No valid results found.
Note: e-books are ignored.</source>
        <comment>161</comment>
        <translation>未找到有效结果。
注意：电子书已被忽略。</translation>
    </message>
    <message>
        <source>Category name cannot be empty.</source>
        <comment>165</comment>
        <translation>分类名称不能为空。</translation>
    </message>
    <message>
        <source>Cannot create file:
%s</source>
        <comment>166</comment>
        <translation>无法创建文件：
%s</translation>
    </message>
    <message>
        <source>Link title and path cannot be empty.</source>
        <comment>167</comment>
        <translation>链接标题和路径不能为空。</translation>
    </message>
    <message>
        <source>First page</source>
        <comment>169</comment>
        <translation>第一页</translation>
    </message>
    <message>
        <source>Previous page</source>
        <comment>170</comment>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next page</source>
        <comment>171</comment>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Last page</source>
        <comment>172</comment>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>Add New Category</source>
        <comment>174</comment>
        <translation>添加新分类</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <comment>175</comment>
        <translation>编辑分类</translation>
    </message>
    <message>
        <source>Add Book</source>
        <comment>176</comment>
        <translation>添加图书</translation>
    </message>
    <message>
        <source>Edit Book</source>
        <comment>177</comment>
        <translation>编辑图书</translation>
    </message>
    <message>
        <source>Add Link</source>
        <comment>178</comment>
        <translation>添加链接</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <comment>179</comment>
        <translation>编辑链接</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>180</comment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Loading XML from %s...</source>
        <comment>183</comment>
        <translation>正在从 %s 加载 XML...</translation>
    </message>
    <message>
        <source>Parsing html...</source>
        <comment>184</comment>
        <translation>正在解析 HTML...</translation>
    </message>
    <message>
        <source>Downloading cover...</source>
        <comment>185</comment>
        <translation>正在下载封面...</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>186</comment>
        <translation>书名</translation>
    </message>
    <message>
        <source>Author</source>
        <comment>187</comment>
        <translation>作者</translation>
    </message>
    <message>
        <source>Publisher</source>
        <comment>188</comment>
        <translation>出版社</translation>
    </message>
    <message>
        <source>ISBN</source>
        <comment>189</comment>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>190</comment>
        <translation>版次</translation>
    </message>
    <message>
        <source>Please select a folder from the list:</source>
        <comment>191</comment>
        <translation>请从列表中选择一个文件夹：</translation>
    </message>
    <message>
        <source>eBook folder</source>
        <comment>192</comment>
        <translation>电子书文件夹</translation>
    </message>
    <message>
        <source>Source code folder</source>
        <comment>193</comment>
        <translation>源代码文件夹</translation>
    </message>
    <message>
        <source>eBook file</source>
        <comment>194</comment>
        <translation>电子书文件</translation>
    </message>
    <message>
        <source>Other info</source>
        <comment>195</comment>
        <translation>其他信息</translation>
    </message>
    <message>
        <source>Author&apos;s website</source>
        <comment>196</comment>
        <translation>作者网站</translation>
    </message>
    <message>
        <source>This book on publisher&apos;s website</source>
        <comment>197</comment>
        <translation>出版社网站上的本书页面</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;body&gt;&lt;div style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Welcome to Ordoteca&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Quenlow Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://ordoteca.example.org/&quot;&gt;ordoteca.example.org&lt;/a&gt;&lt;/p&gt;&lt;/div&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <comment>198</comment>
        <translation>&lt;html&gt;&lt;body&gt;&lt;div style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;欢迎使用 Ordoteca&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Quenlow Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://ordoteca.example.org/&quot;&gt;ordoteca.example.org&lt;/a&gt;&lt;/p&gt;&lt;/div&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>199</comment>
        <extracomment>Written into the book page for yes/no fields (I only have eBook).</extracomment>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <comment>200</comment>
        <extracomment>Written into the book page for yes/no fields (I only have eBook).</extracomment>
        <translation>否</translation>
    </message>
    <message>
        <source>Ordoteca Book Information</source>
        <comment>201</comment>
        <translation>Ordoteca 图书信息</translation>
    </message>
    <message>
        <source>Unable to copy the cover picture to the following location:
%s</source>
        <comment>204</comment>
        <translation>无法将封面图片复制到以下位置：
%s</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*||</source>
        <comment>205</comment>
        <translation>文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp|PNG Files (*.png)|*.png|All Files (*)|*||</source>
        <comment>206</comment>
        <translation>所有图片 (*.jpg; *.jpeg; *.gif; *.bmp; *.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png|JPEG 文件 (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF 文件 (*.gif)|*.gif|Windows 位图 (*.bmp)|*.bmp|PNG 文件 (*.png)|*.png|所有文件 (*)|*||</translation>
    </message>
    <message>
        <source>Ordoteca Databases (*.mdb)|*.mdb||</source>
        <comment>207</comment>
        <translation>Ordoteca 数据库 (*.mdb)|*.mdb||</translation>
    </message>
    <message>
        <source>HTML Files (*.htm, *.html)|*.htm;*.html||</source>
        <comment>208</comment>
        <translation>HTML 文件 (*.htm, *.html)|*.htm;*.html||</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml||</source>
        <comment>209</comment>
        <translation>XML 文件 (*.xml)|*.xml||</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||</source>
        <comment>210</comment>
        <translation>所有文件 (*.*)|*.*|已编译的 HTML 帮助文件 (*.chm)|*.chm|Acrobat PDF 文件 (*.pdf)|*.pdf|压缩文件 (*.zip; *.rar)|*.zip;*.rar||</translation>
    </message>
    <message>
        <source>Hardcover</source>
        <comment>211</comment>
        <translation>精装</translation>
    </message>
    <message>
        <source>Paperback</source>
        <comment>212</comment>
        <translation>平装</translation>
    </message>
    <message>
        <source>Unknown Binding</source>
        <comment>213</comment>
        <translation>未知装帧</translation>
    </message>
    <message>
        <source>Floppy Disk</source>
        <comment>214</comment>
        <extracomment>A medium that comes with the book (lookup value of &quot;Extras&quot;).</extracomment>
        <translation>软盘</translation>
    </message>
    <message>
        <source>English</source>
        <comment>215</comment>
        <extracomment>The language a book is written in (lookup value), not the interface language.</extracomment>
        <translation>英语</translation>
    </message>
    <message>
        <source>Book Collection</source>
        <comment>218</comment>
        <extracomment>The top category of the tree: the whole collection.</extracomment>
        <translation>藏书</translation>
    </message>
    <message>
        <source>In Collection</source>
        <comment>219</comment>
        <extracomment>Book status: the book is in the owner&apos;s collection.</extracomment>
        <translation>已拥有</translation>
    </message>
    <message>
        <source>Wish List</source>
        <comment>220</comment>
        <extracomment>Book status: the owner wants the book.</extracomment>
        <translation>心愿单</translation>
    </message>
    <message>
        <source>Reference Only</source>
        <comment>221</comment>
        <extracomment>Book status: the book is only consulted, not owned.</extracomment>
        <translation>仅查阅（非自有）</translation>
    </message>
    <message>
        <source>For Sale</source>
        <comment>222</comment>
        <extracomment>Book status: the owner sells the book.</extracomment>
        <translation>待售</translation>
    </message>
    <message>
        <source>Chinese</source>
        <comment>223</comment>
        <extracomment>The language a book is written in (lookup value), not the interface language.</extracomment>
        <translation>中文</translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>224</comment>
        <translation>收藏夹</translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>225</comment>
        <translation>搜索结果</translation>
    </message>
    <message>
        <source>Reading List</source>
        <comment>226</comment>
        <translation>阅读清单</translation>
    </message>
    <message>
        <source>Loading book information from %s...</source>
        <comment>227</comment>
        <translation>正在从 %s 加载图书信息...</translation>
    </message>
    <message>
        <source>No book with ISBN %s was found at %s.</source>
        <comment>228</comment>
        <translation>未找到 ISBN 为 %s 的图书（查询来源：%s）。</translation>
    </message>
    <message>
        <source>Failed to load book info from %s.</source>
        <comment>229</comment>
        <translation>无法从 %s 加载图书信息。</translation>
    </message>
    <message>
        <source>Error message returned from %s:
%s</source>
        <comment>230</comment>
        <translation>%s 返回的错误信息：
%s</translation>
    </message>
    <message>
        <source>Underline
Underline</source>
        <comment>32788</comment>
        <translation>下划线
下划线</translation>
    </message>
    <message>
        <source>Italic
Italic</source>
        <comment>32789</comment>
        <translation>斜体
斜体</translation>
    </message>
    <message>
        <source>Bold
Bold</source>
        <comment>32790</comment>
        <translation>粗体
粗体</translation>
    </message>
    <message>
        <source>Left Justify
Left Justify</source>
        <comment>32791</comment>
        <translation>左对齐
左对齐</translation>
    </message>
    <message>
        <source>Center
Center</source>
        <comment>32792</comment>
        <translation>居中
居中</translation>
    </message>
    <message>
        <source>Right Justify
Right Justify</source>
        <comment>32793</comment>
        <translation>右对齐
右对齐</translation>
    </message>
    <message>
        <source>Add Hyperlink
Add Hyperlink</source>
        <comment>32794</comment>
        <translation>添加超链接
添加超链接</translation>
    </message>
    <message>
        <source>Ordered List
Ordered List</source>
        <comment>32795</comment>
        <translation>编号列表
编号列表</translation>
    </message>
    <message>
        <source>Indent
Indent</source>
        <comment>32796</comment>
        <translation>增加缩进
增加缩进</translation>
    </message>
    <message>
        <source>Outdent
Outdent</source>
        <comment>32797</comment>
        <translation>减少缩进
减少缩进</translation>
    </message>
    <message>
        <source>Unordered List
Unordered List</source>
        <comment>32798</comment>
        <translation>项目符号列表
项目符号列表</translation>
    </message>
    <message>
        <source>Switch Design/Preview Mode
Switch Design/Preview Mode</source>
        <comment>32799</comment>
        <translation>切换设计/预览模式
切换设计/预览模式</translation>
    </message>
    <message>
        <source>Insert Image
Insert image</source>
        <comment>32800</comment>
        <translation>插入图片
插入图片</translation>
    </message>
    <message>
        <source>Font
Font</source>
        <comment>32801</comment>
        <translation>字体
字体</translation>
    </message>
    <message>
        <source>Cut
Cut</source>
        <comment>32802</comment>
        <translation>剪切
剪切</translation>
    </message>
    <message>
        <source>Copy
Copy</source>
        <comment>32803</comment>
        <translation>复制
复制</translation>
    </message>
    <message>
        <source>Paste
Paste</source>
        <comment>32804</comment>
        <translation>粘贴
粘贴</translation>
    </message>
    <message>
        <source>Background Color
Background Color</source>
        <comment>32805</comment>
        <translation>背景颜色
背景颜色</translation>
    </message>
    <message>
        <source>Horizontal Line
Horizontal Line</source>
        <comment>32806</comment>
        <translation>水平线
水平线</translation>
    </message>
    <message>
        <source>Delete
Delete</source>
        <comment>32807</comment>
        <translation>删除
删除</translation>
    </message>
    <message>
        <source>Ordo</source>
        <comment>57344</comment>
        <extracomment>Short name of the program.</extracomment>
        <translation>Ordo</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation>按 F1 获取帮助</translation>
    </message>
    <message>
        <source>Found at %s.</source>
        <comment>235</comment>
        <extracomment>Status of a looked-up book; %s is the service that knew it (Open Library...).</extracomment>
        <translation>已在 %s 找到。</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) are not saved.</source>
        <comment>162</comment>
        <translation>
            <numerusform>%n 个重复项未保存。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</source>
        <comment>173</comment>
        <extracomment>%1 is the number of pages, &quot;%n page(s)&quot;.</extracomment>
        <translation>
            <numerusform>共找到 %n 个结果，%1。当前页：%2  （注意：部分电子书可能已被过滤。）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s), %1</source>
        <comment>182</comment>
        <extracomment>What a category contains; %1 is the number of its sub categories, &quot;%n sub category(ies)&quot;.</extracomment>
        <translation>
            <numerusform>%n 本书，%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <comment>236</comment>
        <extracomment>The pages of online search results, in &quot;%n result(s) found, %1&quot;.</extracomment>
        <translation>
            <numerusform>共 %n 页</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sub category(ies)</source>
        <comment>237</comment>
        <extracomment>In &quot;%n book(s), %1&quot;, what a category contains.</extracomment>
        <translation>
            <numerusform>%n 个子分类</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Catalogue manager for a book collection</source>
        <translation>藏书目录管理程序</translation>
    </message>
    <message>
        <source>The catalogue (.mdb) to open.</source>
        <translation>要打开的书库 (.mdb)。</translation>
    </message>
    <message>
        <source>Open the catalogue, report where the program&apos;s files were found, and quit (exit code 0 when everything is there).</source>
        <translation>打开书库，报告程序文件所在的位置，然后退出（一切齐全时退出代码为 0）。</translation>
    </message>
</context>
</TS>
